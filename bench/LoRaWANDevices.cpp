// The LoRaWAN editor's file work for a full gateway project (1,000 devices
// with 5 uplink and 5 downlink rules each): Save_Configuration against writing
// the same document alone (goal at most 2x), and Load_Configuration against
// parsing the file alone.
#include "lorawan/LoRaWANDevices.h"
#include "common/ShellState.h"
#include "platform/Files.h"
#include "platform/Xml.h"

#include <QCoreApplication>
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

void FillDevices(TLoRaWANDevices& model) {
  int n = 0;
  for (TDeviceLoRa& d : model.DeviceList()) {
    d.DeviceEUI = QString::number(0x70B3D57ED0000000ull + n, 16).toUpper();
    d.JoinEUI = "70B3D57ED0000001";
    d.DeviceName = QString("Sensor %1").arg(n);
    d.ActMethod = ActivationABP;
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

class TBenchProject {
public:
  TBenchProject() {
    ProjectFolder = FDir.path();
    ParGenFile = ProjectFolder + "/ParGen.xml";
    LoRaWANGatewayFile = ProjectFolder + "/LoRaWAN_Gateway.xml";
    FillDevices(*Model);
    Model->Save_Configuration();
  }
  std::unique_ptr<TLoRaWANDevices> Model = std::make_unique<TLoRaWANDevices>();

private:
  QTemporaryDir FDir;
};

TBenchProject& Project() {
  static TBenchProject project;
  return project;
}

void BM_SaveConfiguration(benchmark::State& state) {
  TLoRaWANDevices& model = *Project().Model;
  for (auto _ : state) benchmark::DoNotOptimize(model.Save_Configuration());
}
BENCHMARK(BM_SaveConfiguration)->Unit(benchmark::kMillisecond);

void BM_WriteXmlOnly(benchmark::State& state) {
  Project();
  TXmlDocument xml;
  xml.LoadFromFile(LoRaWANGatewayFile);
  for (auto _ : state) benchmark::DoNotOptimize(xml.SaveToFile(LoRaWANGatewayFile));
}
BENCHMARK(BM_WriteXmlOnly)->Unit(benchmark::kMillisecond);

void BM_LoadConfiguration(benchmark::State& state) {
  Project();
  auto model = std::make_unique<TLoRaWANDevices>();
  for (auto _ : state) {
    model->Clear_Devices();
    model->ModeMaster = model->Is_a_Master();
    benchmark::DoNotOptimize(model->Load_Configuration());
  }
}
BENCHMARK(BM_LoadConfiguration)->Unit(benchmark::kMillisecond);

void BM_LoadXmlOnly(benchmark::State& state) {
  Project();
  for (auto _ : state) {
    TXmlDocument xml;
    benchmark::DoNotOptimize(xml.LoadFromFile(LoRaWANGatewayFile));
  }
}
BENCHMARK(BM_LoadXmlOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
