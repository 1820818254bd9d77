#include "common/UShared_Functions.h"

#include "platform/SerialPorts.h"
#include "platform/SysUtils.h"

#include <cmath>
#include <limits>

namespace {

bool IsOctet(int value) { return value >= 0 && value <= 255; }

// Splits `rest` at its first "." into a trimmed part and a trimmed rest.
bool SplitOffTrimmed(QString& rest, QString& part) {
  const int dot = rest.indexOf('.');
  if (dot < 0) return false;
  part = Trim(rest.left(dot));
  rest = Trim(rest.mid(dot + 1));
  return true;
}

}  // namespace

bool SplitIpAddress(const QString& text, QString& octet1, QString& octet2, QString& octet3, QString& octet4) {
  QString rest = Trim(text);
  if (!SplitOffTrimmed(rest, octet1)) return false;
  if (!SplitOffTrimmed(rest, octet2)) return false;
  if (!SplitOffTrimmed(rest, octet3)) return false;
  octet4 = rest;
  for (const QString* octet : {&octet1, &octet2, &octet3, &octet4})
    if (!IsOctet(StrToIntDef(*octet, 1000))) return false;
  return true;
}

bool ParseIpAddressBytes(const QString& text, uint8_t& octet1, uint8_t& octet2, uint8_t& octet3, uint8_t& octet4) {
  if (text.isEmpty()) return true;
  uint8_t* outputs[4] = {&octet1, &octet2, &octet3, &octet4};
  bool error = false;
  QString rest = text;
  for (int k = 0; k < 4; ++k) {
    // No trimming here: a blank after a number makes that octet invalid.
    const int dot = rest.indexOf('.');
    const QString part = k == 3 ? rest : (dot < 0 ? QString() : rest.left(dot));
    const int value = StrToIntDef(part, -1);
    if (IsOctet(value)) {
      *outputs[k] = uint8_t(value);
    } else {
      *outputs[k] = 0;
      error = true;
    }
    if (dot >= 0) rest = rest.mid(dot + 1);
  }
  return error;
}

bool ParseIpEndpoint(const QString& text, uint8_t& octet1, uint8_t& octet2, uint8_t& octet3, uint8_t& octet4,
                     uint16_t& port) {
  octet1 = octet2 = octet3 = octet4 = 0;
  port = 0;
  if (text.isEmpty() || !text.contains('.')) return false;
  int values[4] = {};
  QString rest = text;
  for (int k = 0; k < 3; ++k) {
    QString part;
    if (!SplitOffTrimmed(rest, part)) return false;
    values[k] = StrToIntDef(part, -1);
    if (!IsOctet(values[k])) return false;
  }
  const int colon = rest.indexOf(':');
  if (colon < 0) return false;
  values[3] = StrToIntDef(Trim(rest.left(colon)), -1);
  const int portValue = StrToIntDef(Trim(rest.mid(colon + 1)), -1);
  if (!IsOctet(values[3]) || portValue < 0 || portValue > 65535) return false;
  octet1 = uint8_t(values[0]);
  octet2 = uint8_t(values[1]);
  octet3 = uint8_t(values[2]);
  octet4 = uint8_t(values[3]);
  port = uint16_t(portValue);
  return true;
}

std::unique_ptr<TStringList> ListSerialPorts() {
  auto ports = std::make_unique<TStringList>();
  for (const QString& path : FindSerialPorts()) ports->Add(path);
  return ports;
}

int GetModelProtocolNames(QString& side1, QString& side2) {
  side1 = QStringLiteral("Modbus TCP Slave");
  side2.clear();
  return 1;
}

QChar GetDecimalSeparator() {
  const QChar separator = FormatSettings().DecimalSeparator;
  return separator == '.' ? QChar('.') : QChar(',');
}

bool TextToFloat(const QString& text, QChar separator, float& value) {
  QString normalised = text;
  if (separator == '.')
    normalised.replace(',', '.');
  else
    normalised.replace('.', ',');
  double converted = 0;
  // A number beyond the single-precision range is no value the callers can store.
  if (!TryStrToFloat(normalised, converted) || std::fabs(converted) > double(std::numeric_limits<float>::max())) {
    value = 1.0f;
    return false;
  }
  value = float(converted);
  return true;
}
