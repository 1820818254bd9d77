// The options dialog: the language chooser (with an immediate change of every
// form's texts), the internet and update-check options and the table settings.
// OK copies the choices into the settings values; Cancel keeps them.
#pragma once

#include "platform/Forms.h"

#include <QString>

#include <array>
#include <memory>

class TCheckBox;
class TImage;
class TLabel;
class TLbButton;
class TLinkLabel;
class TPageControl;
class TStringList;
class TTabSheet;

class TFSoftOptions : public TForm {
public:
  static constexpr int SlotCount = 6;

  explicit TFSoftOptions(TComponent* AOwner);
  ~TFSoftOptions() override;

  // Puts the dialog's texts from its block of LanguageTexts.
  void Set_Lang();
  // True when the maker's version service reports a newer version.
  bool Check_Version();
  // Lists the .lng files of the LANGUAGE folder and shows page 1.
  void Create_Lang_List();
  // Shows the languages of this page (counted from 1) in the six slots.
  void Update_Lang_Page(int Num_Page);
  void Update_CheckBox();

  // Event handlers, public so that tests can drive them like a click.
  void Btn_NextClick(TObject* Sender);
  void LangClick(TObject* Sender);
  void CB_En_ConClick(TObject* Sender);
  void Btn_Check_UpdateClick(TObject* Sender);
  void LL_Check_UpdateLinkClick(TObject* Sender, const QString& Link);
  void Btn_OKClick(TObject* Sender);

  int Show_Page = 1;
  // The found language files, extension included, sorted without regard to case.
  std::unique_ptr<TStringList> SL_Languages;
  // The language chosen in the dialog: the base name of its .lng file.
  QString Language_In_Use;

  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TPageControl* PC_Options;
  TTabSheet* TS_Language;
  TTabSheet* TS_Con_Options;
  TTabSheet* TS_Soft_Settings;
  TLabel* L_Sel_Lang;
  TLabel* L_Page_Lang;
  // Language slot k: the flag I_Lk and the name L_Lk.
  TImage *I_L1, *I_L2, *I_L3, *I_L4, *I_L5, *I_L6;
  TLabel *L_L1, *L_L2, *L_L3, *L_L4, *L_L5, *L_L6;
  TLbButton* Btn_Prev;
  TLbButton* Btn_Next;
  TCheckBox* CB_En_Con;
  TCheckBox* CB_Update;
  TLbButton* Btn_Check_Update;
  TLinkLabel* LL_Check_Update;
  TCheckBox* CB_Soft_Set_Jump_Table;
  TCheckBox* CB_DoubleClick_Auto_Size;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;

private:
  void CreateControls();
  void CreateLanguagePage();
  void CreateConnectionPage();
  void CreateSettingsPage();
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  int Page_Count() const;
  // The slot (0 to 5) whose picture or label is `Sender`, or -1.
  int Slot_Of(TObject* Sender) const;
  void Show_Flag(int slot, const QString& language);
  std::array<TImage*, SlotCount> Slot_Pictures() const { return {I_L1, I_L2, I_L3, I_L4, I_L5, I_L6}; }
  std::array<TLabel*, SlotCount> Slot_Labels() const { return {L_L1, L_L2, L_L3, L_L4, L_L5, L_L6}; }
};

extern TFSoftOptions* FSoftOptions;
