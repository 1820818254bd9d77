// The column grid's two files on any bytes. The first byte chooses: 0 the
// column definition stream, anything else the column position file (an INI
// file) in the bytes after it. A load either refuses, changing nothing, or
// succeeds; the grid then paints, and what it saves loads into a fresh grid
// and saves to the same bytes.
#include "FuzzSupport.h"

#include "grid/core/ColumnSize.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Forms.h"
#include "platform/PropertyStream.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QWidget>

#include <memory>
#include <vector>

namespace {

constexpr int Columns = 4;
const QString Section = QStringLiteral("Cols");

TForm* Host = nullptr;

void FreeHost() {
  delete Host;
  Host = nullptr;
}

// The grids paint on a shown form, as in the program.
TForm& ShownHost() {
  if (!Host) {
    Host = new TForm(nullptr);
    Host->SetClientWidth(340);
    Host->SetClientHeight(140);
    Host->Show();
    qAddPostRoutine(FreeHost);
  }
  return *Host;
}

std::unique_ptr<TPlexColumnGrid> MakeGrid() {
  auto g = std::make_unique<TPlexColumnGrid>(nullptr);
  g->SetParent(&ShownHost());
  g->SetFixedCols(0);
  g->SetColCount(Columns);
  g->SetRowCount(3);
  for (int i = 0; i < Columns; ++i) g->Columns()[i]->SetHeader(QString("H%1").arg(i));
  g->Columns()[1]->SetWidth(90);
  g->Columns()[2]->SetEditor(edComboList);
  g->Columns()[2]->ComboItems().SetCommaText("Off,On");
  g->Columns().SetOrganization();
  g->SetBounds(0, 0, 320, 120);
  return g;
}

QByteArray SavedStream(TPlexColumnGrid& g) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  g.SaveColumnsToStream(buffer);
  return buffer.data();
}

// False when the stream was refused with the reader's error.
bool LoadStream(TPlexColumnGrid& g, QByteArray Data) {
  QBuffer buffer(&Data);
  buffer.open(QIODevice::ReadOnly);
  try {
    g.LoadColumnsFromStream(buffer);
    return true;
  } catch (const EReadError&) {
    return false;
  }
}

void Paint(TPlexColumnGrid& g) { g.Widget()->grab(); }

void Stream(const QByteArray& Data) {
  auto g = MakeGrid();
  const QByteArray before = SavedStream(*g);
  if (!LoadStream(*g, Data)) {
    if (SavedStream(*g) != before) std::abort();
    return;
  }
  Paint(*g);
  const QByteArray saved = SavedStream(*g);
  auto again = MakeGrid();
  if (!LoadStream(*again, saved)) std::abort();
  Paint(*again);
  if (SavedStream(*again) != saved) std::abort();
}

struct TArrangement {
  std::vector<int> DefIdx;
  QStringList Headers;
  bool operator==(const TArrangement&) const = default;
};

TArrangement Arrangement(TPlexColumnGrid& g) {
  TArrangement a;
  for (int i = 0; i < g.Columns().Count(); ++i) {
    a.DefIdx.push_back(g.Columns()[i]->DefIdx);
    a.Headers << g.Cells(i, 0);
  }
  return a;
}

void Positions(const QByteArray& Data) {
  const QString file = fuzz::ScratchFolder() + "/positions.ini";
  const QString saved = fuzz::ScratchFolder() + "/saved.ini";
  const QString again = fuzz::ScratchFolder() + "/again.ini";
  fuzz::WriteFile(file, Data);
  QFile::remove(saved);
  QFile::remove(again);

  auto g = MakeGrid();
  const TArrangement before = Arrangement(*g);
  g->LoadColumnPositions(file, Section);
  const TArrangement loaded = Arrangement(*g);
  // Either nothing moved, or every position holds one definition.
  if (!(loaded == before)) {
    std::vector<bool> seen(Columns, false);
    for (int v : loaded.DefIdx) {
      if (v < 0 || v >= Columns || seen[size_t(v)]) std::abort();
      seen[size_t(v)] = true;
    }
  }
  Paint(*g);
  g->SaveColumnPositions(saved, Section);
  auto fresh = MakeGrid();
  fresh->LoadColumnPositions(saved, Section);
  if (!(Arrangement(*fresh) == loaded)) std::abort();
  fresh->SaveColumnPositions(again, Section);
  if (fuzz::ReadFile(again) != fuzz::ReadFile(saved)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::EnsureApplication();
  if (size == 0) return 0;
  const QByteArray rest = fuzz::Bytes(data + 1, size - 1);
  if (data[0] == 0)
    Stream(rest);
  else
    Positions(rest);
  return 0;
}
