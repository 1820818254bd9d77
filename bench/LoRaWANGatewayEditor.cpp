// Opening the LoRaWAN editor on a full gateway project (1,000 devices with 5
// uplink and 5 downlink rules each): the showing resets, loads and fills the
// grids, against parsing the same file alone (goal at most 3x).
#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "lorawan/ULoRaWAN_Gateway.h"
#include "platform/Xml.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int RulesPerList = 5;

TRuleLoRa Rule(int i, bool downLink) {
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

class TBenchProject {
public:
  TBenchProject() {
    FillDefaultTexts();
    ProjectFolder = FDir.path();
    ParGenFile = ProjectFolder + "/ParGen.xml";
    LoRaWANGatewayFile = ProjectFolder + "/LoRaWAN_Gateway.xml";
    TLoRaWANDevices model;
    int n = 0;
    for (TDeviceLoRa& d : model.DeviceList()) {
      d.DeviceEUI = QString::number(0x70B3D57ED0000000ull + n, 16).toUpper();
      d.JoinEUI = "70B3D57ED0000001";
      d.DeviceName = QString("Sensor %1").arg(n);
      d.ActMethod = n % 2 ? ActivationABP : ActivationOTAA;
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
    model.Save_Configuration();
    Form = std::make_unique<TFLoRaWAN_Gateway>(nullptr);
    Form->DoCreate();
  }
  std::unique_ptr<TFLoRaWAN_Gateway> Form;

private:
  QTemporaryDir FDir;
};

TBenchProject& Project() {
  static TBenchProject project;
  return project;
}

void BM_OpenEditor(benchmark::State& state) {
  TFLoRaWAN_Gateway& form = *Project().Form;
  for (auto _ : state) {
    form.Show();
    QApplication::processEvents();
    state.PauseTiming();
    form.Hide();
    state.ResumeTiming();
  }
  benchmark::DoNotOptimize(form.DeviceList()[999].UpLinkRules.size());
}
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond);

void BM_ParseXmlOnly(benchmark::State& state) {
  Project();
  for (auto _ : state) {
    TXmlDocument xml;
    benchmark::DoNotOptimize(xml.LoadFromFile(LoRaWANGatewayFile));
  }
}
BENCHMARK(BM_ParseXmlOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  Project().Form.reset();
  benchmark::Shutdown();
  return 0;
}
