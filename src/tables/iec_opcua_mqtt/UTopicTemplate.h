// The dialog of the MQTT editor that edits a topic or a message template in a
// larger text box, beside the legend of the keywords a template may use.
#pragma once

#include "platform/Forms.h"

class TLabel;
class TLbButton;
class TMemo;
class TPanel;
class TPlexStringGrid;
class TSplitter;

class TFTopicTemplate : public TForm {
public:
  explicit TFTopicTemplate(TComponent* AOwner);

  void Set_Lang();
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  // Fills the legend: the header row and one row per keyword (none in this
  // system, so one empty row whose description is read-only).
  void Laod_Keywords();

  // Non-zero: the dialog edits a template; 0: a topic.
  int TopicTemplate = 0;
  int Working_Mode = 0;
  // 0 the call came from the publish table, 1 from the subscribe table.
  int Pub_Sub = 0;

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TMemo* RE_TopicTemplate;
  TSplitter* Splitter1;
  TPanel* P_Legend;
  TLabel* L_List_Keywords;
  TPlexStringGrid* PSG_Keywords;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
};

extern TFTopicTemplate* FTopicTemplate;
