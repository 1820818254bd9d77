// Any bytes as a project table file, read by the table editors' reader into
// two layouts: one table of a column grid in the root, and two sections of
// string grids with check-box cells. A file that does not parse is refused
// with a message and changes no cell; a missing required attribute stops with
// a message. The grid paints what was read, and what is then written reads
// back without a message and writes to the same bytes.
#include "FuzzSupport.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "common/tables/ProjectTableFile.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/Xml.h"

#include <QCoreApplication>
#include <QWidget>

#include <memory>
#include <vector>

namespace {

constexpr int DataRows = 4;
constexpr int RealColumns = 6;
constexpr int HiddenColumn = 4;
constexpr TTableFileColumn FileColumns[] = {
    {1, u"Enable", u"Y"}, {2, u"Name"}, {3, u"Value", u"0"}, {4, u"Note", u""}, {5, u"Extra", u"N"}};

TForm* Host = nullptr;

void FreeHost() {
  delete Host;
  Host = nullptr;
}

// The grids paint on a shown form, as in the editors.
TForm& ShownHost() {
  if (!Host) {
    Host = new TForm(nullptr);
    Host->SetClientWidth(380);
    Host->SetClientHeight(140);
    Host->Show();
    qAddPostRoutine(FreeHost);
  }
  return *Host;
}

template <class G>
std::unique_ptr<G> MakeGrid(bool CheckBoxes) {
  auto grid = std::make_unique<G>(nullptr);
  grid->SetParent(&ShownHost());
  grid->SetColCount(RealColumns);
  grid->SetRowCount(DataRows + 1);
  grid->HideColumn(HiddenColumn);
  grid->AddCheckBoxColumn(1, false, !CheckBoxes);
  if (CheckBoxes) grid->AddCheckBoxColumn(5, false, false);
  grid->SetBounds(0, 0, 360, 120);
  return grid;
}

// One editor's grids and file description.
struct TEditor {
  std::vector<std::unique_ptr<TPlexStringGrid>> Grids;
  TProjectTableFile File;

  explicit TEditor(bool Sections) {
    File.Root = "Root";
    if (!Sections) {
      Grids.push_back(MakeGrid<TPlexColumnGrid>(false));
      File.Tables.push_back({Grids[0].get(), QString(), FileColumns, 2, false});
      return;
    }
    File.RowElement = "Row";
    for (const char* section : {"Read", "Write"}) {
      Grids.push_back(MakeGrid<TPlexStringGrid>(true));
      File.Tables.push_back({Grids.back().get(), section, FileColumns, 2, true});
    }
  }

  // Every cell and check box, hidden column included.
  QStringList Cells() const {
    QStringList cells;
    for (const TTableFileSection& t : File.Tables)
      for (int r = 0; r < t.Grid->RowCount(); ++r)
        for (int c = 0; c < t.Grid->AllColCount(); ++c) cells << t.CellText(c, r);
    return cells;
  }
};

void Check(const QString& Path, bool Sections, TScriptedDialogService& Dialogs) {
  TEditor editor(Sections);
  const QStringList before = editor.Cells();
  Dialogs.ClearRecords();
  TXmlDocument xml;
  const bool loaded = editor.File.Load(xml, Path);
  if (!loaded && Dialogs.Records().empty()) std::abort();
  TXmlDocument probe;
  if (!probe.LoadFromFile(Path)) {
    if (loaded || editor.Cells() != before) std::abort();
    return;
  }
  for (const auto& grid : editor.Grids) grid->Widget()->grab();

  const QByteArray saved = editor.File.Bytes();
  const QString again = Path + ".again";
  fuzz::WriteFile(again, saved);
  TEditor reread(Sections);
  Dialogs.ClearRecords();
  TXmlDocument xml2;
  if (!reread.File.Load(xml2, again) || !Dialogs.Records().empty()) std::abort();
  if (reread.File.Bytes() != saved) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::EnsureApplication();
  static TScriptedDialogScope dialogs;
  static const bool texts = (FillDefaultTexts(), true);
  (void)texts;
  const QString path = fuzz::ScratchFolder() + "/Table.xml";
  fuzz::WriteFile(path, fuzz::Bytes(data, size));
  Check(path, false, dialogs.Service());
  Check(path, true, dialogs.Service());
  return 0;
}
