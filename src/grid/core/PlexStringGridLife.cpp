// The string grid's window creation, completion after loading, repainting,
// resizing and fitting its height to whole rows.
#include "grid/core/PlexStringGrid.h"

#include "grid/editing/EditLink.h"

#include "grid/core/BackGround.h"
#include "grid/core/ColumnSize.h"
#include "grid/core/ControlLook.h"
#include "grid/core/ScrollControl.h"
#include "grid/editing/BalloonSettings.h"
#include "grid/features/DragDropSettings.h"
#include "grid/features/FloatingFooter.h"
#include "grid/features/FooterPanel.h"
#include "grid/features/SearchPanel.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/PlexStringGridCheck.h"
#include "platform/HintWindow.h"
#include "platform/ImageList.h"
#include "platform/Menus.h"
#include "platform/ScrollBar.h"
#include "platform/SystemMetrics.h"
#include "platform/Themes.h"

void TPlexStringGrid::SetParent(TWinControl* AParent) {
  TBaseGrid::SetParent(AParent);
  // The window exists from here on; CreateWnd runs once for it.
  if (AParent && !FWindowCreated) {
    FWindowCreated = true;
    CreateWnd();
  }
}

void TPlexStringGrid::CreateWnd() {
  if (Destroying()) return;
  if (!Parent()) return;
  if (!IsDesigning()) {
    if (FScrollType == ssMetro) CreateScrollControls();
    if (FBalloon->Enable()) BalloonInit();
  }
  CreateWndPanels();
  if (FColumnSize->Save) LoadColSizes();
  SetTimer(PlexGridDefaults::GridTimerId, PlexGridDefaults::GridTimerInterval);
  FIsWinXP = FIsWinXP && ThemeServices().IsThemeActive();
  InitWheelSettings();
  if (FScrollType != ssNormal && !FLoading) {
    FlatInit();
    FlatUpdateWidth();
    FlatUpdateColor();
  }
}

void TPlexStringGrid::CreateWndPanels() {
  FFooterPanel->SetParent(this);
  FFooterPanel->SetVisible(FFloatingFooter->Visible());
  FSearchPanel->SetParent(this);
  const bool search = FSearchFooter->Visible();
  FSearchPanel->SetVisible(search);
  FSearchPanel->SetHeight(search ? PlexGridDefaults::SearchPanelHeight : 0);
}

// Page scrolling (-1) moves by what is visible now.
void TPlexStringGrid::InitWheelSettings() {
  FWheelScrollLines = SystemWheelScrollLines();
  if (FWheelScrollLines == -1) FWheelScrollLines = VisibleRowCount();
}

void TPlexStringGrid::Loaded() {
  FRestoreCursor = Cursor();
  ShowColumnHeaders();
  ShowRowHeaders();
  if (FDropTargetRegistered) RecordFeatureCall("DropTargetAcceptFlags");
  // Loading is over once the form has set the properties: from here on the
  // writes take effect, the look's colours among them.
  FLoading = false;
  if (FLook == glOrv) {
    // The look's colours are applied only by a change of look.
    FLook = glCustom;
    SetLook(glOrv);
  }
  if (FAutoSize) AutoSizeColumns(false, 0);
  if (FColumnSize->Save) LoadColSizes();
  MinFixedRows = FixedRows();
  MinFixedCols = FixedCols();
  MinRowHeight = DefaultRowHeight();
  MinColWidth = PlexGridDefaults::MinColWidthAfterLoad;
  MaxRowCount = RowCount();
  FLoaded = true;
  if (Options().Contains(goAlwaysShowEditor)) {
    TGridOptions options = Options();
    options.Exclude(goAlwaysShowEditor);
    SetOptions(options);
    FNavigation->AlwaysEdit = true;
  }
  if (!IsDesigning() && !ThemeServices().IsThemeActive() && FControlLook->ControlStyle() == csTheme)
    FControlLook->SetControlStyle(csClassic);
  FSearchFooter->SetAutoThemeAdapt(AutoThemeAdapt());
  UpdateSearchPanel();
  ApplyScrollBarAlways(false);
  if (AutoThemeAdapt() && !IsDesigning()) {
    ApplyOfficeTheme();
    RecordFeatureCall("RegisterThemeNotifier");
  }
  InitOrigColSizes();
  SetColumnOrder();
  if (FBalloon->Enable()) BalloonInit();
  ApplyVclStyle();
}

void TPlexStringGrid::Invalidate() {
  if (FEditorChangeFlag) {
    FEditorChangeFlag = false;
    return;
  }
  TBaseGrid::Invalidate();
  if (!FLoading && FFloatingFooter->Visible()) FFooterPanel->Invalidate();
}

void TPlexStringGrid::Resize() {
  TBaseGrid::Resize();
  if (FBackGround->IsGradient()) Invalidate();
  ApplyScrollBarAlways(false);
  PlaceCellControls();
}

bool TPlexStringGrid::AllRowsFit() const { return VisibleRowCount() + FixedRows() >= RowCount(); }
bool TPlexStringGrid::AllColsFit() const { return VisibleColCount() + FixedCols() >= ColCount(); }

void TPlexStringGrid::ApplyScrollBarAlways(bool HideUnneeded) {
  if (FScrollBarAlways != saNone) {
    const bool vert = ScrollBars() == ssVertical || ScrollBars() == ssBoth;
    const bool horz = ScrollBars() == ssHorizontal || ScrollBars() == ssBoth;
    const bool keepVert = FScrollBarAlways == saVert || FScrollBarAlways == saBoth;
    const bool keepHorz = FScrollBarAlways == saHorz || FScrollBarAlways == saBoth;
    // A bar kept up takes room from the cells, which may then no longer fit the other way.
    // Each axis's fit hangs on the other axis's bar only, and the kept bars are up after the
    // first pass, so the second one settles the rest.
    for (int pass = 0; pass < 3; ++pass) {
      const bool showVert = vert && (keepVert || !AllRowsFit());
      const bool showHorz = horz && (keepHorz || !AllColsFit());
      if (showVert == VertScrollBarShown() && showHorz == HorzScrollBarShown()) break;
      ShowScrollBar(SB_VERT, showVert);
      ShowScrollBar(SB_HORZ, showHorz);
    }
    EnableScrollBar(SB_VERT, !AllRowsFit());
    EnableScrollBar(SB_HORZ, !AllColsFit());
    return;
  }
  const bool rowsFit = AllRowsFit();
  const bool colsFit = AllColsFit();
  // A bar left disabled by an earlier setting scrolls again.
  if (!rowsFit) EnableScrollBar(SB_VERT, true);
  if (!colsFit) EnableScrollBar(SB_HORZ, true);
  if (!HideUnneeded) return;
  if (rowsFit) ShowScrollBar(SB_VERT, false);
  if (colsFit) ShowScrollBar(SB_HORZ, false);
}

void TPlexStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int h = DefaultRowHeight();
  if (FIntegralHeight && !UpdateInProgress() && h > 0) {
    const int s = AllColsFit() ? 0 : GetSystemMetrics(SM_CYHSCROLL);
    const int b = FBorderStyle == bsSingle ? 2 : 0;
    const int m = AHeight - s - b;
    AHeight = s + 2 * b + (m - (m % h));
  }
  TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TPlexStringGrid::PlaceCellControls() {
  for (int i = 0; i < FControlList->Count(); ++i) {
    const TControlItem& item = *FControlList->GetControl(i);
    const TRect r = CellRect(RealToDisplayCol(item.X), RealToDisplayRow(item.Y));
    item.Control->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
  }
}

namespace {
// Points Field at Value and asks to hear of Value's removal instead of the old one's.
template <class T>
void Link(TComponent* Self, T*& Field, T* Value) {
  if (Value == Field) return;
  if (Field) Self->RemoveFreeNotification(Field);
  Field = Value;
  if (Field) Self->FreeNotification(Field);
}
}  // namespace

void TPlexStringGrid::SetGridImages(TImageList* Value) {
  Link(this, FGridImages, Value);
  Invalidate();
}

void TPlexStringGrid::SetCellChecker(TPlexStringGridCheck* Value) { Link(this, FCellChecker, Value); }

void TPlexStringGrid::SetFixedDropDownMenu(TPopupMenu* Value) { Link(this, FFixedDropDownMenu, Value); }

void TPlexStringGrid::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == TOperation::opRemove && AComponent) {
    if (AComponent == FGridImages) FGridImages = nullptr;
    if (AComponent == FCellChecker) FCellChecker = nullptr;
    if (AComponent == FFixedDropDownMenu) FFixedDropDownMenu = nullptr;
    if (AComponent == FVScrollControl) FVScrollControl = nullptr;
    if (AComponent == FHScrollControl) FHScrollControl = nullptr;
    if (AComponent == FScrollHintWnd) FScrollHintWnd = nullptr;
    if (AComponent == FScrollBar) FScrollBar = nullptr;
    if (FEditLink && AComponent == static_cast<TComponent*>(FEditLink)) FEditLink = nullptr;
  }
  if (Operation == TOperation::opRemove && FSyncGrid && AComponent == FSyncGrid->Grid()) FSyncGrid->SetGrid(nullptr);
  if (Operation == TOperation::opRemove) NotifierRemoved(AComponent);
  TBaseGrid::Notification(AComponent, Operation);
}
