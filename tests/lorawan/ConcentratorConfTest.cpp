#include "lorawan/ConcentratorConf.h"

#include "LoRaWANTestProject.h"
#include "lorawan/ImageBuildError.h"
#include "platform/Classes.h"

#include <gtest/gtest.h>

namespace {

// The values the fixture texts were written with.
TLoRaWAN_ParGen FixtureParGen(int band) {
  TLoRaWAN_ParGen p;
  p.RF_Band = band;
  p.NetworkType = "true";
  p.Server_Add = "lns.example.net";
  p.Server_Port_Up = "1700";
  p.Server_Port_Down = "1701";
  p.KA_Interval = "30";
  return p;
}

QStringList FixtureLines(const QString& name) {
  QByteArray bytes;
  EXPECT_TRUE(ReadFileBytes(LoRaWANFixture(name), bytes)) << name.toStdString();
  QStringList lines = QString::fromLatin1(bytes).split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

void ExpectLines(const TStringList& built, const QString& fixture) {
  const QStringList expected = FixtureLines(fixture);
  ASSERT_EQ(built.Count(), expected.size()) << fixture.toStdString();
  for (int i = 0; i < built.Count(); ++i)
    EXPECT_EQ(built[i].toStdString(), expected[i].toStdString()) << fixture.toStdString() << " line " << i + 1;
}

TEST(ConcentratorConf, EachBandMatchesItsTextLineByLine) {
  struct Case {
    int Band;
    int SubBand;
    const char* Fixture;
    int Lines;
  };
  const Case cases[] = {
      {rfEU868, 1, "conf_eu868.txt", 125},     {rfKR920, 1, "conf_kr920.txt", 97},
      {rfAS923, 1, "conf_as923.txt", 97},      {rfUS915, 1, "conf_us915_sb1.txt", 113},
      {rfUS915, 2, "conf_us915_sb2.txt", 113}, {rfUS915, 8, "conf_us915_sb8.txt", 113},
      {rfUS915, 0, "conf_us915_sb0.txt", 111}, {rfUS915, 9, "conf_us915_sb0.txt", 111},
      {rfEU868, 0, "conf_eu868.txt", 125},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Fixture);
    TStringList lines;
    lines.Add("left over from an earlier build");
    Build_Concentrator_Conf(FixtureParGen(c.Band), uint8_t(c.SubBand), lines);
    EXPECT_EQ(lines.Count(), c.Lines);
    ExpectLines(lines, c.Fixture);
  }
}

TEST(ConcentratorConf, US915SubBandsSetBothRadioFrequencies) {
  const std::tuple<int, const char*, const char*> cases[] = {
      {1, "902700000", "903400000"}, {2, "904300000", "905000000"}, {8, "913900000", "914600000"}};
  for (const auto& [subBand, radio0, radio1] : cases) {
    TStringList lines;
    Build_Concentrator_Conf(FixtureParGen(rfUS915), uint8_t(subBand), lines);
    const QString text = lines.Text();
    EXPECT_TRUE(text.contains(QString("            \"freq\": %1,\r\n").arg(radio0))) << subBand;
    EXPECT_TRUE(text.contains(QString("            \"freq\": %1,\r\n").arg(radio1))) << subBand;
  }
}

TEST(ConcentratorConf, InsertedTextsAreJsonStringsAndNumbersAreConverted) {
  TLoRaWAN_ParGen p = FixtureParGen(rfEU868);
  p.Server_Add = "  lns.example.net ";
  p.Server_Port_Up = "";
  p.NetworkType = "false";
  TStringList lines;
  Build_Concentrator_Conf(p, 1, lines);
  EXPECT_EQ(lines[91], R"(        "server_address": "  lns.example.net ",)");
  EXPECT_EQ(lines[92], R"(        "serv_port_up": 1780,)");  // no number: the default port

  // A quote, a backslash or a control character cannot add keys to the text.
  p.Server_Add = "x\", \"extra\": \"1\\";
  p.Server_Port_Up = "$10";
  p.Server_Port_Down = " 7";
  Build_Concentrator_Conf(p, 1, lines);
  EXPECT_EQ(lines[91], R"(        "server_address": "x\", \"extra\": \"1\\",)");
  EXPECT_EQ(lines[92], R"(        "serv_port_up": 16,)");
  EXPECT_EQ(lines[93], R"(        "serv_port_down": 7,)");
  p.Server_Add = QString("lns") + QChar(0x100);
  EXPECT_THROW(Build_Concentrator_Conf(p, 1, lines), EImageBuildError);
  p.Server_Add = "lns";
  EXPECT_EQ(lines[4], R"(        "lorawan_public": false,)");

  p.RF_Band = rfAS923;
  Build_Concentrator_Conf(p, 1, lines);
  EXPECT_EQ(lines[4], R"(        "lorawan_public": true,)");
}

TEST(ConcentratorConf, UnknownBandGivesNoText) {
  TStringList lines;
  lines.Add("old");
  Build_Concentrator_Conf(FixtureParGen(4), 1, lines);
  EXPECT_EQ(lines.Count(), 0);
}

}  // namespace
