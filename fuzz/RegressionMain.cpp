// Runs every file of the given corpus folders (or files) through a fuzz target
// once, so the regression inputs are checked as ordinary tests without libFuzzer.
// The toolkit lives for the run, as in the test programs, for the readers that
// live in a form.
#include <QApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void RunFile(const std::filesystem::path& file) {
  std::printf("%s\n", file.filename().c_str());
  std::fflush(stdout);
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  int appArgc = 1;
  QApplication app(appArgc, argv);
  int runs = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path path(argv[i]);
    if (!std::filesystem::exists(path)) {
      std::fprintf(stderr, "no such corpus: %s\n", argv[i]);
      return 1;
    }
    if (std::filesystem::is_directory(path)) {
      for (const auto& entry : std::filesystem::recursive_directory_iterator(path))
        if (entry.is_regular_file()) RunFile(entry.path()), ++runs;
    } else {
      RunFile(path);
      ++runs;
    }
  }
  std::printf("%d inputs\n", runs);
  return runs > 0 ? 0 : 1;
}
