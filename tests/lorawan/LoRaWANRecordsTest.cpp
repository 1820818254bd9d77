#include "lorawan/LoRaWANRecords.h"

#include <gtest/gtest.h>

namespace {

QByteArray Hex(const char* digits) { return QByteArray::fromHex(digits); }

template <size_t N>
QByteArray Field(const std::array<uint8_t, N>& f) {
  return QByteArray(reinterpret_cast<const char*>(f.data()), int(N));
}

TEST(LoRaWANRecords, HexTextsFillTheirFieldsInTextOrReversedOrder) {
  struct Case {
    const char* Text;
    THexOrder Order;
    const char* Expected;
  };
  const Case cases[] = {
      {"0011223344556677", THexOrder::Reversed, "7766554433221100"},
      {"0011223344556677", THexOrder::TextOrder, "0011223344556677"},
      {"1A2B", THexOrder::Reversed, "2b1a000000000000"},
      {"  1a2b\t", THexOrder::Reversed, "2b1a000000000000"},  // trimmed first
      {"", THexOrder::TextOrder, "0000000000000000"},
      {"ZZ11 2GG", THexOrder::TextOrder, "0000000000110000"},  // pairs that are no number give 0
  };
  for (const Case& c : cases) {
    std::array<uint8_t, 8> field{};
    EXPECT_TRUE(HexTextToField(c.Text, field, c.Order)) << c.Text;
    EXPECT_EQ(Field(field), Hex(c.Expected)) << c.Text;
  }
  std::array<uint8_t, 4> address{};
  ASSERT_TRUE(HexTextToField("1A2B", address, THexOrder::Reversed));
  EXPECT_EQ(Field(address), Hex("2b1a0000"));
}

TEST(LoRaWANRecords, HexTextLongerThanItsFieldIsRefusedAndWritesNothing) {
  std::array<uint8_t, 4> field{9, 9, 9, 9};
  EXPECT_FALSE(HexTextToField("001122334", field, THexOrder::Reversed));
  EXPECT_EQ(Field(field), Hex("09090909"));
  EXPECT_TRUE(HexTextToField(" 00112233 ", field, THexOrder::Reversed));
}

TEST(LoRaWANRecords, TestValuesAreHexPairsOrCharacters) {
  EXPECT_EQ(TestValueBytes("ABC", true), Hex("0abc"));
  EXPECT_EQ(TestValueBytes(" 0102 ", true), Hex("0102"));
  EXPECT_EQ(TestValueBytes("OK", false), QByteArray("OK"));
  EXPECT_EQ(TestValueBytes(" A", false), QByteArray(" A"));
  EXPECT_EQ(TestValueBytes(QString(QChar(0x20AC)), false), Hex("ac"));  // low 8 bits
  EXPECT_TRUE(TestValueBytes("", true).isEmpty());
  EXPECT_TRUE(TestValueBytes("", false).isEmpty());
}

TEST(LoRaWANRecords, ActivationMethodText) {
  EXPECT_TRUE(IsOverTheAirActivation("Over-the-Air Activation [OTAA]"));
  EXPECT_TRUE(IsOverTheAirActivation("  over-the-air activation [otaa] "));
  EXPECT_FALSE(IsOverTheAirActivation("Activation by Personalization [ABP]"));
  EXPECT_FALSE(IsOverTheAirActivation(""));
}

TEST(LoRaWANRecords, RX2DataRateIndexByBand) {
  struct Case {
    const char* Text;
    int Band;
    int Expected;
  };
  const int F = 99;  // the fallback
  const Case cases[] = {
      {"SF12BW125", rfEU868, 0}, {"sf12bw125", rfEU868, 0},  {"sf12bw125", rfKR920, 0}, {"sf12bw125", rfAS923, 0},
      {"sf12bw125", rfUS915, F}, {"SF7BW125", rfAS923, 5},   {"SF7BW250", rfEU868, 6},  {"SF7BW250", rfKR920, F},
      {"SF7BW250", rfAS923, F},  {"SF7BW250", rfUS915, F},   {"SF12BW500", rfUS915, 8}, {"SF7BW500", rfUS915, 13},
      {"SF12BW500", rfEU868, F}, {" SF9BW125 ", rfEU868, 3}, {"SF9BW125", 7, 3},        {"", rfEU868, F},
      {"SF6BW125", rfEU868, F},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RX2_DataRate_Index(c.Text, c.Band, uint8_t(F)), c.Expected) << c.Text << " band " << c.Band;
}

TEST(LoRaWANRecords, RecordsAreWrittenFieldByFieldLittleEndian) {
  TLoRaWAN_Device d;
  d.DevEUI = {1, 2, 3, 4, 5, 6, 7, 8};
  d.DevNAME[0] = 'N';
  d.DevADDR = {0xA1, 0xA2, 0xA3, 0xA4};
  d.options = 0x01020304;
  d.timeout = 0xDEADBEEF;
  d.DL_settings = 7;
  QByteArray device;
  TImageWriter dw(device, 0);
  d.WriteTo(dw);
  ASSERT_EQ(device.size(), TLoRaWAN_Device::RecordSize);
  EXPECT_EQ(device.mid(0, 8), Hex("0102030405060708"));
  EXPECT_EQ(device.at(16), 'N');
  EXPECT_EQ(device.mid(80, 4), Hex("a1a2a3a4"));
  EXPECT_EQ(device.mid(84, 4), Hex("04030201"));
  EXPECT_EQ(device.mid(88, 4), Hex("efbeadde"));
  EXPECT_EQ(device.mid(92, 4), Hex("07000000"));

  TLoRaWAN_Rule r;
  r.num_device = 0x0102;
  r.port = 0x0304;
  r.start_test = 0x0506;
  r.len_test = 0x0708;
  r.data_test_add = 0x0A0B0C0D;
  r.data_test = "not written";
  r.time_poll = 0x11121314;
  r.byte_offset_frame = 0x2122;
  r.byte_offset_memory = 0x3132;
  r.num_bytes = 0x4142;
  r.options = 0x5152;
  QByteArray rule;
  TImageWriter rw(rule, 0);
  r.WriteTo(rw);
  EXPECT_EQ(rule, Hex("0201"
                      "0403"
                      "0605"
                      "0807"
                      "0d0c0b0a"
                      "14131211"
                      "2221"
                      "3231"
                      "4241"
                      "5251"));

  TLoRaWAN_Infos h;
  h.Num_Devices = 1;
  h.Num_Rules = 2;
  h.Address_DevList = 0x80024;
  h.Address_RuleList = 0x80084;
  h.Address_ConfFile = 0x800B4;
  h.opzioni_funzionamento = 4369;
  h.RF_Band = 1;
  h.DataRate = 2;
  h.Adaptive_DataRate = 3;
  h.Transmission_Type = 4;
  h.position_diagnostic = 0x01020304;
  h.Freq_SubBand = 5;
  QByteArray header;
  TImageWriter hw(header, 0);
  h.WriteHeaderTo(hw);
  EXPECT_EQ(header, Hex("01000000"
                        "02000000"
                        "24000800"
                        "84000800"
                        "b4000800"
                        "11110000"
                        "01020304"
                        "04030201"
                        "05000000"));
}

}  // namespace
