// The IEC 61850 client editor: the project's catalog of SCL files, the object
// tree of one catalogued device, and the attributes and data sets the gateway
// takes from the servers, kept in IEC_61850_Client.xml.
#pragma once

#include "platform/Forms.h"
#include "tables/iec_opcua_mqtt/UIEC_Client_File.h"

#include <QChar>
#include <QString>

#include <memory>

class TImageList;
class TLabel;
class TLbButton;
class TListBox;
class TOpenDialog;
class TPageControl;
class TPanel;
class TPlexColumnGrid;
class TPlexStringGrid;
class TSplitter;
class TStringList;
class TTabSheet;
class TTreeNode;
class TTreeView;

class TFIEC_61850_Access : public TForm {
public:
  explicit TFIEC_61850_Access(TComponent* AOwner);
  ~TFIEC_61850_Access() override;

  // Puts the form's texts from its block of LanguageTexts; the main window
  // calls it again when the user changes the language.
  void Set_Lang();
  bool Controllo_dati();

  // The handlers, public so the main window's road and the tests reach them.
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Btn_OKClick(TObject* Sender);
  void Btn_Add_IEC_DeviceClick(TObject* Sender);
  void Btn_Remove_IEC_DeviceClick(TObject* Sender);
  void LB_IEC_DevicesClick(TObject* Sender);
  void TV_IEC_DeviceClick(TObject* Sender);
  void TV_IEC_DeviceCustomDrawItem(TObject* Sender, TTreeNode* Node, TColor& FontColor);
  void Btn_AddVarClick(TObject* Sender);
  void Btn_RemoveVarClick(TObject* Sender);
  void ClickCell(TObject* Sender, int ARow, int ACol);
  void PCG_DADblClickCell(TObject* Sender, int ARow, int ACol);
  void PCG_DAKeyPress(TObject* Sender, QChar& Key);
  void PCG_DAGridHint(TObject* Sender, int ARow, int ACol, QString& HintStr);
  void PCG_DS_VarsSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void PCG_DS_VarsEditCellDone(TObject* Sender, int ACol, int ARow);
  void Show_DataSet_DAs();
  void Show_IEC_Devices();

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
  TLbButton* Btn_AddVar;
  TLbButton* Btn_RemoveVar;
  TLbButton* Btn_MoveUp;
  TLbButton* Btn_ModeDown;
  TPanel* PDevIEC;
  TPanel* PDevIECList;
  TLbButton* Btn_Add_IEC_Device;
  TListBox* LB_IEC_Devices;
  TLbButton* Btn_Remove_IEC_Device;
  TSplitter* Splitter2;
  TPanel* PDevIECTree;
  TTreeView* TV_IEC_Device;
  TSplitter* Splitter1;
  TPanel* PTable;
  TPageControl* PC_DA_DataSet;
  TTabSheet* TS_DA;
  TTabSheet* TS_DataSet;
  TPlexColumnGrid* PCG_DA;
  TPanel* P_DataSet_List;
  TPlexColumnGrid* PCG_DataSet;
  TSplitter* Splitter3;
  TPanel* P_DataSet_Vars_List;
  TPlexColumnGrid* PCG_DS_Vars;
  TOpenDialog* OD_IcdFile;
  TImageList* IL_IEC;

  // The catalog and the chosen data sets; its row lists are filled from the
  // grids only while the file is written.
  TIecClientData Data;
  TTreeNode* NODE_ORIG = nullptr;
  TIEC_DA* Selected_IEC_DA = nullptr;
  TIEC_DataSet* Selected_IEC_DS = nullptr;
  std::unique_ptr<TStringList> Hint;
  // The data-set row whose members the member grid edits (0 = none).
  int DataSet_Row_Select = 0;

private:
  void CreateTitleAndButtons();
  void CreateDevicePanels();
  void CreateTablePages();
  void InitGrids();
  void ResetGrid(TPlexStringGrid* Grid);
  void FillGridsFromData();
  void ReadRowsFromGrids();
  void Set_Start_Num_Byte();
  bool RowError(int ARow, const QString& RuleText) const;
  bool CheckDaRow(int ARow, QChar Separator) const;

  void ClearTree();
  void Show_Tree_IEC_Device(TIEC_Device& Device);
  TIEC_DA* Search_Node_Selected(const TIEC_Device& Device, const TTreeNode* Node) const;
  TIEC_DataSet* Search_Node_Selected_DataSet(const TIEC_Device& Device, const TTreeNode* Node) const;
  // Row r of the grid for a new entry: row 1 while it is the only row and its Index is empty.
  int NewRow(TPlexStringGrid* Grid) const;
  void RemoveDaRow();
  void RemoveDataSetRow();
  // The member grid no longer shows any data set, so its edits reach none.
  void ForgetShownMembers();

  // The catalog index of the device whose tree is shown (-1: none), and of the
  // device that holds the picked attribute or data set.
  int FTreeDevice = -1;
  int FPickedDevice = -1;
  // The data-set row whose members the member grid shows (0 = none).
  int FShownDataSetRow = 0;
};

extern TFIEC_61850_Access* FIEC_61850_Access;
