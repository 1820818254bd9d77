#include "common/UOpcUa_Codes.h"

#include "platform/SysUtils.h"

#include <QByteArray>

#include <span>

namespace {

constexpr int IdTypeNumeric = 0;
constexpr int IdTypeString = 3;
constexpr int IdTypeGuid = 4;
constexpr int IdTypeByteString = 5;

const TOpcUaCodeText* FindCode(std::span<const TOpcUaCodeText> table, int code) {
  for (const TOpcUaCodeText& entry : table)
    if (entry.Code == code) return &entry;
  return nullptr;
}

// The text of `code`, or the table's last text for any code it lacks.
QString NameOrLast(std::span<const TOpcUaCodeText> table, int code) {
  const TOpcUaCodeText* entry = FindCode(table, code);
  return QString::fromLatin1(entry ? entry->Text : table.back().Text);
}

QString NameOrEmpty(std::span<const TOpcUaCodeText> table, int code) {
  const TOpcUaCodeText* entry = FindCode(table, code);
  return entry ? QString::fromLatin1(entry->Text) : QString();
}

// The code of `text` compared exactly, or the table's last code.
int CodeOrLast(std::span<const TOpcUaCodeText> table, const QString& text) {
  for (const TOpcUaCodeText& entry : table)
    if (text == QLatin1String(entry.Text)) return entry.Code;
  return table.back().Code;
}

QString AnsiText(const char* text) { return text ? AnsiToUnicode(QByteArray(text)) : QString(); }

QString Hex(uint32_t value, int digits) { return QString::number(value, 16).toUpper().rightJustified(digits, '0'); }

QString GuidText(const opcua_structure& v) {
  QString text = Hex(v.guide1, 8) + '-' + Hex(v.guide2, 4) + '-' + Hex(v.guide3, 4) + '-';
  for (int i = 0; i < 8; ++i) {
    if (i == 2) text += '-';
    text += Hex(v.guide4[i], 2);
  }
  return text;
}

}  // namespace

QString OpcUaIdTypeName(int code) { return NameOrEmpty(OpcUaIdTypeTable, code); }

int OpcUaIdTypeCode(const QString& text) {
  const QString upper = UpperCase(text);
  for (const TOpcUaCodeText& entry : OpcUaIdTypeTable)
    if (upper == UpperCase(QLatin1String(entry.Text))) return entry.Code;
  return IdTypeNumeric;
}

QString OpcUaNodeIdText(const opcua_structure& variable) {
  switch (variable.identifierType) {
    case IdTypeNumeric: return QString::number(variable.numeric);
    case IdTypeString: return AnsiText(variable.stringname);
    case IdTypeGuid: return GuidText(variable);
    case IdTypeByteString: return AnsiText(variable.byteString);
    default: return QString();
  }
}

QString OpcUaDataTypeName(int code) { return NameOrEmpty(OpcUaDataTypeTable, code); }

QString OpcUaAuthName(int code) { return NameOrLast(OpcUaAuthTable, code); }
int OpcUaAuthCode(const QString& text) { return CodeOrLast(OpcUaAuthTable, text); }
QString OpcUaSecurityModeName(int code) { return NameOrLast(OpcUaSecurityModeTable, code); }
int OpcUaSecurityModeCode(const QString& text) { return CodeOrLast(OpcUaSecurityModeTable, text); }
QString OpcUaSecurityPolicyName(int code) { return NameOrLast(OpcUaSecurityPolicyTable, code); }
int OpcUaSecurityPolicyCode(const QString& text) { return CodeOrLast(OpcUaSecurityPolicyTable, text); }
