#include "lorawan/LoRaWANDeviceCheck.h"

#include "common/LangFormat.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"

#include <array>
#include <cstdint>

namespace {

// A hexadecimal value of a device: its length, and the texts for a wrong
// length and for a wrong character.
struct THexField {
  QString TDeviceLoRa::*Field;
  int Length;
  int LengthText;
  int CharText;
};
constexpr THexField DeviceEUICheck = {&TDeviceLoRa::DeviceEUI, 16, 5485, 5486};
constexpr THexField JoinEUICheck = {&TDeviceLoRa::JoinEUI, 16, 5487, 5488};
constexpr std::array<THexField, 2> ABPKeyChecks = {
    {{&TDeviceLoRa::NetSessKey, 32, 5490, 5491}, {&TDeviceLoRa::AppSessKey, 32, 5492, 5493}}};
constexpr THexField AppKeyCheck = {&TDeviceLoRa::AppKey, 32, 5494, 5495};
constexpr THexField DevAddCheck = {&TDeviceLoRa::DevAdd, 8, 5496, 5514};

constexpr int NoActivationText = 5489;
constexpr int DiagTimeOutText = 5497;
constexpr int64_t MaxDiagTimeOut = 4294967295LL;

// The texts of the rule checks; uplink and downlink share the byte-mapping ones.
struct TRuleTexts {
  int Port;
  int StartByte;
  int NumberBytes;
  int PositionByte;
  int PositionPlusNumber;
};
constexpr TRuleTexts UpLinkTexts = {5498, 5504, 5505, 5506, 5507};
constexpr TRuleTexts DownLinkTexts = {5508, 5509, 5510, 5512, 5513};
constexpr int StartTestText = 5499, LenTestText = 5500, HexLengthText = 5501, HexCharText = 5502, TextLengthText = 5503,
              TimeText = 5511;

constexpr int MaxPort = 65535;
constexpr int MaxStartByte = 500;
constexpr int AreaBytes = 1536;
constexpr int MaxTime = 100000000;

// Integer cells: text that is no integer counts as -1, which every range here refuses.
int Cell(const QString& text) { return StrToIntDef(text, -1); }
bool Outside(int value, int low, int high) { return value < low || value > high; }

QString CheckHex(const TDeviceLoRa& d, const THexField& f, int device) {
  switch (CheckStringHex(d.*f.Field, f.Length)) {
    case 1: return LangFormat(f.LengthText, {device});
    case 2: return LangFormat(f.CharText, {device});
    default: return QString();
  }
}

// Steps 1 to 8: the device's own values.
QString CheckDevice(const TDeviceLoRa& d, int device) {
  QString error = CheckHex(d, DeviceEUICheck, device);
  if (error.isEmpty()) error = CheckHex(d, JoinEUICheck, device);
  if (!error.isEmpty()) return error;
  if (Trim(d.ActMethod).isEmpty()) return LangFormat(NoActivationText, {device});
  if (d.ActMethod == ActivationABP) {
    for (const THexField& key : ABPKeyChecks)
      if (error = CheckHex(d, key, device); !error.isEmpty()) return error;
  } else if (error = CheckHex(d, AppKeyCheck, device); !error.isEmpty()) {
    return error;
  }
  if (error = CheckHex(d, DevAddCheck, device); !error.isEmpty()) return error;
  const int64_t timeOut = StrToInt64Def(d.DiagTimeOut, -1);
  if (timeOut < 0 || timeOut > MaxDiagTimeOut) return LangFormat(DiagTimeOutText, {device});
  return QString();
}

// Steps 10 to 13: the payload test of an uplink rule that has one.
QString CheckUpLinkTest(const TRuleLoRa& r, int device, int rule) {
  if (Cell(r.StartTest) < 0) return LangFormat(StartTestText, {device, rule});
  const int lenTest = Cell(r.LenTest);
  if (lenTest < 0) return LangFormat(LenTestText, {device, rule});
  const qint64 digits = 2 * qint64(lenTest);
  if (r.HexTest) {
    switch (CheckStringHex(r.ValueTest, digits)) {
      case 1: return LangFormat(HexLengthText, {device, rule, lenTest, digits});
      case 2: return LangFormat(HexCharText, {device, rule});
      default: return QString();
    }
  }
  if (r.ValueTest.size() != lenTest) return LangFormat(TextLengthText, {device, rule, lenTest});
  return QString();
}

// The byte mapping shared by both directions; with the downlink's timer check
// between Number Bytes and Position Byte.
QString CheckMapping(const TRuleLoRa& r, const TRuleTexts& texts, bool downLink, int device, int rule) {
  if (Outside(Cell(r.StartBit), 0, MaxStartByte)) return LangFormat(texts.StartByte, {device, rule});
  const int numBytes = Cell(r.NumBits);
  if (Outside(numBytes, 1, AreaBytes)) return LangFormat(texts.NumberBytes, {device, rule, AreaBytes});
  if (downLink && r.OnTimer && Outside(Cell(r.Time), 0, MaxTime)) return LangFormat(TimeText, {device, rule});
  const int position = Cell(r.PosBit);
  if (Outside(position, 0, AreaBytes - 1)) return LangFormat(texts.PositionByte, {device, rule, AreaBytes - 1});
  if (position + numBytes > AreaBytes) return LangFormat(texts.PositionPlusNumber, {device, rule, AreaBytes});
  return QString();
}

QString CheckRules(const TRuleLoRaList& rules, const TRuleTexts& texts, bool downLink, int device) {
  int rule = 0;
  for (const TRuleLoRa& r : rules) {
    ++rule;
    if (!r.Enable) continue;
    if (Outside(Cell(r.Port), 0, MaxPort)) return LangFormat(texts.Port, {device, rule});
    QString error;
    if (!downLink && !Trim(r.StartTest).isEmpty()) error = CheckUpLinkTest(r, device, rule);
    if (error.isEmpty()) error = CheckMapping(r, texts, downLink, device, rule);
    if (!error.isEmpty()) return error;
  }
  return QString();
}

}  // namespace

int CheckStringHex(const QString& text, qint64 length) {
  const QString s = UpperCase(Trim(text));
  if (s.size() != length) return 1;
  for (QChar c : s)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return 2;
  return 0;
}

QString DeviceListError(std::span<const TDeviceLoRa> devices, bool modeMaster) {
  const size_t count = modeMaster ? devices.size() : std::min<size_t>(devices.size(), 1);
  for (size_t i = 0; i < count; ++i) {
    const TDeviceLoRa& d = devices[i];
    if (d.IsFree()) continue;
    const int device = int(i) + 1;
    QString error = modeMaster ? CheckDevice(d, device) : QString();
    if (error.isEmpty()) error = CheckRules(d.UpLinkRules, UpLinkTexts, false, device);
    if (error.isEmpty()) error = CheckRules(d.DownLinkRules, DownLinkTexts, true, device);
    if (!error.isEmpty()) return error;
  }
  return QString();
}

bool Check_Data(std::span<const TDeviceLoRa> devices, bool modeMaster) {
  const QString error = DeviceListError(devices, modeMaster);
  if (error.isEmpty()) return true;
  MessageDlg(error, mtError, {mbOK});
  return false;
}
