#include "lorawan/LoRaWANRecords.h"

#include "platform/SysUtils.h"

namespace {

constexpr uint8_t Fallback = 0xFF;

struct TRX2Row {
  const char* Text;
  std::array<uint8_t, 4> IndexByBand;  // EU868, US915, KR920, AS923
};

constexpr TRX2Row RX2Table[] = {
    {"SF12BW125", {0, Fallback, 0, 0}},
    {"SF11BW125", {1, Fallback, 1, 1}},
    {"SF10BW125", {2, Fallback, 2, 2}},
    {"SF9BW125", {3, Fallback, 3, 3}},
    {"SF8BW125", {4, Fallback, 4, 4}},
    {"SF7BW125", {5, Fallback, 5, 5}},
    {"SF7BW250", {6, Fallback, Fallback, Fallback}},
    {"SF12BW500", {Fallback, 8, Fallback, Fallback}},
    {"SF11BW500", {Fallback, 9, Fallback, Fallback}},
    {"SF10BW500", {Fallback, 10, Fallback, Fallback}},
    {"SF9BW500", {Fallback, 11, Fallback, Fallback}},
    {"SF8BW500", {Fallback, 12, Fallback, Fallback}},
    {"SF7BW500", {Fallback, 13, Fallback, Fallback}},
};

int HexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}

// A pair is read as "0x" followed by the two characters; the common integer
// conversion accepts that only when both are hexadecimal digits.
uint8_t HexPair(QChar high, QChar low) {
  const int h = HexDigit(high), l = HexDigit(low);
  return (h < 0 || l < 0) ? 0 : uint8_t(h * 16 + l);
}

}  // namespace

void TLoRaWAN_Device::WriteTo(TImageWriter& w) const {
  w.Bytes(DevEUI.data(), 8);
  w.Bytes(JoinEUI.data(), 8);
  w.Bytes(DevNAME.data(), 16);
  w.Bytes(NwkSKey.data(), 16);
  w.Bytes(AppSKey.data(), 16);
  w.Bytes(AppKey.data(), 16);
  w.Bytes(DevADDR.data(), 4);
  w.U32(options);
  w.U32(timeout);
  w.U8(DL_settings);
  w.U8(0);
  w.U16(0);
}

void TLoRaWAN_Rule::WriteTo(TImageWriter& w) const {
  w.U16(num_device);
  w.U16(port);
  w.U16(start_test);
  w.U16(len_test);
  w.U32(data_test_add);
  w.U32(time_poll);
  w.U16(byte_offset_frame);
  w.U16(byte_offset_memory);
  w.U16(num_bytes);
  w.U16(options);
}

void TLoRaWAN_Infos::WriteHeaderTo(TImageWriter& w) const {
  w.U32(Num_Devices);
  w.U32(Num_Rules);
  w.U32(Address_DevList);
  w.U32(Address_RuleList);
  w.U32(Address_ConfFile);
  w.U32(opzioni_funzionamento);
  w.U8(RF_Band);
  w.U8(DataRate);
  w.U8(Adaptive_DataRate);
  w.U8(Transmission_Type);
  w.U32(position_diagnostic);
  w.U8(Freq_SubBand);
  w.U8(0);
  w.U16(0);
}

bool HexTextToField(const QString& text, uint8_t* field, int size, THexOrder order) {
  const QString digits = Trim(text);
  const int width = 2 * size;
  if (digits.size() > width) return false;
  const QString padded = QString(width - digits.size(), QChar('0')) + digits;
  for (int i = 0; i < size; ++i) {
    const uint8_t b = HexPair(padded[2 * i], padded[2 * i + 1]);
    field[order == THexOrder::Reversed ? size - 1 - i : i] = b;
  }
  return true;
}

QByteArray TestValueBytes(const QString& text, bool hex) {
  QByteArray bytes;
  if (!hex) {
    bytes.reserve(text.size());
    for (QChar c : text) bytes.append(char(uint8_t(c.unicode())));
    return bytes;
  }
  QString digits = Trim(text);
  if (digits.size() % 2 != 0) digits.prepend(QChar('0'));
  bytes.reserve(digits.size() / 2);
  for (int i = 0; i < digits.size(); i += 2) bytes.append(char(HexPair(digits[i], digits[i + 1])));
  return bytes;
}

bool IsOverTheAirActivation(const QString& method) {
  return UpperCase(Trim(method)) == QLatin1String("OVER-THE-AIR ACTIVATION [OTAA]");
}

uint8_t RX2_DataRate_Index(const QString& text, int rfBand, uint8_t fallback) {
  const QString key = UpperCase(Trim(text));
  const int column = (rfBand >= rfEU868 && rfBand <= rfAS923) ? rfBand : rfEU868;
  for (const TRX2Row& row : RX2Table) {
    if (key != QLatin1String(row.Text)) continue;
    const uint8_t index = row.IndexByBand[size_t(column)];
    return index == Fallback ? fallback : index;
  }
  return fallback;
}
