// Delimited text of any bytes read into a small grid, plain and in the
// JavaCSV form: cells are placed or "File is empty" is raised; no crash, no
// read out of bounds, no size taken from the input beyond the grid's bounds.
#include "FuzzSupport.h"

#include "grid/core/PlexStringGrid.h"
#include "grid/features/FloatingFooter.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::EnsureApplication();
  const QByteArray bytes = fuzz::Bytes(data, size);
  for (bool java : {false, true}) {
    TPlexStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.JavaCSV = java;
    grid.OemConvert = java;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
      grid.LoadFromCSVStream(buffer, java ? 5 : 0);
    } catch (const Exception&) {
    }
  }
  const QString path = fuzz::ScratchFolder() + "/insert.csv";
  fuzz::WriteFile(path, bytes);
  TPlexStringGrid grid(nullptr);
  grid.SetColCount(2);
  grid.SetRowCount(4);
  grid.FloatingFooter().SetVisible(true);
  try {
    grid.InsertFromCSV(path);
  } catch (const Exception&) {
  }
  return 0;
}
