// Opening the LoRaWAN editor on a full gateway project (1,000 devices with 5
// uplink and 5 downlink rules each): the showing resets, loads and fills the
// grids, against parsing the same file alone (goal at most 3x).
#include "LoRaWANBenchProject.h"
#include "common/ULanguage.h"
#include "lorawan/ULoRaWAN_Gateway.h"
#include "platform/Xml.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class TBenchProject {
public:
  TBenchProject() {
    FillDefaultTexts();
    TLoRaWANDevices model;
    bench::FillDevices(model, true);
    model.Save_Configuration();
    Form = std::make_unique<TFLoRaWAN_Gateway>(nullptr);
    Form->DoCreate();
  }
  std::unique_ptr<TFLoRaWAN_Gateway> Form;

private:
  bench::TProjectFolder FFolder;
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
