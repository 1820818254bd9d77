// The pick list of an EDE file's objects for the BACnet client tables: which
// objects to import, to the read table, the write table or both, and the
// address (or slave ID) of the device they belong to.
#pragma once

#include "platform/Forms.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class TEdit;
class TLabel;
class TLbButton;
class TPanel;
class TPlexColumnGrid;

// One object of an EDE file, its fields in the file's column order.
class TBACnet_Var {
public:
  QString keyname;
  int device_obj_instance = -1;
  QString object_name;
  int object_type = -1;
  int object_instance = -1;
  QString description;
  QString present_value_default;
  QString min_present_value;
  QString max_present_value;
  bool commandable = false;
  bool support_COV = false;
  QString hi_limit;
  QString low_limit;
  QString stete_text_reference;
  QString unit_code;
  QString vendor_specific_address;
  bool import = false;
  bool read = false;
  bool write = false;
};

// The objects of an EDE file's lines whose types the client tables use, in
// file order.
std::vector<std::unique_ptr<TBACnet_Var>> ParseEdeLines(const QStringList& Lines);
// The number of the first data line, -1 when the file has no "# mandatory" line.
int EdeDataStart(const QStringList& Lines);

class TFImportEDEFile : public TForm {
public:
  explicit TFImportEDEFile(TComponent* AOwner);

  void Set_Lang();
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Load_EDE_File();
  void Show_Data_in_Grid();
  void Cancel_EDE_List_Vars();
  void PCGCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);
  void Btn_Select_AllClick(TObject* Sender);
  void Btn_Unselect_AllClick(TObject* Sender);
  void Btn_OKClick(TObject* Sender);

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TPanel* P_ID_IP;
  TLabel* LID_IP;
  TEdit* E_ID_IP;
  TPlexColumnGrid* PCG;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
  TLbButton* Btn_Select_All;
  TLbButton* Btn_Unselect_All;

  QString EDE_File;
  // The objects read at the last show; they stay until the next one.
  std::vector<std::unique_ptr<TBACnet_Var>> List_EDE_Var;
  int App_BACnet_Type = 0;

private:
  void SelectAll(bool Import);
};

extern TFImportEDEFile* FImportEDEFile;
