// OPC UA code tables both ways, and the node identifier text of scanned records.
#include "common/UOpcUa_Codes.h"

#include "platform/SysUtils.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

struct NameCase {
  int Code;
  const char* Name;
};

struct CodeCase {
  const char* Text;
  int Code;
};

void ExpectNames(QString (*name)(int), std::initializer_list<NameCase> cases) {
  for (const NameCase& c : cases) EXPECT_EQ(name(c.Code), QString::fromLatin1(c.Name)) << c.Code;
}

void ExpectCodes(int (*code)(const QString&), std::initializer_list<CodeCase> cases) {
  for (const CodeCase& c : cases) EXPECT_EQ(code(QString::fromLatin1(c.Text)), c.Code) << c.Text;
}

TEST(UOpcUa_Codes, IdentifierTypeIgnoresCaseOnlyOnTheWayBack) {
  ExpectNames(OpcUaIdTypeName, {{0, "Numeric"},
                                {3, "String"},
                                {4, "Guid"},
                                {5, "ByteString"},
                                {1, ""},
                                {2, ""},
                                {6, ""},
                                {-1, ""},
                                {INT_MAX, ""}});
  ExpectCodes(OpcUaIdTypeCode, {{"Numeric", 0},
                                {"String", 3},
                                {"Guid", 4},
                                {"ByteString", 5},
                                {"guid", 4},
                                {"BYTESTRING", 5},
                                {"string", 3},
                                {"Opaque", 0},
                                {"", 0},
                                {" Guid", 0}});
}

TEST(UOpcUa_Codes, DataTypeNames) {
  ExpectNames(OpcUaDataTypeName, {{0, "Boolean"},
                                  {1, "Int8"},
                                  {2, "UInt8"},
                                  {3, "Int16"},
                                  {4, "UInt16"},
                                  {5, "Int32"},
                                  {6, "UInt32"},
                                  {7, "Int64"},
                                  {8, "UInt64"},
                                  {9, "Float"},
                                  {10, "Double"},
                                  {11, "String"},
                                  {12, "DateTime"},
                                  {13, "Guid"},
                                  {14, "ByteString"},
                                  {15, ""},
                                  {-1, ""},
                                  {INT_MIN, ""}});
}

TEST(UOpcUa_Codes, AuthenticationFallsBackToCertificate) {
  ExpectNames(
      OpcUaAuthName,
      {{0, "Anonymous"}, {1, "Username and Password"}, {2, "Certificate"}, {3, "Certificate"}, {-1, "Certificate"}});
  ExpectCodes(OpcUaAuthCode, {{"Anonymous", 0},
                              {"Username and Password", 1},
                              {"Certificate", 2},
                              {"anonymous", 2},
                              {"", 2},
                              {"Anonymous ", 2}});
}

TEST(UOpcUa_Codes, SecurityModeFallsBackToSignAndEncrypt) {
  ExpectNames(OpcUaSecurityModeName,
              {{0, "None"}, {1, "Sign"}, {2, "Sign and Encrypt"}, {7, "Sign and Encrypt"}, {-1, "Sign and Encrypt"}});
  ExpectCodes(OpcUaSecurityModeCode, {{"None", 0}, {"Sign", 1}, {"Sign and Encrypt", 2}, {"none", 2}, {"", 2}});
}

TEST(UOpcUa_Codes, SecurityPolicyFallsBackToTheLastPolicy) {
  ExpectNames(OpcUaSecurityPolicyName, {{0, "None"},
                                        {1, "Basic 128 RSA 15"},
                                        {2, "Basic 256"},
                                        {3, "Basic 256 SHA 256"},
                                        {4, "AES 128 SHA 256 RSA OAEP"},
                                        {5, "AES 256 SHA 256 RSA PSS"},
                                        {6, "AES 256 SHA 256 RSA PSS"},
                                        {-1, "AES 256 SHA 256 RSA PSS"}});
  ExpectCodes(OpcUaSecurityPolicyCode, {{"None", 0},
                                        {"Basic 128 RSA 15", 1},
                                        {"Basic 256", 2},
                                        {"Basic 256 SHA 256", 3},
                                        {"AES 128 SHA 256 RSA OAEP", 4},
                                        {"AES 256 SHA 256 RSA PSS", 5},
                                        {"none", 5},
                                        {"", 5}});
}

TEST(UOpcUa_Codes, EveryNameReadsBackToItsCode) {
  for (const TOpcUaCodeText& e : OpcUaAuthTable) EXPECT_EQ(OpcUaAuthCode(OpcUaAuthName(e.Code)), e.Code);
  for (const TOpcUaCodeText& e : OpcUaSecurityModeTable)
    EXPECT_EQ(OpcUaSecurityModeCode(OpcUaSecurityModeName(e.Code)), e.Code);
  for (const TOpcUaCodeText& e : OpcUaSecurityPolicyTable)
    EXPECT_EQ(OpcUaSecurityPolicyCode(OpcUaSecurityPolicyName(e.Code)), e.Code);
  for (const TOpcUaCodeText& e : OpcUaIdTypeTable) EXPECT_EQ(OpcUaIdTypeCode(OpcUaIdTypeName(e.Code)), e.Code);
}

opcua_structure Variable(uint16_t identifierType) {
  opcua_structure v;
  std::memset(&v, 0, sizeof v);
  v.identifierType = identifierType;
  return v;
}

TEST(UOpcUa_Codes, NodeIdTextByIdentifierType) {
  opcua_structure numeric = Variable(0);
  numeric.numeric = 4294967295u;
  EXPECT_EQ(OpcUaNodeIdText(numeric), "4294967295");

  opcua_structure guid = Variable(4);
  guid.guide1 = 43981;
  guid.guide2 = 18;
  guid.guide3 = 15;
  for (uint8_t i = 0; i < 8; ++i) guid.guide4[i] = uint8_t(i + 1);
  EXPECT_EQ(OpcUaNodeIdText(guid), "0000ABCD-0012-000F-0102-030405060708");
  guid.guide1 = 0xFFFFFFFF;
  guid.guide2 = guid.guide3 = 0xFFFF;
  std::memset(guid.guide4, 0xFF, sizeof guid.guide4);
  EXPECT_EQ(OpcUaNodeIdText(guid), "FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF");

  // Texts come in the ANSI code page; the length fields are not what ends them.
  const char name[] = "Temp\xe9rature\x80";
  opcua_structure text = Variable(3);
  text.stringname = name;
  text.stringLength = 2;
  EXPECT_EQ(OpcUaNodeIdText(text), QString::fromUtf8("Temp\u00e9rature\u20ac"));

  opcua_structure bytes = Variable(5);
  bytes.byteString = "AQID";
  bytes.stringname = "not this one";
  EXPECT_EQ(OpcUaNodeIdText(bytes), "AQID");

  EXPECT_EQ(OpcUaNodeIdText(Variable(3)), "");  // a record the library left without a text
  EXPECT_EQ(OpcUaNodeIdText(Variable(5)), "");
  for (uint16_t other : {1, 2, 6, 65535}) EXPECT_EQ(OpcUaNodeIdText(Variable(other)), "") << other;
}

}  // namespace
