// The about box: description, software code, version and document code, and
// the maker's web address. Its labels are fixed English texts; it is not
// translated.
#pragma once

#include "platform/Forms.h"

class TImage;
class TLabel;
class TLbButton;

class TFAbout : public TForm {
public:
  explicit TFAbout(TComponent* AOwner);
  ~TFAbout() override;

  // Opens the maker's home page (the logo and the web address).
  void Label4Click(TObject* Sender);

  TImage* Image2;
  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label6;
  TLabel* Label9;
  TLabel* Label3;
  TLabel* Label10;
  TLabel* Label8;
  TLabel* Label12;
  TLabel* Label4;
  TLbButton* LbButton1;

private:
  void CreateControls();
  void FormShow(TObject* Sender);
};

extern TFAbout* FAbout;
