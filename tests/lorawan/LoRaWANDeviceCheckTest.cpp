#include "lorawan/LoRaWANDeviceCheck.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "platform/Dialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

TDeviceLoRa ValidDevice() {
  TDeviceLoRa d;
  d.DeviceEUI = "0011223344556677";
  d.JoinEUI = "70B3D57ED0000001";
  d.ActMethod = ActivationOTAA;
  d.AppKey = "000102030405060708090A0B0C0D0E0F";
  d.DevAdd = "26011BDA";
  d.DiagTimeOut = "0";
  return d;
}

TRuleLoRa ValidUpLink() {
  TRuleLoRa r;
  r.Port = "10";
  r.StartTest = "0";
  r.LenTest = "2";
  r.HexTest = true;
  r.ValueTest = "aBcD";
  r.StartBit = "0";
  r.NumBits = "4";
  r.PosBit = "0";
  return r;
}

TRuleLoRa ValidDownLink() {
  TRuleLoRa r;
  r.Port = "20";
  r.StartBit = "500";
  r.NumBits = "1536";
  r.PosBit = "0";
  r.Time = "not a number";  // only read with On Timer
  return r;
}

class LoRaWANDeviceCheckTest : public ::testing::Test {
protected:
  void SetUp() override {
    FillDefaultTexts();
    Devices.assign(3, TDeviceLoRa());
    Devices[0] = ValidDevice();
    Devices[0].UpLinkRules = {ValidUpLink()};
    Devices[0].DownLinkRules = {ValidDownLink()};
    // A free slot in between: the device after it is still checked.
    Devices[2] = ValidDevice();
  }
  void TearDown() override { ResetShellState(); }

  std::vector<TDeviceLoRa> Devices;
};

using TChange = std::function<void(std::vector<TDeviceLoRa>&)>;
struct TCheckCase {
  const char* Name;
  TChange Change;
  const char* Message;  // empty: passes
};

TDeviceLoRa& D0(std::vector<TDeviceLoRa>& d) { return d[0]; }
TRuleLoRa& Up(std::vector<TDeviceLoRa>& d) { return d[0].UpLinkRules[0]; }
TRuleLoRa& Down(std::vector<TDeviceLoRa>& d) { return d[0].DownLinkRules[0]; }

const TCheckCase DeviceCases[] = {
    {"valid", [](auto&) {}, ""},
    {"EUI of 14 digits", [](auto& d) { D0(d).DeviceEUI = "00112233445566"; },
     "Error Device 1!! Device EUI must have 8 bytes (16 characters)"},
    {"EUI lower case with blanks", [](auto& d) { D0(d).DeviceEUI = " 0011223344aabbcc "; }, ""},
    {"EUI with a G", [](auto& d) { D0(d).DeviceEUI = "001122334455667G"; },
     "Error Device 1!! Device EUI must have only valid chatacter (0..9 and A..F)"},
    {"Join EUI empty", [](auto& d) { D0(d).JoinEUI = ""; },
     "Error Device 1!! Join EUI must have 8 bytes (16 characters)"},
    {"Join EUI with a blank inside", [](auto& d) { D0(d).JoinEUI = "70B3D57E D000001"; },
     "Error Device 1!! Join EUI must have only valid chatacter (0..9 and A..F)"},
    {"no activation", [](auto& d) { D0(d).ActMethod = "  "; }, "Error Device 1!! Activation Method must be selected"},
    {"OTAA without application key", [](auto& d) { D0(d).AppKey = ""; },
     "Error Device 1!! Application Key must have 16 bytes (32 characters)"},
    {"OTAA needs no ABP keys", [](auto& d) { D0(d).NetSessKey = "x"; }, ""},
    {"application key with Z", [](auto& d) { D0(d).AppKey = "Z00102030405060708090A0B0C0D0E0F"; },
     "Error Device 1!! Application Key must have only valid chatacter (0..9 and A..F)"},
    {"other activation text needs the application key",
     [](auto& d) {
       D0(d).ActMethod = " activation by personalization [abp]";
       D0(d).AppKey = "1";
     },
     "Error Device 1!! Application Key must have 16 bytes (32 characters)"},
    {"ABP without keys", [](auto& d) { D0(d).ActMethod = ActivationABP; },
     "Error Device 1!! Network Session Key must have 16 bytes (32 characters)"},
    {"ABP bad network key",
     [](auto& d) {
       D0(d).ActMethod = ActivationABP;
       D0(d).NetSessKey = "-00102030405060708090A0B0C0D0E0F";
     },
     "Error Device 1!! Network Session Key must have only valid chatacter (0..9 and A..F)"},
    {"ABP short application session key",
     [](auto& d) {
       D0(d).ActMethod = ActivationABP;
       D0(d).NetSessKey = D0(d).AppKey;
       D0(d).AppSessKey = "00";
     },
     "Error Device 1!! Application Session Key must have 16 bytes (32 characters)"},
    {"ABP bad application session key",
     [](auto& d) {
       D0(d).ActMethod = ActivationABP;
       D0(d).NetSessKey = D0(d).AppKey;
       D0(d).AppSessKey = "x00102030405060708090A0B0C0D0E0F";
     },
     "Error Device 1!! Application Session Key must have only valid chatacter (0..9 and A..F)"},
    {"ABP needs no application key",
     [](auto& d) {
       D0(d).ActMethod = ActivationABP;
       D0(d).NetSessKey = D0(d).AppSessKey = D0(d).AppKey;
       D0(d).AppKey = "";
     },
     ""},
    {"address of 6 digits", [](auto& d) { D0(d).DevAdd = "26011B"; },
     "Error Device 1!! Device Address must have 4 bytes (8 characters)"},
    {"address with a dot", [](auto& d) { D0(d).DevAdd = "2601.BDA"; },
     "Error Device 1!! Device Address must have only valid chatacter (0..9 and A..F)"},
    {"time-out empty", [](auto& d) { D0(d).DiagTimeOut = ""; },
     "Error Device 1!! Diag. TimeOut must be between 0 and 4294967295 milliseconds"},
    {"time-out 4294967296", [](auto& d) { D0(d).DiagTimeOut = "4294967296"; },
     "Error Device 1!! Diag. TimeOut must be between 0 and 4294967295 milliseconds"},
    {"time-out 4294967295", [](auto& d) { D0(d).DiagTimeOut = "4294967295"; }, ""},
    {"time-out negative", [](auto& d) { D0(d).DiagTimeOut = "-1"; },
     "Error Device 1!! Diag. TimeOut must be between 0 and 4294967295 milliseconds"},
    {"disabled device still checked",
     [](auto& d) {
       D0(d).Enable = false;
       D0(d).DevAdd = "";
     },
     "Error Device 1!! Device Address must have 4 bytes (8 characters)"},
    {"device after a free slot", [](auto& d) { d[2].JoinEUI = "1"; },
     "Error Device 3!! Join EUI must have 8 bytes (16 characters)"},
    {"free slot not checked",
     [](auto& d) {
       d[1].DevAdd = "bad";
       d[1].DeviceEUI = "  ";
     },
     ""},
};

const TCheckCase RuleCases[] = {
    {"port 65536", [](auto& d) { Up(d).Port = "65536"; },
     "Error Device 1, UpLink Rule 1!! Port must be between 0 and 65535"},
    {"port as 0xFFFF", [](auto& d) { Up(d).Port = "0xFFFF"; }, ""},
    {"port 1F is no number", [](auto& d) { Up(d).Port = "1F"; },
     "Error Device 1, UpLink Rule 1!! Port must be between 0 and 65535"},
    {"start test negative", [](auto& d) { Up(d).StartTest = "-2"; },
     "Error Device 1, UpLink Rule 1!! Start Test must be a valid numeric value"},
    {"len test no number", [](auto& d) { Up(d).LenTest = "two"; },
     "Error Device 1, UpLink Rule 1!! Len Test must be a valid numeric value"},
    {"hex value of three digits", [](auto& d) { Up(d).ValueTest = "ABC"; },
     "Error Device 1, UpLink Rule 1!! Value Test must have 2 bytes (4 characters)"},
    {"hex value with a blank inside", [](auto& d) { Up(d).ValueTest = "AB D"; },
     "Error Device 1, UpLink Rule 1!! Value Test must have only valid chatacter (0..9 and A..F)"},
    {"text value of another length",
     [](auto& d) {
       Up(d).HexTest = false;
       Up(d).ValueTest = "OK ";
     },
     "Error Device 1, UpLink Rule 1!! Value Test must have 2 characters"},
    {"text value of the length",
     [](auto& d) {
       Up(d).HexTest = false;
       Up(d).ValueTest = " K";
     },
     ""},
    {"empty start test skips the test",
     [](auto& d) {
       Up(d).StartTest = " ";
       Up(d).LenTest = "x";
       Up(d).ValueTest = "zz";
     },
     ""},
    {"start byte 501", [](auto& d) { Up(d).StartBit = "501"; },
     "Error Device 1, UpLink Rule 1!! Start Byte must be between 0 and 500"},
    {"number bytes 0", [](auto& d) { Up(d).NumBits = "0"; },
     "Error Device 1, UpLink Rule 1!! Number Bytes must be between 1 and 1536"},
    {"position 1536",
     [](auto& d) {
       Up(d).PosBit = "1536";
       Up(d).NumBits = "1";
     },
     "Error Device 1, UpLink Rule 1!! Position Byte must be between 0 and 1535"},
    {"position 1500 + 36",
     [](auto& d) {
       Up(d).PosBit = "1500";
       Up(d).NumBits = "36";
     },
     ""},
    {"position 1500 + 37",
     [](auto& d) {
       Up(d).PosBit = "1500";
       Up(d).NumBits = "37";
     },
     "Error Device 1, UpLink Rule 1!! Position Byte plus Number Bytes must be minor of 1536"},
    {"disabled uplink rule skipped",
     [](auto& d) {
       Up(d).Enable = false;
       Up(d).Port = "";
     },
     ""},
    {"second uplink rule",
     [](auto& d) {
       d[0].UpLinkRules.push_back(ValidUpLink());
       d[0].UpLinkRules[1].Port = "";
     },
     "Error Device 1, UpLink Rule 2!! Port must be between 0 and 65535"},
    {"downlink port empty", [](auto& d) { Down(d).Port = ""; },
     "Error Device 1, DownLink Rule 1!! Port must be between 0 and 65535"},
    {"downlink start byte -1", [](auto& d) { Down(d).StartBit = "-1"; },
     "Error Device 1, DownLink Rule 1!! Start Byte must be between 0 and 500"},
    {"downlink number bytes 1537", [](auto& d) { Down(d).NumBits = "1537"; },
     "Error Device 1, DownLink Rule 1!! Number Bytes must be between 1 and 1536"},
    {"downlink timer without time", [](auto& d) { Down(d).OnTimer = true; },
     "Error Device 1, DownLink Rule 1!! Time must be between 0 and 100000000 milliseconds"},
    {"downlink timer 100000001",
     [](auto& d) {
       Down(d).OnTimer = true;
       Down(d).Time = "100000001";
     },
     "Error Device 1, DownLink Rule 1!! Time must be between 0 and 100000000 milliseconds"},
    {"downlink timer 100000000",
     [](auto& d) {
       Down(d).OnTimer = true;
       Down(d).Time = "100000000";
     },
     ""},
    {"downlink position empty", [](auto& d) { Down(d).PosBit = ""; },
     "Error Device 1, DownLink Rule 1!! Position Byte must be between 0 and 1535"},
    {"downlink position 1 + 1536", [](auto& d) { Down(d).PosBit = "1"; },
     "Error Device 1, DownLink Rule 1!! Position Byte plus Number Bytes must be minor of 1536"},
    {"uplink failures come before downlink ones",
     [](auto& d) {
       Down(d).Port = "";
       Up(d).StartBit = "";
     },
     "Error Device 1, UpLink Rule 1!! Start Byte must be between 0 and 500"},
};

TEST_F(LoRaWANDeviceCheckTest, EachDeviceCheckShowsItsText) {
  for (const TCheckCase& c : DeviceCases) {
    std::vector<TDeviceLoRa> devices = Devices;
    c.Change(devices);
    EXPECT_EQ(DeviceListError(devices, true), c.Message) << c.Name;
  }
}

TEST_F(LoRaWANDeviceCheckTest, EachRuleCheckShowsItsText) {
  for (const TCheckCase& c : RuleCases) {
    std::vector<TDeviceLoRa> devices = Devices;
    c.Change(devices);
    EXPECT_EQ(DeviceListError(devices, true), c.Message) << c.Name;
  }
}

TEST_F(LoRaWANDeviceCheckTest, AnEndNodeChecksOnlyTheRulesOfItsOneDevice) {
  Devices[0].DeviceEUI = "0001020304050607";
  Devices[0].JoinEUI = Devices[0].ActMethod = Devices[0].DiagTimeOut = "";
  Devices[2].DevAdd = "";
  EXPECT_EQ(DeviceListError(Devices, false), "");
  Devices[0].DownLinkRules[0].NumBits = "0";
  EXPECT_EQ(DeviceListError(Devices, false),
            "Error Device 1, DownLink Rule 1!! Number Bytes must be between 1 and 1536");
}

TEST_F(LoRaWANDeviceCheckTest, CheckDataShowsTheFirstFailureInAnErrorDialog) {
  TScriptedDialogScope dialogs;
  EXPECT_TRUE(Check_Data(Devices, true));
  EXPECT_TRUE(dialogs->Records().empty());
  Devices[2].DeviceEUI = "1";
  Devices[0].UpLinkRules[0].Port = "-5";
  EXPECT_FALSE(Check_Data(Devices, true));
  ASSERT_EQ(dialogs->Records().size(), 1u);
  EXPECT_EQ(dialogs->Records()[0].Text, "Error Device 1, UpLink Rule 1!! Port must be between 0 and 65535");
  EXPECT_EQ(dialogs->Records()[0].Type, mtError);
  EXPECT_EQ(dialogs->Records()[0].Buttons, TMsgDlgButtons{mbOK});
}

TEST_F(LoRaWANDeviceCheckTest, ATranslationWithWrongPlaceholdersGivesTheEnglishText) {
  struct Case {
    const char* Translation;
    const char* Shown;
  };
  const Case cases[] = {
      {"Gerät %d, Regel %d: %d Bytes (%d Zeichen)", "Gerät 1, Regel 1: 2 Bytes (4 Zeichen)"},
      {"Gerät %d: %s %s %s %s %s", "Error Device 1, UpLink Rule 1!! Value Test must have 2 bytes (4 characters)"},
      {"Gerät %d", "Error Device 1, UpLink Rule 1!! Value Test must have 2 bytes (4 characters)"},
      {"%d %d %d %d %d", "Error Device 1, UpLink Rule 1!! Value Test must have 2 bytes (4 characters)"},
      {"%d %d %d %5d", "Error Device 1, UpLink Rule 1!! Value Test must have 2 bytes (4 characters)"},
      {"100%% %d %d %d %d", "100% 1 1 2 4"},
  };
  Devices[0].UpLinkRules[0].ValueTest = "ABC";
  for (const Case& c : cases) {
    LanguageTexts->SetStrings(5501, QString::fromUtf8(c.Translation));
    EXPECT_EQ(DeviceListError(Devices, true), QString::fromUtf8(c.Shown)) << c.Translation;
  }
}

TEST(CheckStringHex, LengthThenCharacters) {
  struct Case {
    const char* Text;
    int Length;
    int Result;
  };
  const Case cases[] = {{"0a1B", 4, 0}, {" 0a1B\t", 4, 0}, {"0a1", 4, 1}, {"", 0, 0},
                        {"0a1G", 4, 2}, {"0a 1", 4, 2},    {"", 2, 1},    {"ÄB", 2, 2}};
  for (const Case& c : cases)
    EXPECT_EQ(CheckStringHex(QString::fromUtf8(c.Text), c.Length), c.Result) << c.Text << " " << c.Length;
}

}  // namespace
