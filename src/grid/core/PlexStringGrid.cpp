// Construction and destruction of the string grid: what it owns, in which
// order it is made and freed, and the defaults of a new grid.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/BackGround.h"
#include "grid/core/CellNode.h"
#include "grid/core/ColumnSize.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridProgressAppearance.h"
#include "grid/core/HiddenRowStore.h"
#include "grid/core/PlexGridUnit.h"
#include "grid/core/SizeWhileTyping.h"
#include "grid/editing/BalloonSettings.h"
#include "grid/editing/ControlCombo.h"
#include "grid/editing/ControlEdit.h"
#include "grid/editing/GridButton.h"
#include "grid/editing/GridCellEditors.h"
#include "grid/editing/GridCheckBox.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/GridEditBtn.h"
#include "grid/editing/GridTransCombo.h"
#include "grid/editing/GridTransEdit.h"
#include "grid/editing/GridUnitEditBtn.h"
#include "grid/editing/HeaderDragButton.h"
#include "grid/editing/ShowModified.h"
#include "grid/features/DragDropSettings.h"
#include "grid/features/DragScrollOptions.h"
#include "grid/features/DropCheckList.h"
#include "grid/features/DropList.h"
#include "grid/features/Filter.h"
#include "grid/features/FilterDropDown.h"
#include "grid/features/FloatingFooter.h"
#include "grid/features/FooterPanel.h"
#include "grid/features/Grouping.h"
#include "grid/features/HTMLSettings.h"
#include "grid/features/PrintSettings.h"
#include "grid/features/SearchPanel.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/SortIndexList.h"
#include "platform/SystemMetrics.h"

#include <algorithm>

TPlexStringGrid::TPlexStringGrid(TComponent* AOwner) : TBaseGrid(AOwner) {
  PlexGridUnitStart();
  CreateOwnedObjects();
  ApplyDefaults();
  ChainOwnerFormResize();
  ProbePlatform();
  CreateRunTimeControls();
  FCellEditors = std::make_unique<TGridCellEditors>(this);
}

TPlexStringGrid::~TPlexStringGrid() {
  FDestroying = true;
  if (FocusFrameGrid() == this) SetFocusFrameGrid(nullptr);
  if (FPanning) StopPanning();
  // A focused editor hands the focus back while the grid is still whole.
  if (InplaceEditor()) InplaceEditor()->SetVisible(false);
  UnchainOwnerFormResize();
  if (FColumnSize->Save) SaveColSizes();
  FDestroying = true;
  FreeAllCellsOnDestroy();
  KillTimer(PlexGridDefaults::GridTimerId);
  // The owned settings objects go with their unique_ptrs, the controls with
  // the component owner rule; the base grid comes last.
}

// The ownership table, in its order.
void TPlexStringGrid::CreateOwnedObjects() {
  CreateSettingsObjects();
  CreateListsAndLooks();
  CreateFilterObjects();
}

void TPlexStringGrid::CreateSettingsObjects() {
  FFooterPanel = new TFooterPanel(this);
  FSearchPanel = new TSearchPanel(this);
  FFontCache = std::make_unique<TFont>();
  FFocusHelper = std::make_unique<TFocusHelper>(this);
  FSearchFooter = std::make_unique<TSearchFooter>(this, false);
  FSearchFooter->OnChange = [this](TObject*) { UpdateSearchPanel(); };
  FFloatingFooter = std::make_unique<TFloatingFooter>();
  FPrintSettings = std::make_unique<TPrintSettings>(this);
  FHTMLSettings = std::make_unique<THTMLSettings>();
  FSortSettings = std::make_unique<TSortSettings>(this);
  FDragDropSettings = std::make_unique<TDragDropSettings>(this);
  FDragScrollOptions = std::make_unique<TDragScrollOptions>();
  FControlLook = std::make_unique<TControlLook>(this);
  FNavigation = std::make_unique<TNavigation>();
  FNavigation->OnChange = [this](TObject*) { NavigationChanged(); };
  FColumnSize = std::make_unique<TColumnSize>();
  FColumnSize->OnStretchChange = [this] {
    if (Parent()) StretchStoredColumn();
  };
  FCellNode = std::make_unique<TCellNode>();
  FCellNode->OnChange = [this](TObject*) { Invalidate(); };
  FBands = std::make_unique<TBands>();
  FBands->OnChange = [this](TObject*) { Invalidate(); };
  FSizeWhileTyping = std::make_unique<TSizeWhileTyping>();
  FMouseActions = std::make_unique<TMouseActions>(this);
  FMouseActions->OnChange = [this](TObject*) { MouseActionsChanged(); };
  FMouseActions->OnIsDesigning = [this](TObject*, bool& Designing) { Designing = IsDesigning(); };
  FMouseActions->OnInvalidate = [this](TObject*) { MouseActionsInvalidate(); };
  FGrouping = std::make_unique<TGrouping>();
}

void TPlexStringGrid::CreateListsAndLooks() {
  FColumnHeaders = std::make_unique<TStringList>();
  FColumnHeaders->OnChange = [this](TObject*) { ColumnHeadersListChanged(); };
  FRowHeaders = std::make_unique<TStringList>();
  FRowHeaders->OnChange = [this](TObject*) { RowHeadersListChanged(); };
  FRememberedColWidths = std::make_unique<TIntList>(-1, -1);
  FFixedFont = std::make_unique<TFont>();
  FFixedFont->SetName("Tahoma");
  FFixedFont->SetStyle({fsBold});
  FFixedFont->OnChange = [this](TObject*) { Invalidate(); };
  FActiveCellFont = std::make_unique<TFont>();
  FActiveCellFont->SetStyle({fsBold});
  FActiveCellFont->OnChange = [this](TObject*) { Invalidate(); };
  FSortList = std::make_unique<TStringList>();
  FLookupItems = std::make_unique<TStringList>();
  FFilterList = std::make_unique<TStringList>();
  FFilterList->SetSorted(true);
  FFilterList->Duplicates = TStringList::dupIgnore;
  FSortIndexes = std::make_unique<TSortIndexList>();
  FSortedRowXRef = std::make_unique<TIntList>(-1, -1);
  FUnSortedRowXRef = std::make_unique<TIntList>(-1, -1);
  FMergedColumns = std::make_unique<TIntList>(-1, -1);
  FMergedColumns->OnChange = [this](TObject*, int, int) { MergedColumnsChanged(); };
  FSelectedCells = std::make_unique<TIntList>(-1, -1);
  FSelectedRows = std::make_unique<TIntList>(-1, -1);
  FModifiedRows = std::make_unique<TIntList>(-1, -1);
  FEnabledRows = std::make_unique<TIntList>(-1, -1);
  FRowIndicator = std::make_unique<TBitmap>();
  FBackGround = std::make_unique<TBackGround>();
  FBackGround->OnChange = [this](TObject*) { Invalidate(); };
  FControlList = std::make_unique<TControlList>();
  FProgressAppearance = std::make_unique<TGridProgressAppearance>();
  FProgressAppearance->OnChange = [this](TObject*) { Invalidate(); };
  FSyncGrid = std::make_unique<TSyncGrid>(this);
  // The hidden-row store and Filter stand here in the table; Create makes them after the defaults.
  FBalloon = std::make_unique<TBalloonSettings>();
  FBalloon->OnEnableChange = [this](TObject*) {
    if (FLoading) return;
    if (FBalloon->Enable())
      BalloonInit();
    else
      BalloonDone();
  };
  FShowModified = std::make_unique<TShowModified>();
  FShowModified->OnChange = [this](TObject*) { Invalidate(); };
  FColumnOrder = std::make_unique<TIntList>(-1, -1);
  FCellGraphic = std::make_unique<TCellGraphic>();
  FIgnoreColumns = std::make_unique<TIntList>(-1, -1);
}

void TPlexStringGrid::CreateFilterObjects() {
  FFilterDropDown = std::make_unique<TFilterDropDown>();
  FFilterDropDown->OnChange = [this](TObject*) { Invalidate(); };
  FFilterListBox = new TDropList(this);
  FFilterListBox->OnSelect = [this](TObject*, int ItemIndex) {
    QString friendly, condition;
    DoFilterSelect(FFilterCol, ItemIndex, friendly, condition);
    FFilterCol = -1;
  };
  FFilterListBox->OnCancel = [this](TObject*) { FFilterCol = -1; };
  FFilterCheckList = new TDropCheckList(this);
  FFilterCheckList->OnSelect = [this](TObject*, int ItemIndex) {
    QString friendly, condition;
    DoFilterCheck(FFilterCol, ItemIndex, friendly, condition, true);
  };
  FFilterCheckList->OnCancel = [this](TObject*) { FFilterCol = -1; };
}

void TPlexStringGrid::ApplyDefaults() {
  SetRowCount(PlexGridDefaults::RowCount);
  SetBounds(Left(), Top(), PlexGridDefaults::Width, PlexGridDefaults::Height);
  FHiddenRowStore = std::make_unique<THiddenRowStore>();
  FFilter = std::make_unique<TFilter>(this);
  FAutoSize = false;
  FOrvGradientTo = ColorToRGB(clBtnFace);
  SetScrollBars(ssBoth);
  FScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  FHiddenColumns.fill(false);
  FNumHiddenColumns = 0;
  SetDefaultRowHeight(PlexGridDefaults::DefaultRowHeight);
  FFixedRowHeight = DefaultRowHeight();
  FMaxEverRowCount = RowCount();
  FMaxEverColCount = ColCount();
}

void TPlexStringGrid::ProbePlatform() {
  FIsWinXP = IsWinXPOrLater(PlatformVersion);
  FIsWin7 = IsWin7OrLater(PlatformVersion);
  FIsVista = IsVistaOrLater();
  FIsThemed = (GetFileVersionMS("COMCTL32.DLL") >> 16) > 5;
  FBorderColor = FIsWinXP ? PlexGridDefaults::BorderColorXP : PlexGridDefaults::BorderColorClassic;
}

// The editors that every grid has; the rarer ones are made on first use.
void TPlexStringGrid::CreateRunTimeControls() {
  if (IsDesigning()) return;
  const auto hidden = [this](TWinControl* Control, bool Disabled) {
    Control->SetParent(nullptr);
    Control->SetVisible(false);
    if (Disabled) Control->SetEnabled(false);
  };
  ArwU = new TArrowWindow(this, arrUp);
  ArwD = new TArrowWindow(this, arrDown);
  ArwL = new TArrowWindow(this, arrLeft);
  ArwR = new TArrowWindow(this, arrRight);
  FCombobox = new TGridCombo(this);
  hidden(FCombobox, true);
  FCombobox->IsWinXP = FIsWinXP;
  FCombobox->IsVista = FIsVista && (GetFileVersionMS("comctl32.dll") >> 16) >= 6;
  FOrvStyle = tsWindowsXP;
  FTransEdit = new TGridTransEdit(this);
  hidden(FTransEdit, false);
  FTransCombo = new TGridTransCombo(this);
  hidden(FTransCombo, false);
  FCheckEdit = new TGridCheckBox(this);
  hidden(FCheckEdit, true);
  FEditBtn = new TGridEditBtn(this);
  hidden(FEditBtn, true);
  FEditBtn->SetButtonCaption("...");
  FEditBtn->SetBorderStyle(bsNone);
  FEditBtn->SetIsWinXP(FIsWinXP);
  FUnitEditBtn = new TGridUnitEditBtn(this);
  hidden(FUnitEditBtn, true);
  FUnitEditBtn->SetButtonCaption("...");
  FUnitEditBtn->SetBorderStyle(bsNone);
  FUnitEditBtn->OnUnitChanged = [this](TObject*, const QString& NewUnit) {
    if (OnUnitChanged) OnUnitChanged(this, Col(), Row(), NewUnit);
  };
  FGridButton = new TGridButton(this);
  hidden(FGridButton, true);
  FGridButton->OnClick = [this](TObject*) { DoButtonClick(Col(), Row()); };
  FHeaderDragButton = new THeaderDragButton(this);
  hidden(FHeaderDragButton, true);
  FHeaderDragButton->Grid = this;
  FControlEdit = new TControlEdit(this);
  hidden(FControlEdit, false);
  FControlCombo = new TControlCombo(this);
  hidden(FControlCombo, false);
}

std::vector<TWinControl*> TPlexStringGrid::EditorControls() const {
  return {FCombobox,    FTransEdit,  FTransCombo,       FCheckEdit,   FEditBtn,
          FUnitEditBtn, FGridButton, FHeaderDragButton, FControlEdit, FControlCombo};
}

// The grid serves SizeWithForm through the form's resize; the form's own
// handler still runs and gets its place back when the grid goes.
void TPlexStringGrid::ChainOwnerFormResize() {
  FOwnerForm = dynamic_cast<TForm*>(Owner());
  if (!FOwnerForm || IsDesigning()) {
    FOwnerForm = nullptr;
    return;
  }
  FStoredFormResize = FOwnerForm->OnResize;
  FOwnerForm->OnResize = [this](TObject* Sender) { OwnerFormResized(Sender); };
  FOwnerFormWidth = FOwnerForm->Width();
  FOwnerFormHeight = FOwnerForm->Height();
}

void TPlexStringGrid::UnchainOwnerFormResize() {
  if (!FOwnerForm) return;
  FOwnerForm->OnResize = FStoredFormResize;
  FOwnerForm = nullptr;
}

void TPlexStringGrid::OwnerFormResized(TObject* Sender) {
  if (!FOwnerForm || IsDesigning() || FDestroying) return;
  if (SizeWithForm) {
    const int w = Width() + FOwnerForm->Width() - FOwnerFormWidth;
    const int h = Height() + FOwnerForm->Height() - FOwnerFormHeight;
    if (w > 0 && h > 0) SetBounds(Left(), Top(), w, h);
  }
  FOwnerFormWidth = FOwnerForm->Width();
  FOwnerFormHeight = FOwnerForm->Height();
  // The form's own handler may raise; the grid goes on.
  try {
    if (FStoredFormResize) FStoredFormResize(Sender);
  } catch (...) {
  }
  StretchStoredColumn();
}

// Cells beyond the current counts may still hold properties (rows and
// columns were there once), so the widest extent ever held is cleared.
void TPlexStringGrid::FreeAllCellsOnDestroy() {
  ClearTextOnly = false;
  SaveHiddenCells = false;
  UnHideColumnsAll();
  UnHideRowsAll();
  if (NumHiddenRows() == 0) {
    SetColCount(std::max(ColCount(), FMaxEverColCount));
    SetRowCount(std::max(RowCount(), FMaxEverRowCount));
  }
  if (ColCount() > 0 && RowCount() > 0 && FHasCellProps) ClearRect(0, 0, ColCount() - 1, RowCount() - 1);
}
