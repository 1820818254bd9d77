// The graphic object of a cell: making, finding, testing and removing it,
// the size it claims, and the display text that links and group counts add.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/ControlLook.h"
#include "grid/core/InterfacedPersistent.h"
#include "grid/features/Grouping.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/TextRoutines.h"
#include "platform/ImageList.h"
#include "platform/SysUtils.h"

#include <algorithm>

namespace {

// First hit wins, in this order.
constexpr const char* UrlPrefixes[] = {"HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://", "FTP://"};

constexpr TSet<TCellType> CheckBoxKinds{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox};
constexpr TSet<TCellType> DataCheckBoxKinds{ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox};
// The kinds a click or a key acts on; bit buttons and expand buttons have their own handling.
constexpr TSet<TCellType> ClickableKinds{ctCheckBox,     ctDataCheckBox, ctRadio,       ctButton,
                                         ctVirtCheckBox, ctRowCheckBox,  ctRadioButton, ctTriStateCheckBox};
constexpr TSet<TCellType> TextAsGraphicKinds{ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox};

bool IsSharedKind(TCellType Kind) { return Kind == ctVirtCheckBox || Kind == ctRowCheckBox; }

}  // namespace

// ---- making and finding

TCellGraphic* TPlexStringGrid::CreateCellGraphic(int ACol, int ARow) {
  if (!InCellStore(ACol, ARow)) return nullptr;
  // Only the cell's own graphic goes; the shared ones never sit in a slot.
  if (TCellProperties* p = PropsOf(ACol, ARow)) {
    if (auto* old = dynamic_cast<TCellGraphic*>(p->GraphicObject)) {
      p->GraphicObject = nullptr;
      if (!IsSharedKind(old->CellType)) delete old;
    }
  }
  auto graphic = std::make_unique<TCellGraphic>();
  SetGraphicObjectEx(ACol, ARow, graphic.get());
  if (GetGraphicObjectEx(ACol, ARow) != graphic.get()) return nullptr;
  if (FNumHiddenColumns > 0 && RealToDisplayCol(ACol) != ACol) RepaintCell(RealToDisplayCol(ACol), ARow);
  return graphic.release();
}

TCellGraphic* TPlexStringGrid::GetCellGraphic(int ACol, int ARow) {
  if (ACol == 0 && FMouseActions->HotmailRowSelect()) {
    TCellGraphic& g = *FCellGraphic;
    g.CellType = ctRowCheckBox;
    g.CellTransparent = FControlLook->ControlStyle() == csFlat;
    if (ARow == 0) {
      const int selected = RowSelectCount();
      const int normal = RowCount() - FixedRows();
      g.CellAngle = selected > 0 && selected < normal ? 1 : 0;
      g.CellBoolean = selected >= normal;
    } else {
      g.CellAngle = 0;
      g.CellBoolean = RowSelect(RealRowIndex(ARow));
    }
    return &g;
  }
  if (!HasCellProperties(ACol, ARow)) return nullptr;
  return dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
}

bool TPlexStringGrid::RemoveCellGraphic(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return false;
  if (TCellProperties* p = PropsOf(ACol, ARow); p && p->GraphicObject == g) p->GraphicObject = nullptr;
  if (!IsSharedKind(g->CellType)) delete g;
  if (!FDestroying) RepaintCell(RealToDisplayCol(ACol), ARow);
  return true;
}

bool TPlexStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType) {
  return GetCellType(ACol, ARow) == AType && RemoveCellGraphic(ACol, ARow);
}

// ---- kind tests

bool TPlexStringGrid::BaseCellTypeInSet(int ACol, int ARow, TSet<TCellType> Kinds) {
  if (ACol < 0 || ARow < 0) return false;
  const TPoint base = BaseCell(ACol, ARow);
  const TCellGraphic* g = GetCellGraphic(base.X, base.Y);
  return g && Kinds.Contains(g->CellType);
}

bool TPlexStringGrid::HasDataCheckBox(int ACol, int ARow) { return BaseCellTypeInSet(ACol, ARow, DataCheckBoxKinds); }
bool TPlexStringGrid::HasCheckBox(int ACol, int ARow) { return BaseCellTypeInSet(ACol, ARow, CheckBoxKinds); }

bool TPlexStringGrid::HasClickableGraphic(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return false;
  const TPoint base = BaseCell(ACol, ARow);
  return ClickableKinds.Contains(GetCellType(base.X, base.Y));
}

bool TPlexStringGrid::CellTextShownAsGraphic(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return false;
  const TPoint base = BaseCell(ACol, ARow);
  return TextAsGraphicKinds.Contains(GetCellType(base.X, base.Y));
}

TIntList* TPlexStringGrid::GetCellImages(int ACol, int ARow) {
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  return g && g->CellType == ctImages ? g->Images() : nullptr;
}

qint64 TPlexStringGrid::GetGraphicSortKey(int ACol, int ARow) {
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return -1;
  switch (g->CellType) {
    case ctBitmap: return qint64(reinterpret_cast<quintptr>(g->CellBitmap));
    case ctIcon: return qint64(reinterpret_cast<quintptr>(g->CellIcon));
    case ctImageList: return g->CellIndex;
    default: return -1;
  }
}

bool TPlexStringGrid::IsSortIndicatorRow(int ACol, int ARow) {
  const int row = ARow + (IsMergedCell(ACol, ARow) ? CellSpan(ACol, ARow).Y : 0);
  return row == FSortSettings->Row() && FSortSettings->Show() && RowCount() > FixedRows() + 1;
}

// ---- display text

void TPlexStringGrid::GetDisplText(int ACol, int ARow, QString& Value) {
  TBaseGrid::GetDisplText(ACol, ARow, Value);
  if (URLShowInText()) {
    QString anchored;
    for (const char* prefix : UrlPrefixes)
      if (MakeUrlAnchor(Value, QString::fromLatin1(prefix), anchored)) {
        Value = anchored;
        break;
      }
  }
  if (ACol == 1 && FGrouping->ShowGroupCount && GetCellType(0, ARow) == ctNode) {
    const TCellGraphic* node = GetCellGraphic(0, ARow);
    const int count = node->NodeSpan() - node->SubNodeCount() - 1;
    if (!FGrouping->GroupCountFormat.isEmpty())
      Value += Format(FGrouping->GroupCountFormat, {count});
    else
      Value += " (" + QString::number(count) + ")";
  }
}
