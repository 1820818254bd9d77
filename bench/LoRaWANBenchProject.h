// A full gateway project for the LoRaWAN benchmarks: 1,000 devices with 5
// uplink and 5 downlink rules each, written into a fresh project folder.
#pragma once

#include "common/ShellState.h"
#include "lorawan/LoRaWANDevices.h"

#include <QString>
#include <QTemporaryDir>

namespace bench {

constexpr int RulesPerList = 5;

inline TRuleLoRa Rule(int i, bool downLink) {
  TRuleLoRa r;
  r.Port = QString::number(i % 65536);
  if (!downLink) {
    r.StartTest = "0";
    r.LenTest = "4";
    r.HexTest = true;
    r.ValueTest = "0A0B0C0D";
  } else {
    r.OnChange = r.OnTimer = true;
    r.Time = "60000";
  }
  r.StartBit = QString::number(i % 100);
  r.NumBits = "4";
  r.PosBit = QString::number(i % 1500);
  r.Mnemonic = QString("rule %1").arg(i);
  return r;
}

// Every device of the model filled; with AlternateActivation every other one joins by OTAA.
inline void FillDevices(TLoRaWANDevices& model, bool AlternateActivation) {
  int n = 0;
  for (TDeviceLoRa& d : model.DeviceList()) {
    d.DeviceEUI = QString::number(0x70B3D57ED0000000ull + n, 16).toUpper();
    d.JoinEUI = "70B3D57ED0000001";
    d.DeviceName = QString("Sensor %1").arg(n);
    d.ActMethod = AlternateActivation && n % 2 == 0 ? ActivationOTAA : ActivationABP;
    d.NetSessKey = "000102030405060708090A0B0C0D0E0F";
    d.AppSessKey = "F0E0D0C0B0A090807060504030201000";
    d.DevAdd = QString::number(0x26000000 + n, 16).toUpper();
    d.ClassLoRa = "A";
    d.DiagTimeOut = "600000";
    d.RX2Datarate = "SF12BW125";
    for (int r = 0; r < RulesPerList; ++r) {
      d.UpLinkRules.push_back(Rule(n * 10 + r, false));
      d.DownLinkRules.push_back(Rule(n * 10 + r, true));
    }
    ++n;
  }
}

// Points the shell's project files into a folder of its own for the run.
class TProjectFolder {
public:
  TProjectFolder() {
    ProjectFolder = FDir.path();
    ParGenFile = ProjectFolder + "/ParGen.xml";
    LoRaWANGatewayFile = ProjectFolder + "/LoRaWAN_Gateway.xml";
  }

private:
  QTemporaryDir FDir;
};

}  // namespace bench
