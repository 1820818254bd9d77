// The LoRaWAN editor's file work for a full gateway project (1,000 devices
// with 5 uplink and 5 downlink rules each): Save_Configuration against writing
// the same document alone (goal at most 2x), and Load_Configuration against
// parsing the file alone.
#include "LoRaWANBenchProject.h"
#include "platform/Files.h"
#include "platform/Xml.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class TBenchProject {
public:
  TBenchProject() {
    bench::FillDevices(*Model, false);
    Model->Save_Configuration();
  }

private:
  bench::TProjectFolder FFolder;

public:
  std::unique_ptr<TLoRaWANDevices> Model = std::make_unique<TLoRaWANDevices>();
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
