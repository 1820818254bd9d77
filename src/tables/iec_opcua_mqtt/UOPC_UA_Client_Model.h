// The remote OPC UA servers of the client editor and the variables read from
// and written to each, with the file OPC_UA_Client.xml that keeps them.
#pragma once

#include "platform/Classes.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class TOPC_UA_Variable : public TObject {
public:
  TOPC_UA_Variable() = default;

  // Identifier kind as text; an unknown text makes the variable numeric.
  QString NodeType() const;
  void SetNodeType(const QString& value);
  // Identifier as text, parsed by the kind in force: set NodeType first.
  QString NodeID() const;
  void SetNodeID(const QString& value);
  // Data type as text; a code outside 1..14 reads "Boolean".
  QString VarType() const;
  void SetVarType(const QString& value);

  bool Enable = false;
  QString DispalyName;
  QString ReadWrite;
  QString OnChange;
  QString OnCMD;
  QString OnTimer;
  QString VarArray;
  QString Start;
  QString Len;
  QString Time;
  QString Position;
  QString Mnemonic;

  uint16_t nameSpaceIndex = 0;
  uint16_t identifierType = 0;
  uint32_t numeric = 0;
  QString stringname;
  uint32_t guide1 = 0;
  uint16_t guide2 = 0;
  uint16_t guide3 = 0;
  uint8_t guide4[8] = {};
  QString byteString;
  int32_t dataType = 0;
};

using TOPC_UA_Variable_List = std::vector<std::unique_ptr<TOPC_UA_Variable>>;

class TOPC_UA_Server : public TObject {
public:
  TOPC_UA_Server() = default;
  // The read variables go first, each list from its last entry to its first.
  ~TOPC_UA_Server() override;

  bool Enable = false;
  QString ServerAddress;
  QString Authorization;
  QString UserName;
  QString Password;
  QString Certificate;
  QString PrivateKey;
  QString SecurityType;
  QString SecurityPolicy;
  QString Mnemonic;

  TOPC_UA_Variable_List Var_List_R;
  TOPC_UA_Variable_List Var_List_W;
};

using TOPC_UA_Server_List = std::vector<std::unique_ptr<TOPC_UA_Server>>;

// Empties the list and fills it from the file; a missing file leaves it empty,
// a missing element reads as empty and a missing attribute as "".
void LoadOPCUAClientFile(const QString& path, TOPC_UA_Server_List& servers);
// Writes the file whole or not at all; false when it could not be written.
bool WriteOPCUAClientFile(const QString& path, const TOPC_UA_Server_List& servers);
