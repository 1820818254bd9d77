// Loading a generated CSV file of about 100 MB (8 fields a line) into a
// string grid, against reading the same file into memory and decoding it to
// text the way the loader decodes it, in the same run. Goal: at most 3x.
#include "grid/core/PlexStringGrid.h"
#include "platform/Files.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

const QString& CsvPath() {
  static QTemporaryDir dir;
  static const QString path = [] {
    const QString p = dir.filePath("big.csv");
    const qint64 target = std::getenv("CSV_BENCH_MB") ? std::atoll(std::getenv("CSV_BENCH_MB")) << 20 : 100 << 20;
    QByteArray data;
    data.reserve(target + 200);
    for (int line = 0; data.size() < target; ++line) {
      for (int f = 0; f < 8; ++f) {
        if (f) data += ',';
        data += "field" + QByteArray::number(line) + "_" + QByteArray::number(f);
      }
      data += "\r\n";
    }
    if (!WriteFileAtomic(p, data)) std::abort();
    return p;
  }();
  return path;
}

void BM_ReadAndDecode(benchmark::State& state) {
  const QString path = CsvPath();
  for (auto _ : state) {
    QByteArray bytes;
    if (!ReadFileBytes(path, bytes)) std::abort();
    const QString text = DecodeText(bytes, nullptr, false);
    benchmark::DoNotOptimize(text.size());
  }
}

void BM_LoadFromCSV(benchmark::State& state) {
  const QString path = CsvPath();
  for (auto _ : state) {
    TPlexStringGrid grid(nullptr);
    grid.LoadFromCSV(path);
    benchmark::DoNotOptimize(grid.RowCount());
  }
}

}  // namespace

BENCHMARK(BM_ReadAndDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromCSV)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
