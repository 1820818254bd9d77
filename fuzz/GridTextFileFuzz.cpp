// The grid's own text format of any bytes, as a file (encoding by its mark,
// lenient numbers) and as a stream (strict numbers): the grid is sized within
// its bounds and filled, or the load ends in the format's own error.
#include "FuzzSupport.h"

#include "grid/core/PlexStringGrid.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::EnsureApplication();
  const QByteArray bytes = fuzz::Bytes(data, size);
  const QString path = fuzz::ScratchFolder() + "/grid.txt";
  fuzz::WriteFile(path, bytes);
  for (bool multiline : {false, true}) {
    TPlexStringGrid grid(nullptr);
    grid.Multilinecells = multiline;
    grid.SaveFixedCells = multiline;
    try {
      grid.LoadFromFile(path);
    } catch (const Exception&) {
    }
  }
  TPlexStringGrid grid(nullptr);
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  try {
    grid.LoadFromStream(buffer);
  } catch (const Exception&) {
  }
  return 0;
}
