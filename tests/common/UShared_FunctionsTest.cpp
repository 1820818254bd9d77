// Address, endpoint, number and port helpers: the tables of cases callers rely
// on, plus a seeded random run that throws hostile texts at the parsers.
#include "common/UShared_Functions.h"

#include "platform/SysUtils.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

namespace {

// Every number of the address with a blank before and after it.
constexpr const char* Blanked = " 192 . 168 . 0 . 5 ";
constexpr const char* BlankedEndpoint = " 192 . 168 . 0 . 5 : 80 ";

struct SplitCase {
  const char* Text;
  bool Result;
  std::array<const char*, 4> Octets;  // as far as the split got; "" = untouched
};

TEST(UShared_Functions, SplitIpAddress) {
  const SplitCase cases[] = {
      {"192.168.0.5", true, {"192", "168", "0", "5"}},
      {Blanked, true, {"192", "168", "0", "5"}},
      {BlankedEndpoint, false, {"192", "168", "0", "5 : 80"}},
      {"192.168.0.256", false, {"192", "168", "0", "256"}},
      {"192.168.0", false, {"192", "168", "", ""}},
      {"1.2.3.4.5", false, {"1", "2", "3", "4.5"}},
      {"", false, {"", "", "", ""}},
      {"10.0.0.1:502", false, {"10", "0", "0", "1:502"}},
      {"10.0.0.1:", false, {"10", "0", "0", "1:"}},
      {"\t\r\n10.0.0.1\x01", true, {"10", "0", "0", "1"}},
      {"192", false, {"", "", "", ""}},
      {"192.", false, {"192", "", "", ""}},
      {"...", false, {"", "", "", ""}},
      {"0x10.$1F.-0.255", true, {"0x10", "$1F", "-0", "255"}},
      {"1.2.3.-1", false, {"1", "2", "3", "-1"}},
      {"1.2.3.4294967296", false, {"1", "2", "3", "4294967296"}},
      {"1.2.3.$FFFFFFFF", false, {"1", "2", "3", "$FFFFFFFF"}},
      {"1.2.3.9999999999999999999999", false, {"1", "2", "3", "9999999999999999999999"}},
      {"1.2.3.x", false, {"1", "2", "3", "x"}},
  };
  for (const SplitCase& c : cases) {
    QString o[4];
    EXPECT_EQ(SplitIpAddress(QString::fromLatin1(c.Text), o[0], o[1], o[2], o[3]), c.Result) << c.Text;
    for (int k = 0; k < 4; ++k)
      EXPECT_EQ(o[k], QString::fromLatin1(c.Octets[size_t(k)])) << c.Text << " octet " << k + 1;
  }
}

struct BytesCase {
  const char* Text;
  bool Error;
  std::array<int, 4> Octets;  // -1: not written
};

TEST(UShared_Functions, ParseIpAddressBytesReportsErrorsNotSuccess) {
  const BytesCase cases[] = {
      {"192.168.0.5", false, {192, 168, 0, 5}},
      {Blanked, true, {0, 0, 0, 0}},
      {BlankedEndpoint, true, {0, 0, 0, 0}},
      {"192.168.0.256", true, {192, 168, 0, 0}},
      {"192.168.0", true, {192, 168, 0, 0}},
      {"1.2.3.4.5", true, {1, 2, 3, 0}},
      {"", true, {-1, -1, -1, -1}},
      {"10.0.0.1:502", true, {10, 0, 0, 0}},
      {"10.0.0.1:", true, {10, 0, 0, 0}},
      {"10.0.0.1:65536", true, {10, 0, 0, 0}},
      {" 192.168.0.5", false, {192, 168, 0, 5}},
      {"192 .168.0.5", true, {0, 168, 0, 5}},
      {"192", true, {0, 0, 0, 192}},
      {"1.2.3.4294967297", true, {1, 2, 3, 0}},
      {"1.-1.3.4", true, {1, 0, 3, 4}},
      {"$C0.0xA8.0.5", false, {192, 168, 0, 5}},
  };
  for (const BytesCase& c : cases) {
    uint8_t o[4] = {77, 77, 77, 77};
    EXPECT_EQ(ParseIpAddressBytes(QString::fromLatin1(c.Text), o[0], o[1], o[2], o[3]), c.Error) << c.Text;
    for (int k = 0; k < 4; ++k)
      EXPECT_EQ(int(o[k]), c.Octets[size_t(k)] < 0 ? 77 : c.Octets[size_t(k)]) << c.Text << " octet " << k + 1;
  }
}

struct EndpointCase {
  const char* Text;
  bool Result;
  std::array<int, 4> Octets;
  int Port;
};

TEST(UShared_Functions, ParseIpEndpoint) {
  const EndpointCase cases[] = {
      {"192.168.0.5", false, {0, 0, 0, 0}, 0},
      {Blanked, false, {0, 0, 0, 0}, 0},
      {BlankedEndpoint, true, {192, 168, 0, 5}, 80},
      {"192.168.0.256:80", false, {0, 0, 0, 0}, 0},
      {"192.168.0", false, {0, 0, 0, 0}, 0},
      {"1.2.3.4.5:80", false, {0, 0, 0, 0}, 0},
      {"", false, {0, 0, 0, 0}, 0},
      {"10.0.0.1:502", true, {10, 0, 0, 1}, 502},
      {"10.0.0.1:", false, {0, 0, 0, 0}, 0},
      {"10.0.0.1:65536", false, {0, 0, 0, 0}, 0},
      {"10.0.0.1:65535", true, {10, 0, 0, 1}, 65535},
      {"10.0.0.1:0", true, {10, 0, 0, 1}, 0},
      {"10.0.0.1:-1", false, {0, 0, 0, 0}, 0},
      {"10.0.0.1:80:81", false, {0, 0, 0, 0}, 0},
      {"10.0.0.1:4294967376", false, {0, 0, 0, 0}, 0},
      {"10:80", false, {0, 0, 0, 0}, 0},
      {"10.0:80", false, {0, 0, 0, 0}, 0},
      {"10.0.0:80", false, {0, 0, 0, 0}, 0},
      {"300.0.0.1:80", false, {0, 0, 0, 0}, 0},
      {"10.0.0.1 80", false, {0, 0, 0, 0}, 0},
  };
  for (const EndpointCase& c : cases) {
    uint8_t o[4] = {77, 77, 77, 77};
    uint16_t port = 7777;
    EXPECT_EQ(ParseIpEndpoint(QString::fromLatin1(c.Text), o[0], o[1], o[2], o[3], port), c.Result) << c.Text;
    for (int k = 0; k < 4; ++k) EXPECT_EQ(int(o[k]), c.Octets[size_t(k)]) << c.Text << " octet " << k + 1;
    EXPECT_EQ(int(port), c.Port) << c.Text;
  }
}

class DecimalSeparatorTest : public ::testing::Test {
protected:
  void TearDown() override { FormatSettings().DecimalSeparator = Saved; }
  QChar Saved = FormatSettings().DecimalSeparator;
};

TEST_F(DecimalSeparatorTest, OnlyCommaOrPoint) {
  const std::pair<QChar, QChar> cases[] = {{',', ','},           {'.', '.'},     {';', ','},
                                           {QChar(0x066B), ','}, {QChar(), ','}, {' ', ','}};
  for (const auto& [setting, expected] : cases) {
    FormatSettings().DecimalSeparator = setting;
    EXPECT_EQ(GetDecimalSeparator(), expected) << int(setting.unicode());
  }
}

struct FloatCase {
  const char* Text;
  bool Result;
  float Value;
};

// With the system's separator set, a user may type either "," or ".".
void ExpectFloats(QChar separator, std::initializer_list<FloatCase> cases) {
  FormatSettings().DecimalSeparator = separator;
  for (const FloatCase& c : cases) {
    float value = -7.0f;
    EXPECT_EQ(TextToFloat(QString::fromLatin1(c.Text), GetDecimalSeparator(), value), c.Result)
        << c.Text << " with " << char(separator.unicode());
    EXPECT_EQ(value, c.Value) << c.Text << " with " << char(separator.unicode());
  }
}

TEST_F(DecimalSeparatorTest, TextToFloatTakesEitherSeparator) {
  for (QChar separator : {QChar(','), QChar('.')}) {
    ExpectFloats(separator, {
                                {"1.5", true, 1.5f},      {"1,5", true, 1.5f},       {" -2,25 ", true, -2.25f},
                                {"+3", true, 3.0f},       {"1.5e2", true, 150.0f},   {"1,000.5", false, 1.0f},
                                {"1.000,5", false, 1.0f}, {"", false, 1.0f},         {"   ", false, 1.0f},
                                {"abc", false, 1.0f},     {"1.5x", false, 1.0f},     {"1 5", false, 1.0f},
                                {"--1", false, 1.0f},     {"0x10", false, 1.0f},     {"inf", false, 1.0f},
                                {"nan", false, 1.0f},     {"1e39", false, 1.0f},     {"-1e39", false, 1.0f},
                                {"1e400", false, 1.0f},   {"3.4e38", true, 3.4e38f}, {"1e-50", true, 0.0f},
                            });
  }
}

TEST_F(DecimalSeparatorTest, TextToFloatStoresSinglePrecision) {
  FormatSettings().DecimalSeparator = ',';
  float value = 0;
  ASSERT_TRUE(TextToFloat("0.1", ',', value));
  EXPECT_EQ(value, 0.1f);
  EXPECT_NE(double(value), 0.1);
}

TEST_F(DecimalSeparatorTest, TextToFloatConvertsWithTheSystemFormat) {
  // The caller's separator only decides how the text is rewritten; the
  // conversion itself follows the system setting, as callers expect.
  FormatSettings().DecimalSeparator = ',';
  float value = 0;
  EXPECT_FALSE(TextToFloat("1,5", '.', value));
  EXPECT_EQ(value, 1.0f);
  EXPECT_TRUE(TextToFloat("2", '.', value));
  EXPECT_EQ(value, 2.0f);
}

TEST(UShared_Functions, ModelProtocolNames) {
  QString first = "x", second = "y";
  EXPECT_EQ(GetModelProtocolNames(first, second), 1);
  EXPECT_EQ(first, "Modbus TCP Slave");
  EXPECT_TRUE(second.isEmpty());
}

TEST(UShared_Functions, ListSerialPortsAlwaysGivesAList) {
  const std::unique_ptr<TStringList> ports = ListSerialPorts();
  ASSERT_NE(ports, nullptr);
  for (int i = 0; i < ports->Count(); ++i) EXPECT_TRUE(ports->Strings(i).startsWith("/dev/tty"));
}

// Address-shaped texts (numbers in and out of range, blanks, controls, wrong
// separators) with a few random characters thrown in: the parsers must not
// crash, must keep their output promises, and must agree with each other.
QString RandomAddressText(std::mt19937& rng) {
  static const char* const numbers[] = {"0",
                                        "1",
                                        "9",
                                        "10",
                                        "127",
                                        "255",
                                        "256",
                                        "999",
                                        "65535",
                                        "65536",
                                        "4294967295",
                                        "4294967296",
                                        "18446744073709551616",
                                        "-1",
                                        "+1",
                                        "$FF",
                                        "0x1F",
                                        "x",
                                        "",
                                        "007",
                                        "1",
                                        "2",
                                        "33",
                                        "200",
                                        "80"};
  static const char* const blanks[] = {"", "", "", "", "", "", "", " ", "\t", "\x01"};
  static const char* const separators[] = {".", ".", ".", ".", ".", ".", ".", ".", ":", "..", "/", ""};
  static const char noise[] = ".:/ -+$x09aZ\x01\x7f";
  auto pick = [&rng](auto& table) {
    return table[std::uniform_int_distribution<size_t>(0, std::size(table) - 1)(rng)];
  };
  auto chance = [&rng](int percent) { return std::uniform_int_distribution<int>(0, 99)(rng) < percent; };

  QString text;
  const bool tidy = chance(50);
  static const int partCounts[] = {1, 2, 3, 4, 4, 4, 5, 5, 5, 6};
  const int parts = pick(partCounts);
  for (int k = 0; k < parts; ++k) {
    if (k > 0) text += QString::fromLatin1(k == 4 && chance(60) ? ":" : pick(separators));
    const QString number = QString::fromLatin1(pick(numbers));
    text += tidy ? number : QString::fromLatin1(pick(blanks)) + number + QString::fromLatin1(pick(blanks));
  }
  for (int n = chance(30) ? std::uniform_int_distribution<int>(1, 3)(rng) : 0; n > 0; --n) {
    const int at = std::uniform_int_distribution<int>(0, int(text.size()))(rng);
    text.insert(at, QChar::fromLatin1(noise[std::uniform_int_distribution<size_t>(0, sizeof noise - 2)(rng)]));
  }
  return text;
}

TEST(UShared_Functions, RandomTextsKeepTheParsersSound) {
  std::mt19937 rng(20240611);
  int validAddresses = 0, validEndpoints = 0;
  for (int i = 0; i < 20000; ++i) {
    const QString text = RandomAddressText(rng);
    SCOPED_TRACE(text.toStdString());

    QString s[4];
    const bool split = SplitIpAddress(text, s[0], s[1], s[2], s[3]);

    uint8_t b[4] = {};
    const bool bytesError = ParseIpAddressBytes(text, b[0], b[1], b[2], b[3]);
    if (!bytesError) {
      ++validAddresses;
      // A text the strict parser takes is one the trimming splitter takes too.
      EXPECT_TRUE(split);
      for (int k = 0; k < 4; ++k) EXPECT_EQ(StrToIntDef(s[k], -1), int(b[k]));
    }

    uint8_t e[4] = {1, 1, 1, 1};
    uint16_t port = 1;
    if (ParseIpEndpoint(text, e[0], e[1], e[2], e[3], port)) {
      ++validEndpoints;
      const int colon = text.lastIndexOf(':');
      QString a[4];
      EXPECT_TRUE(SplitIpAddress(text.left(colon), a[0], a[1], a[2], a[3]));
      for (int k = 0; k < 4; ++k) EXPECT_EQ(StrToIntDef(a[k], -1), int(e[k]));
      EXPECT_EQ(StrToIntDef(Trim(text.mid(colon + 1)), -1), int(port));
    } else {
      EXPECT_EQ(e[0] | e[1] | e[2] | e[3], 0);
      EXPECT_EQ(port, 0);
    }

    float value = 0;
    if (TextToFloat(text, ',', value)) {
      EXPECT_TRUE(std::isfinite(value));
    } else {
      EXPECT_EQ(value, 1.0f);
    }
  }
  // The generator must reach the accepting paths, or the checks above say little.
  EXPECT_GT(validAddresses, 0);
  EXPECT_GT(validEndpoints, 0);
}

TEST(UShared_Functions, HugeTextsAreRejectedQuickly) {
  const QString digits(1 << 20, '9');
  QString o[4];
  EXPECT_FALSE(SplitIpAddress(digits + "." + digits + "." + digits + "." + digits, o[0], o[1], o[2], o[3]));
  uint8_t b[4];
  uint16_t port;
  EXPECT_TRUE(ParseIpAddressBytes(digits, b[0], b[1], b[2], b[3]));
  EXPECT_FALSE(ParseIpEndpoint("1.2.3.4:" + digits, b[0], b[1], b[2], b[3], port));
  float value = 0;
  EXPECT_FALSE(TextToFloat(digits, '.', value));
}

}  // namespace
