// The texts that the OPC UA editors show and store for the numeric codes of the
// search library's records, and the way back from a text to its code.
#pragma once

#include "common/UOpcUa_Records.h"

#include <QString>

struct TOpcUaCodeText {
  int Code;
  const char* Text;
};

inline constexpr TOpcUaCodeText OpcUaIdTypeTable[] = {{0, "Numeric"}, {3, "String"}, {4, "Guid"}, {5, "ByteString"}};

inline constexpr TOpcUaCodeText OpcUaDataTypeTable[] = {
    {0, "Boolean"}, {1, "Int8"},    {2, "UInt8"},     {3, "Int16"},  {4, "UInt16"},
    {5, "Int32"},   {6, "UInt32"},  {7, "Int64"},     {8, "UInt64"}, {9, "Float"},
    {10, "Double"}, {11, "String"}, {12, "DateTime"}, {13, "Guid"},  {14, "ByteString"}};

inline constexpr TOpcUaCodeText OpcUaAuthTable[] = {{0, "Anonymous"}, {1, "Username and Password"}, {2, "Certificate"}};

inline constexpr TOpcUaCodeText OpcUaSecurityModeTable[] = {{0, "None"}, {1, "Sign"}, {2, "Sign and Encrypt"}};

inline constexpr TOpcUaCodeText OpcUaSecurityPolicyTable[] = {{0, "None"},
                                                              {1, "Basic 128 RSA 15"},
                                                              {2, "Basic 256"},
                                                              {3, "Basic 256 SHA 256"},
                                                              {4, "AES 128 SHA 256 RSA OAEP"},
                                                              {5, "AES 256 SHA 256 RSA PSS"}};

// Node identifier type: unknown codes give an empty text, unknown texts 0.
// The only lookup here that ignores letter case.
QString OpcUaIdTypeName(int code);
int OpcUaIdTypeCode(const QString& text);

// The node identifier of a scanned variable as the editor shows it.
QString OpcUaNodeIdText(const opcua_structure& variable);

// Data type: unknown codes give an empty text.
QString OpcUaDataTypeName(int code);

// The remaining lookups compare exactly; anything unknown maps to the last
// entry of the table ("Certificate", "Sign and Encrypt", "AES 256 SHA 256 RSA PSS").
QString OpcUaAuthName(int code);
int OpcUaAuthCode(const QString& text);
QString OpcUaSecurityModeName(int code);
int OpcUaSecurityModeCode(const QString& text);
QString OpcUaSecurityPolicyName(int code);
int OpcUaSecurityPolicyCode(const QString& text);
