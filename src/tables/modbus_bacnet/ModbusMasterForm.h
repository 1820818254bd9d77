// What the serial and the TCP Modbus master editors share: a read table of
// requests whose data go to the input byte area, a write table of requests
// whose data come from the output byte area, each on its page, one file with
// the sections "Modbus_Read" and "Modbus_Write", and one rule chain whose
// columns and texts each editor names.
#pragma once

#include "common/tables/TableEditorForm.h"
#include "platform/Classes.h"
#include "tables/modbus_bacnet/TableColumns.h"

#include <QString>

#include <span>

class TPageControl;
class TPlexColumnGrid;
class TTabSheet;

// The real columns a table's rules read and the texts they show; -1 where the
// table has no such column.
struct TModbusTableRules {
  int IPAddress = -1, Port = -1, SlaveID, Type, Address, NPoint, PollTime, MaxError, Position, Bit, Topic = -1;
  // In a read table Input Status is a bit rule too.
  bool Read = true;
  int RegisterLimit, BitLimit;
  int PollMin;
  int TextIP = 0, TextPort = 0, TextSlaveID, TextType, TextAddress, TextNPoint, TextPollTime, TextMaxError,
      TextPosition, TextBit, TextLastByte, TextTopic = 0;
};

struct TModbusTableSetup {
  std::span<const TTableColumn> Columns;
  std::span<const TTableFileColumn> FileColumns;
  std::span<const int> Hints;
  int PageCaption;
  const TModbusTableRules* Rules;
};

// The position of the first entry equal to Topic (case counts), -1 when none.
int TopicIndex(const TStringList& Topics, const QString& Topic);

class TModbusMasterForm : public TTableEditorForm {
public:
  static constexpr int Rows = 513;
  static constexpr int AreaBytes = 1500;

  TModbusMasterForm(TComponent* AOwner, const TTableEditorSetup& Setup, const TModbusTableSetup& Read,
                    const TModbusTableSetup& Write);

  void Set_Lang() override;
  void FormShow(TObject* Sender);

  // The text of entry Index of List_Publish_Topic, empty outside the list.
  QString Get_Topic_From_Index(int Index) const;
  // Register or bit rule and the last byte a rule of the table uses.
  bool IsRegisterRule(int Table, int ARow) const;
  qint64 LastByteUsed(int Table, int ARow) const;

  TPageControl* PageControl1;
  TTabSheet* TS_Modbus_Read;
  TTabSheet* TS_Modbus_Write;
  TPlexColumnGrid* PCG_Modbus_Read;
  TPlexColumnGrid* PCG_Modbus_Write;
  TStringList* Hint_Modbus_Set_Access_Read() const { return HintLists.at(0).get(); }
  TStringList* Hint_Modbus_Set_Access_Write() const { return HintLists.at(1).get(); }
  bool Do_Copy_In_Read() const { return Do_Copy.at(0); }
  bool Do_Copy_In_Write() const { return Do_Copy.at(1); }
  // Nothing in the system fills it; a Topic cell is matched through it.
  TStringList List_Publish_Topic;
  int NByte_IN = AreaBytes;
  int NByte_OUT = AreaBytes;

protected:
  void Init_Tables() override;
  void FillPositionLists() override;
  bool CheckRow(int Table, int ARow) override;
  // A TCP table's key is the slave's address: true when it is not one.
  virtual bool InvalidAddress(const QString&) const { return false; }
  // The read table's Index_Topic as the file holds it, and back into the Topic cell.
  virtual QString TopicToFile(int ARow) const = 0;
  virtual void TopicFromFile(int ARow, const QString& Value) = 0;
  const TModbusTableRules& Rules(int Table) const { return *FTables[Table].Rules; }
  TPlexColumnGrid* ColumnGrid(int Table) const { return Table == 0 ? PCG_Modbus_Read : PCG_Modbus_Write; }

private:
  bool CheckArea(int Table, int ARow, int AreaSize);
  QString Cell(int Table, int ACol, int ARow) const;

  TModbusTableSetup FTables[2];
};
