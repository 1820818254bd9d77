// Start-up to a shown main window: the 42 forms created in their order, the
// texts loaded, the settings read and the main window shown and painted,
// against a bare Qt window of the same size shown the same way. Measured twice:
// as whole program starts (a process that shows its window, takes a picture of
// it and ends, as a user sees it) and inside one process (the work of the
// start alone, with Qt already initialised).
#include "app/UStartup.h"
#include "common/ShellState.h"
#include "platform/Application.h"
#include "platform/Files.h"
#include "platform/FontSubstitutes.h"
#include "platform/Forms.h"
#include "platform/Screenshot.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

void ShowAndPaint(QWidget* w) {
  w->show();
  w->repaint();
  QCoreApplication::processEvents();
}

void BM_ProgramStartToShownMainWindow(benchmark::State& state) {
  QTemporaryDir folder;
  SetProgramFolderOverride(folder.path());
  for (auto _ : state) {
    ResetShellState();
    CreateForms();
    ShowAndPaint(Application()->MainForm()->Widget());
    state.PauseTiming();
    DestroyApplication();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  ResetShellState();
  SetProgramFolderOverride(QString());
}
BENCHMARK(BM_ProgramStartToShownMainWindow)->Unit(benchmark::kMillisecond);

void BM_BareQtWindowOfTheSameSize(benchmark::State& state) {
  for (auto _ : state) {
    auto w = std::make_unique<QWidget>();
    w->setWindowTitle("bare");
    w->resize(694, 396);
    ShowAndPaint(w.get());
    state.PauseTiming();
    w.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BareQtWindowOfTheSameSize)->Unit(benchmark::kMillisecond);

constexpr const char* BareWindowArg = "--bare-window";

// Starts `program` with the screenshot variables so it ends once its window is shown.
void RunUntilWindowShown(benchmark::State& state, const QString& program, const QStringList& args,
                         const QString& folder) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("QUILLORE_SCREENSHOT", folder + "/shot.png");
  env.insert("QUILLORE_SCREENSHOT_DELAY_MS", "0");
  for (auto _ : state) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(program, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
      state.SkipWithError("the program did not show its window");
      break;
    }
  }
}

void BM_ProcessStartOfTheProgram(benchmark::State& state) {
  // The program folder is the executable's own, so it runs from a copy.
  QTemporaryDir folder;
  const QString program = folder.path() + "/quillore";
  QFile::copy(QCoreApplication::applicationDirPath() + "/quillore", program);
  RunUntilWindowShown(state, program, {}, folder.path());
}
BENCHMARK(BM_ProcessStartOfTheProgram)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ProcessStartOfABareQtWindow(benchmark::State& state) {
  QTemporaryDir folder;
  RunUntilWindowShown(state, QCoreApplication::applicationFilePath(), {BareWindowArg}, folder.path());
}
BENCHMARK(BM_ProcessStartOfABareQtWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

int RunBareWindow(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget w;
  w.resize(694, 396);
  w.show();
  ScheduleStartupScreenshot(&w);
  return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (argc > 1 && std::string(argv[1]) == BareWindowArg) return RunBareWindow(argc, argv);
  QApplication app(argc, argv);
  SubstituteFormFonts();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
