// A grid cell stream of any bytes: loading it into a small grid either places
// cells or raises the stream's own error; it never crashes, reads out of
// bounds or allocates what a length field claims.
#include "FuzzSupport.h"

#include "grid/core/PlexStringGrid.h"
#include "grid/features/CellStream.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (bool atPoint : {false, true}) {
    TPlexStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(4);
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    try {
      if (atPoint)
        grid.LoadAtPointFromBinStream(TPoint(1, 1), buffer);
      else
        grid.LoadFromBinStream(buffer);
    } catch (const Exception&) {
    }
  }
  return 0;
}
