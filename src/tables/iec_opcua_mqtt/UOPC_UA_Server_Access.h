// The variables the gateway publishes as an OPC UA server (OPC_UA_Server.xml):
// a string grid with check-box graphics whose Length follows the data type.
#pragma once

#include "common/tables/TableEditorForm.h"
#include "grid/foundation/CellProperties.h"
#include "platform/Classes.h"

class TFOPC_UA_Server_Access : public TTableEditorForm {
public:
  explicit TFOPC_UA_Server_Access(TComponent* AOwner);

  void Set_Lang() override;
  bool Controllo_Dati() override;

  // The handlers, public so the tests reach them as the main window would.
  void FormShow(TObject* Sender);
  void PSGGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
  void PSGComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection);
  void Btn_PasteRowClick(TObject* Sender);
  // Sets the row's Length and its read-only flag by the data type; an empty
  // R/W cell becomes "Read/Write". With KeepFreeLength a String or ByteString
  // row keeps the Length it has.
  void VarSetLength(const QString& Type, int ARow, bool KeepFreeLength = false);

  TPlexStringGrid* PSG;
  TStringList VarType;
  TStringList RWType;
  TStringList StartBitType;

protected:
  void Init_Tables() override;
  QString DeleteQuestion(int ARow) const override;

private:
  void Init_Table();
};

extern TFOPC_UA_Server_Access* FOPC_UA_Server_Access;
