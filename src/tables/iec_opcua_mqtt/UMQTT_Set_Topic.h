// The MQTT topics of the gateway (MQTT_Set_Topic.xml): published topics on one
// page, subscribed topics on the other, each with its options, data type,
// position and message template; a double click on a Template cell edits it in
// the template dialog.
#pragma once

#include "common/tables/TableEditorForm.h"

class TFTopicTemplate;
class TPlexColumnGrid;

class TFMQTT_Set_Topic : public TTableEditorForm {
public:
  explicit TFMQTT_Set_Topic(TComponent* AOwner);
  ~TFMQTT_Set_Topic() override;

  void Set_Lang() override;

  // The handlers, public so the tests reach them as the main window would.
  void FormShow(TObject* Sender);
  void PCG_MQTT_DblClickCell(TObject* Sender, int ARow, int ACol);
  // Edits one cell (real column) in the template dialog; OK writes it back.
  void Show_Form_Topic(TPlexColumnGrid* Grid, int ARow, int ACol);
  // True when the text holds an odd number of "$".
  static bool Error_In_Topic_Template(const QString& Text);

  TPageControl* PageControl1 = nullptr;
  TTabSheet* TS_MQTT_Publish = nullptr;
  TTabSheet* TS_MQTT_Subscribe = nullptr;
  TPlexColumnGrid* PCG_Pub;
  TPlexColumnGrid* PCG_Sub;
  int Byte_IN = 0;
  int Byte_OUT = 0;
  int Working_Mode = 0;

protected:
  void Init_Tables() override;
  bool CheckRow(int Table, int ARow) override;
  void SetColumnHeader(int Table, int ACol, const QString& Text) override;

private:
  TPlexColumnGrid* TableGrid(int Table) const;
  void Init_Grid(int Table);
  void ResetLoadedColumns(int Table, int Rows);
  TFTopicTemplate* TemplateDialog();

  TFTopicTemplate* FOwnDialog = nullptr;
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;
