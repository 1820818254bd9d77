// The positions in the gateway's data area of each input and output byte of
// each DeviceNet slave (DNETM_DefOff.xml). The slaves come from the slave
// list's file; their bytes live in TSlave_DN objects while the form is open,
// and the file is written from those objects, matched to the slaves by position.
#pragma once

#include "common/tables/TableEditorForm.h"
#include "platform/Classes.h"

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class TLabel;
class TPageControl;
class TPanel;
class TPlexColumnGrid;
class TSplitter;
class TTabSheet;
class TXmlNode;

// One slave and the texts of its bytes: a position ("None" or a number) and a description each.
class TSlave_DN {
public:
  uint8_t ID = 0;
  uint16_t ByteIN = 0;
  uint16_t ByteOUT = 0;
  TStringList SL_ByteIN;
  TStringList SL_ByteIN_M;
  TStringList SL_ByteOUT;
  TStringList SL_ByteOUT_M;
};

class TFDefOffset : public TTableEditorForm {
public:
  explicit TFDefOffset(TComponent* AOwner);
  ~TFDefOffset() override;

  void Set_Lang() override;

  // The handlers and steps, public so the tests reach them.
  void FormShow(TObject* Sender);
  void Load_Slave_DN();
  void Load_Offset_Slave_DN();
  void Select_First();
  void PCG_DN_SlavesClick(TObject* Sender);
  bool Save_Data_ByteIN_ByteOUT();
  void Update_Slave_DN();
  void Reset_Array_Check();
  bool Check_Data();
  bool Save_Offset_Slave_DN();
  void bitbtn1Click(TObject* Sender);

  TPanel* Panel1;
  TLabel* Label1;
  TPlexColumnGrid* PCG_DN_Slaves;
  TSplitter* Splitter1;
  TPanel* Panel3;
  TLabel* Label2;
  TLabel* Label3;
  TPageControl* PageControl1;
  TTabSheet* TabSheet1;
  TTabSheet* TabSheet2;
  TPlexColumnGrid* PCG_ByteIN;
  TPlexColumnGrid* PCG_ByteOUT;

  std::vector<std::unique_ptr<TSlave_DN>> List_Slaves_DN;
  // The slave whose bytes the byte grids show, -1 for none.
  int Slave_Before_Select = -1;
  int MAX_BYTE_IN = 1440;
  int MAX_BYTE_OUT = 1440;
  // Per position of the data area: the slave ID and byte that use it, (-1, -1) when free.
  std::array<std::pair<int, int>, 1440> Check_Byte_Offset{};

private:
  void CreateLayout();
  void SelectSlaveRow(int ARow);
  void ShowSlaveOfRow(int ARow);
  void InitGrids();
  void ShowBytes(TPlexColumnGrid* Grid, int Count, const TStringList& Offsets, const TStringList& Notes);
  static void StoreBytes(TPlexColumnGrid* Grid, TStringList& Offsets, TStringList& Notes);
  bool LoadOffsets(const TXmlNode& Node, int Count, TStringList& Offsets, TStringList& Notes);
  bool OffsetError(int TextId, const QString& Details) const;
};

extern TFDefOffset* FDefOffset;
