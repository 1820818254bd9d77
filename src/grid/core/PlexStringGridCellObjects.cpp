// The cell objects other than check boxes and radio buttons: radio groups,
// expand buttons, pictures, images, buttons, balloons, progress bars,
// comments, shapes, ratings, in-cell scroll bars and text markers. Each Add
// replaces the cell's graphic; objects handed in stay the caller's.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/ControlLook.h"
#include "grid/core/InterfacedPersistent.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "platform/Graphics.h"

#include <cmath>

namespace {

TCellGraphic* OfKind(TCellGraphic* G, TCellType Kind) { return G && G->CellType == Kind ? G : nullptr; }

constexpr TSet<TCellType> BalloonCarriers{ctCheckBox, ctDataCheckBox, ctRadioButton};

}  // namespace

// ---- radio groups

void TPlexStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* sl) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->CellType = ctRadio;
  g->CellBitmap = sl;
  g->CellAngle = sl ? sl->Count() : 0;
  g->CellBoolean = DirRadio != 0;
  g->CellIndex = IdxRadio;
  g->CellVar = IdxRadio;
}

TStrings* TPlexStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio) {
  auto list = std::make_unique<TStringList>();
  AddRadio(ACol, ARow, DirRadio, IdxRadio, list.get());
  TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctRadio);
  if (!g || g->CellBitmap != list.get()) return nullptr;
  g->CellCreated = true;
  return list.release();
}

// Only a radio group's selection is read or written here; another kind's
// CellIndex means something else (a colour, a size, an image) and stays.
bool TPlexStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio) {
  const TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctRadio);
  if (!g) return false;
  IdxRadio = g->CellIndex;
  return true;
}

bool TPlexStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio) {
  TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctRadio);
  if (!g) return false;
  g->CellIndex = IdxRadio;
  if (IdxRadio == -1) SetCellEx(ACol, ARow, QString());
  RepaintDisplayedCell(ACol, ARow);
  return true;
}

TStrings* TPlexStringGrid::GetRadioStrings(int ACol, int ARow) {
  if (!IsRadio(ACol, ARow)) return nullptr;
  const TPoint base = BaseCell(ACol, ARow);
  return GetCellGraphic(base.X, base.Y)->Strings();
}

void TPlexStringGrid::SelectNextRadio(int ACol, int ARow, bool ByUser) {
  TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctRadio);
  if (!g) return;
  if (ByUser && !FControlLook->RadioAlwaysActive && !CanEditCellNow(ACol, ARow)) return;
  const TStringList* options = g->Strings();
  if (!options || options->Count() == 0) return;
  int next = g->CellIndex >= 0 ? g->CellIndex + 1 : options->IndexOf(GetCellEx(ACol, ARow)) + 1;
  if (next >= options->Count()) next = 0;
  if (g->CellIndex >= -1) g->CellIndex = next;
  g->CellVar = next;
  SetCellEx(ACol, ARow, (*options)[next]);
}

// ---- expand buttons

void TPlexStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->CellType = ctExpand;
  g->CellAngle = ExpandedHeight;
  g->CellIndex = RowHeights(ARow);
  g->CellVar = false;
}

bool TPlexStringGrid::ToggleExpand(int ACol, int ARow) {
  if (!HasExpand(ACol, ARow)) return false;
  const TPoint base = BaseCell(ACol, ARow);
  TCellGraphic* g = GetCellGraphic(base.X, base.Y);
  g->CellVar = !g->ExpandState();
  return g->ExpandState();
}

bool TPlexStringGrid::GetExpandState(int ACol, int ARow) {
  if (!HasExpand(ACol, ARow)) return false;
  const TPoint base = BaseCell(ACol, ARow);
  return GetCellGraphic(base.X, base.Y)->ExpandState();
}

int TPlexStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded) {
  if (!HasExpand(ACol, ARow)) return DefaultRowHeight();
  const TPoint base = BaseCell(ACol, ARow);
  const TCellGraphic* g = GetCellGraphic(base.X, base.Y);
  return Expanded ? g->CellAngle : g->CellIndex;
}

TRect TPlexStringGrid::ExpandRectIn(const TRect& CellR) {
  return TRect(CellR.Right - 13, CellR.Top + 2, CellR.Right - 2, CellR.Top + 13);
}

TRect TPlexStringGrid::GetExpandRect(int ACol, int ARow) {
  if (!HasExpand(ACol, ARow)) return TRect();
  return ExpandRectIn(CellRect(RealToDisplayCol(ACol), ARow));
}

// ---- buttons (these three take a displayed column)

TRect TPlexStringGrid::GetCellButtonRect(int ACol, int ARow) {
  const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
  if (!g) return TRect();
  const TRect cell = CellRect(ACol, ARow);
  const auto drawnAt = uint32_t(std::lround(g->CellValue));
  TRect r(cell.Left + int(drawnAt & 0xFFFF), cell.Top + int(drawnAt >> 16), 0, 0);
  r.Right = r.Left + g->ButtonWidth();
  r.Bottom = r.Top + g->ButtonHeight();
  if (g->CellVAlign == vaFull) {
    r.Top = cell.Top;
    r.Bottom = cell.Bottom;
  }
  if (g->CellHAlign == haFull) {
    r.Left = cell.Left;
    r.Right = cell.Right;
  }
  return r;
}

void TPlexStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                                TCellVAlign val) {
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetButton(bw, bh, Caption, hal, val);
}

void TPlexStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TBitmap* Glyph,
                                   TCellHAlign hal, TCellVAlign val) {
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* TPlexStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption,
                                          TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return nullptr;
  auto* glyph = new TBitmap;
  g->SetBitButton(bw, bh, Caption, glyph, hal, val);
  g->CellCreated = true;
  return glyph;
}

void TPlexStringGrid::SetButtonText(int ACol, int ARow, const QString& Caption) {
  if (TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow)) {
    g->CellText = Caption;
    RepaintCell(ACol, ARow);
  }
}

QString TPlexStringGrid::GetButtonText(int ACol, int ARow) {
  const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
  return g ? g->CellText : QString();
}

void TPlexStringGrid::PushButton(int ACol, int ARow, bool Push) {
  TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
  if (!g || g->CellType == ctNode) return;
  g->CellBoolean = Push;
  RepaintCell(ACol, ARow);
}

void TPlexStringGrid::RemoveButton(int ACol, int ARow) {
  if (!RemoveCellGraphicOfType(ACol, ARow, ctButton)) RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TPlexStringGrid::RemoveAllButtons() {
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c)
      if (HasButton(RealColIndex(c), r)) RemoveButton(RealColIndex(c), r);
}

// ---- pictures, bitmaps, icons, images

void TPlexStringGrid::AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                                TCellVAlign val) {
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TPlexStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return nullptr;
  auto* bmp = new TBitmap;
  g->SetBitmap(bmp, Transparent, hal, val);
  g->CellCreated = true;
  return bmp;
}

TBitmap* TPlexStringGrid::GetBitmap(int ACol, int ARow) {
  const TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctBitmap);
  return g ? g->Bitmap() : nullptr;
}

void TPlexStringGrid::AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                                 int Padding, TCellHAlign hal, TCellVAlign val) {
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
    g->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TPicture* TPlexStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                         TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return nullptr;
  auto* picture = new TPicture;
  g->SetPicture(picture, Transparent, StretchMode, Padding, hal, val);
  g->CellCreated = true;
  return picture;
}

TPicture* TPlexStringGrid::GetPicture(int ACol, int ARow) {
  const TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctPicture);
  return g ? g->Picture() : nullptr;
}

void TPlexStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                                     TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val) {
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
    g->SetFilePicture(AFilePicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TPlexStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                                 int Padding, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return nullptr;
  auto* picture = new TFilePicture;
  g->SetFilePicture(picture, Transparent, StretchMode, Padding, hal, val);
  g->CellCreated = true;
  return picture;
}

TFilePicture* TPlexStringGrid::GetFilePicture(int ACol, int ARow) {
  const TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctFilePicture);
  return g ? g->FilePicture() : nullptr;
}

void TPlexStringGrid::AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val) {
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetIcon(AIcon, hal, val);
}

TIcon* TPlexStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return nullptr;
  auto* icon = new TIcon;
  g->SetIcon(icon, hal, val);
  g->CellCreated = true;
  return icon;
}

void TPlexStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
  if (!FGridImages) return;
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetImageIdx(Aidx, hal, val);
}

bool TPlexStringGrid::GetImageIdx(int ACol, int ARow, int& Idx) {
  const TCellGraphic* g = FGridImages ? OfKind(GetCellGraphic(ACol, ARow), ctImageList) : nullptr;
  if (!g) return false;
  Idx = g->CellIndex;
  return true;
}

void TPlexStringGrid::SetImageIdx(int ACol, int ARow, int Idx) {
  if (TCellGraphic* g = FGridImages ? OfKind(GetCellGraphic(ACol, ARow), ctImageList) : nullptr) g->CellIndex = Idx;
}

void TPlexStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
  if (!FGridImages) return;
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->SetDataImage(Aidx, hal, val);
  if (GetCellEx(ACol, ARow).isEmpty()) SetCellEx(ACol, ARow, QString::number(Aidx));
}

void TPlexStringGrid::RemoveDataImage(int ACol, int ARow) {
  if (RemoveCellGraphicOfType(ACol, ARow, ctDataImage)) SetCellEx(ACol, ARow, QString());
}

void TPlexStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val) {
  if (!FGridImages) return;
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
    g->SetMultiImage(ACol, ARow, Dir, hal, val,
                     [this](TObject*, int c, int r) { RepaintCell(RealToDisplayCol(c), r); });
}

void TPlexStringGrid::AddInterfacedCell(int ACol, int ARow, TInterfacedPersistent* AObject) {
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetInterfacedCell(AObject);
}

TInterfacedPersistent* TPlexStringGrid::GetInterfacedCell(int ACol, int ARow) {
  const TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctInterface);
  return g ? g->Interfaced() : nullptr;
}

// ---- balloons: on a check box or radio button they hang on its graphic

void TPlexStringGrid::AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g && !BalloonCarriers.Contains(g->CellType)) return;
  auto list = std::make_unique<TStringList>();
  list->Add(Title);
  list->Add(Text);
  if (g) {
    if (g->HasAttachedBalloon()) delete g->CellBitmap;
    g->CellAngle = 1;
  } else {
    g = CreateCellGraphic(ACol, ARow);
    if (!g) return;
    g->CellType = ctBalloon;
  }
  g->CellBitmap = list.release();
  g->CellIndex = Icon;
}

void TPlexStringGrid::RemoveBalloon(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g && g->HasAttachedBalloon()) {
    delete g->CellBitmap;
    g->CellBitmap = nullptr;
    g->CellAngle = 0;
    return;
  }
  RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

bool TPlexStringGrid::IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon) {
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g || !(g->CellType == ctBalloon || g->HasAttachedBalloon())) return false;
  const TStringList* list = g->Strings();
  Title = list && list->Count() > 0 ? (*list)[0] : QString();
  Text = list && list->Count() > 1 ? (*list)[1] : QString();
  Icon = TBalloonIcon(g->CellIndex);
  return true;
}
