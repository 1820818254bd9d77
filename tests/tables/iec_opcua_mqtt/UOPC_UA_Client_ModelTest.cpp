// The OPC UA client model: identifier and data type texts, and the file
// written and read back unchanged.
#include "tables/iec_opcua_mqtt/UOPC_UA_Client_Model.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct TNodeCase {
  const char* Type;
  const char* Id;
  const char* TypeBack;
  const char* IdBack;
};

TEST(OPC_UA_Client_Model, NodeTextsConvertByTheKindInForce) {
  const TNodeCase cases[] = {
      {"Guid", "a1b2c3d4-e5f6-0708-090a-0b0c0d0e0f10", "Guid", "A1B2C3D4-E5F6-0708-090A-0B0C0D0E0F10"},
      {"guid", "1-2-3-0405-060708090a0b", "Guid", "00000001-0002-0003-0405-060708090A0B"},
      // More than 8 digits in the first group does not parse: every part is 0.
      {"Guid", "0123456789abcdef", "Guid", "00000000-0000-0000-0000-000000000000"},
      {"Numeric", "$FFFFFFFF", "Numeric", "4294967295"},
      {"Numeric", "4294967295", "Numeric", "4294967295"},
      {"Numeric", "2147483648", "Numeric", "2147483648"},
      {"Numeric", "4294967296", "Numeric", "0"},
      {"Numeric", "-1", "Numeric", "4294967295"},
      {"Numeric", "  42", "Numeric", "42"},
      {"Numeric", "12 ", "Numeric", "0"},
      {"Numeric", "$123456789", "Numeric", "0"},
      {"Plc", "77", "Numeric", "77"},
      {"String", "ns=2;s=Tank.Level", "String", "ns=2;s=Tank.Level"},
      {"ByteString", "AQID", "ByteString", "AQID"},
  };
  for (const TNodeCase& c : cases) {
    TOPC_UA_Variable v;
    v.SetNodeType(c.Type);
    v.SetNodeID(c.Id);
    EXPECT_EQ(v.NodeType(), c.TypeBack) << c.Type << " " << c.Id;
    EXPECT_EQ(v.NodeID(), c.IdBack) << c.Type << " " << c.Id;
  }
}

TEST(OPC_UA_Client_Model, DataTypeTexts) {
  const std::pair<const char*, const char*> cases[] = {
      {"Double", "Double"}, {"uint16", "UInt16"}, {"BYTESTRING", "ByteString"}, {"Foo", "Boolean"}, {"", "Boolean"}};
  for (const auto& [text, back] : cases) {
    TOPC_UA_Variable v;
    v.SetVarType(text);
    EXPECT_EQ(v.VarType(), back) << text;
  }
  TOPC_UA_Variable v;
  for (int code : {-1, 15, 1000}) {
    v.dataType = code;
    EXPECT_EQ(v.VarType(), "Boolean") << code;
  }
}

class OPC_UA_Client_File : public ::testing::Test {
protected:
  QString Path() const { return Dir.filePath("OPC_UA_Client.xml"); }
  QByteArray Bytes() const {
    QFile f(Path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QTemporaryDir Dir;
};

std::unique_ptr<TOPC_UA_Variable> Variable(const char* name, const char* type, const char* id, const char* flag) {
  auto v = std::make_unique<TOPC_UA_Variable>();
  v->Enable = true;
  v->DispalyName = name;
  v->SetNodeType(type);
  v->SetNodeID(id);
  v->SetVarType("Int32");
  v->nameSpaceIndex = 3;
  v->VarArray = "Array";
  v->Start = "2";
  v->Len = "4";
  v->OnChange = flag;
  v->OnCMD = "Y";
  v->OnTimer = "N";
  v->Time = "1000";
  v->Position = "10";
  v->Mnemonic = "m";
  return v;
}

TEST_F(OPC_UA_Client_File, WrittenThenReadGivesTheSameBytes) {
  TOPC_UA_Server_List servers;
  auto server = std::make_unique<TOPC_UA_Server>();
  server->Enable = true;
  server->ServerAddress = "opc.tcp://10.0.0.5:4840";
  server->Authorization = "Certificate";
  server->Certificate = "-----BEGIN-----\nAAAA\r\nBBBB";
  server->PrivateKey = "KEY1\nKEY2";
  server->SecurityType = "Sign";
  server->SecurityPolicy = "Basic 256";
  server->Var_List_R.push_back(Variable("Level", "Guid", "a1b2c3d4-e5f6-0708-090a-0b0c0d0e0f10", "Y"));
  server->Var_List_W.push_back(Variable("Pump", "Numeric", "$FFFFFFFF", "y"));
  servers.push_back(std::move(server));
  servers.push_back(std::make_unique<TOPC_UA_Server>());
  ASSERT_TRUE(WriteOPCUAClientFile(Path(), servers));
  const QByteArray first = Bytes();

  TOPC_UA_Server_List loaded;
  LoadOPCUAClientFile(Path(), loaded);
  ASSERT_EQ(loaded.size(), 2u);
  const TOPC_UA_Server& s = *loaded[0];
  EXPECT_TRUE(s.Enable);
  EXPECT_EQ(s.Certificate, "-----BEGIN-----\nAAAA\r\nBBBB");
  EXPECT_EQ(s.PrivateKey, "KEY1\nKEY2");
  ASSERT_EQ(s.Var_List_R.size(), 1u);
  EXPECT_EQ(s.Var_List_R[0]->NodeID(), "A1B2C3D4-E5F6-0708-090A-0B0C0D0E0F10");
  EXPECT_EQ(s.Var_List_R[0]->VarArray, "Array");
  EXPECT_EQ(s.Var_List_R[0]->OnChange, "Y");
  ASSERT_EQ(s.Var_List_W.size(), 1u);
  const TOPC_UA_Variable& w = *s.Var_List_W[0];
  EXPECT_EQ(w.NodeID(), "4294967295");
  EXPECT_EQ(w.OnChange, "N");
  EXPECT_EQ(w.VarArray, "Var");
  EXPECT_EQ(w.Start, "0");
  EXPECT_EQ(w.Len, "0");
  EXPECT_FALSE(loaded[1]->Enable);
  EXPECT_TRUE(loaded[1]->Var_List_R.empty());
  EXPECT_TRUE(loaded[1]->Var_List_W.empty());

  ASSERT_TRUE(WriteOPCUAClientFile(Path(), loaded));
  EXPECT_EQ(Bytes(), first);
  EXPECT_FALSE(first.contains("<!--"));
  EXPECT_TRUE(first.contains("OnChange=\"0\""));
}

TEST_F(OPC_UA_Client_File, DefaultsAndDeclaration) {
  QFile f(Path());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("<?xml version=\"1.0\"?>\n<OPC_UA_Client><OPC_UA_Server_List>"
          "<OPC_UA_Server Enable=\"true\" ServerAddress=\"a\"><OPC_UA_Variables><OPC_UA_Read_Var>"
          "<Variable Enable=\"1\" NodeType=\"Numeric\" NodeID=\"5\" OnChange=\"Y\"/></OPC_UA_Read_Var>"
          "</OPC_UA_Variables></OPC_UA_Server><OPC_UA_Server/></OPC_UA_Server_List></OPC_UA_Client>");
  f.close();
  TOPC_UA_Server_List loaded;
  LoadOPCUAClientFile(Path(), loaded);
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_FALSE(loaded[0]->Enable);
  EXPECT_EQ(loaded[0]->ServerAddress, "a");
  ASSERT_EQ(loaded[0]->Var_List_R.size(), 1u);
  const TOPC_UA_Variable& v = *loaded[0]->Var_List_R[0];
  EXPECT_TRUE(v.Enable);
  EXPECT_EQ(v.numeric, 5u);
  EXPECT_EQ(v.VarArray, "Variable");
  EXPECT_EQ(v.Start, "0");
  EXPECT_EQ(v.Len, "0");
  EXPECT_EQ(v.OnChange, "N");
  EXPECT_TRUE(loaded[1]->Var_List_R.empty());

  LoadOPCUAClientFile(Dir.filePath("missing.xml"), loaded);
  EXPECT_TRUE(loaded.empty());
}

TEST_F(OPC_UA_Client_File, UnwritableFolderReportsFailure) {
  TOPC_UA_Server_List servers;
  EXPECT_FALSE(WriteOPCUAClientFile(Dir.filePath("no/such/folder/OPC_UA_Client.xml"), servers));
}

}  // namespace
