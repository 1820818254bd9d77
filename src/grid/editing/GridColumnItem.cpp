#include "grid/editing/GridColumnItem.h"

#include "grid/editing/GridColumnCollection.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Property.h"

TGridColumnItem::TGridColumnItem(TGridColumnCollection* Collection)
    : FCollection(Collection),
      FFont(std::make_unique<TFont>()),
      FHeaderFont(std::make_unique<TFont>()),
      FPrintFont(std::make_unique<TFont>()),
      FBorderPen(std::make_unique<TPen>()),
      FPrintBorderPen(std::make_unique<TPen>()),
      FComboItems(std::make_unique<TStringList>()),
      FFilter(std::make_unique<TStringList>()) {
  FBorderPen->Color = GridColumnDefaults::BorderPenColor;
  FPrintBorderPen->Color = GridColumnDefaults::PrintBorderPenColor;
  if (TPlexColumnGrid* grid = Grid()) {
    FFont->Assign(grid->Font());
    FHeaderFont->Assign(grid->Font());
    FPrintFont->Assign(grid->Font());
    FColor = grid->Color();
  }
  if (!FCollection) return;
  // Changes made through the objects' own properties reach the grid too.
  FFont->OnChange = [this](TObject*) { Update(); };
  FHeaderFont->OnChange = [this](TObject*) { Update(); };
  FBorderPen->OnChange = [this](TObject*) { Update(); };
  FFilter->OnChange = [this](TObject*) { RepaintGrid(); };
}

TGridColumnItem::~TGridColumnItem() = default;

int TGridColumnItem::Index() const { return FCollection ? FCollection->IndexOf(this) : -1; }
TPlexColumnGrid* TGridColumnItem::Grid() const { return FCollection ? FCollection->GetOwner() : nullptr; }

QString TGridColumnItem::GetDisplayName() const {
  if (!Name.isEmpty()) return QString("Col %1: %2").arg(Index()).arg(Name);
  return QString("Column %1").arg(Index());
}

void TGridColumnItem::Update() {
  if (FCollection) FCollection->Update(this);
}

void TGridColumnItem::RepaintGrid() {
  if (TPlexColumnGrid* grid = Grid()) grid->Invalidate();
}

// ---- property writes

void TGridColumnItem::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  RepaintGrid();
}

void TGridColumnItem::SetBorders(TCellBorders Value) {
  FBorders = Value;
  Update();
}

void TGridColumnItem::SetBorderPen(const TPen& Value) {
  // Update runs once, whether the pen's own change event ran or not.
  TNotifyEvent listener = std::move(FBorderPen->OnChange);
  FBorderPen->OnChange = nullptr;
  FBorderPen->Assign(Value);
  FBorderPen->OnChange = std::move(listener);
  Update();
}

void TGridColumnItem::SetColor(TColor Value) {
  FColor = Value;
  Update();
}

// Only a change between text and check box shows in the cells.
void TGridColumnItem::SetEditor(TEditorType Value) {
  const TEditorType old = FEditor;
  SetProperty(FEditor, Value, [&] {
    if (old == edDataCheckBox || Value == edDataCheckBox) RepaintGrid();
  });
}

void TGridColumnItem::SetFixed(bool Value) {
  FFixed = Value;
  Update();
}

void TGridColumnItem::SetFloatFormat(const QString& Value) {
  FFloatFormat = Value;
  RepaintGrid();
}

void TGridColumnItem::SetHeader(const QString& Value) {
  FHeader = Value;
  TPlexColumnGrid* grid = Grid();
  if (!grid) return;
  if (grid->FixedRows() > 0 && !grid->ColumnMoving()) {
    grid->SetCellEx(Index(), 0, Value);
    Update();
  }
  grid->RebuildColumnHeaders();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value) {
  FHeaderAlignment = Value;
  RepaintGrid();
}

void TGridColumnItem::SetPassword(bool Value) {
  FPassword = Value;
  Update();
}

void TGridColumnItem::SetPrintFont(const TFont& Value) {
  // The print font has no change handler: copying it must not reach the grid.
  FPrintFont->Assign(Value);
}

void TGridColumnItem::SetShowBands(bool Value) {
  FShowBands = Value;
  Update();
}

int TGridColumnItem::Width() const {
  if (!FCollection) return 0;
  TPlexColumnGrid* grid = Grid();
  // A collection without a grid (a stream's items) keeps the width as a value.
  return grid ? grid->AllColWidths(Index()) : FWidth;
}

void TGridColumnItem::SetWidth(int Value) {
  FWidth = Value;
  if (TPlexColumnGrid* grid = Grid()) grid->SetAllColWidths(Index(), Value);
}

// ---- cells of the column

QString TGridColumnItem::Rows(int ARow) {
  TPlexColumnGrid* grid = Grid();
  return grid ? grid->Cells(Index(), ARow) : QString();
}

void TGridColumnItem::SetRows(int ARow, const QString& Value) {
  if (TPlexColumnGrid* grid = Grid()) grid->SetCells(Index(), ARow, Value);
}

int TGridColumnItem::Ints(int ARow) {
  TPlexColumnGrid* grid = Grid();
  return grid ? grid->Ints(Index(), ARow) : 0;
}

void TGridColumnItem::SetInts(int ARow, int Value) {
  if (TPlexColumnGrid* grid = Grid()) grid->SetInts(Index(), ARow, Value);
}

double TGridColumnItem::Floats(int ARow) {
  TPlexColumnGrid* grid = Grid();
  return grid ? grid->Floats(Index(), ARow) : 0.0;
}

void TGridColumnItem::SetFloats(int ARow, double Value) {
  if (TPlexColumnGrid* grid = Grid()) grid->SetFloats(Index(), ARow, Value);
}

// ---- copying

void TGridColumnItem::Assign(const TObject* Source) {
  if (auto* s = dynamic_cast<const TGridColumnItem*>(Source)) CopyFrom(const_cast<TGridColumnItem&>(*s), false);
}

void TGridColumnItem::AssignVisuals(const TObject* Source) {
  if (auto* s = dynamic_cast<const TGridColumnItem*>(Source)) CopyFrom(const_cast<TGridColumnItem&>(*s), true);
}

// Values are stored directly: the copy must not resize, write or repaint the grid.
void TGridColumnItem::CopyFrom(TGridColumnItem& s, bool VisualsOnly) {
  FAlignment = s.FAlignment;
  FHeaderAlignment = s.FHeaderAlignment;
  {
    TNotifyEvent handler = std::move(FBorderPen->OnChange);
    FBorderPen->OnChange = nullptr;
    FBorderPen->Assign(*s.FBorderPen);
    FBorderPen->OnChange = std::move(handler);
  }
  FBorders = s.FBorders;
  CheckFalse = s.CheckFalse;
  CheckTrue = s.CheckTrue;
  EditLength = s.EditLength;
  EditLink = s.EditLink;
  EditMask = s.EditMask;
  FEditor = s.FEditor;
  FFixed = s.FFixed;
  FPassword = s.FPassword;
  FPrintBorderPen->Assign(*s.FPrintBorderPen);
  PrintBorders = s.PrintBorders;
  PrintColor = s.PrintColor;
  FPrintFont->Assign(*s.FPrintFont);
  ReadOnly = s.ReadOnly;
  SortPrefix = s.SortPrefix;
  SortStyle = s.SortStyle;
  SortSuffix = s.SortSuffix;
  SpinMax = s.SpinMax;
  SpinMin = s.SpinMin;
  SpinStep = s.SpinStep;
  ColumnPopup = s.ColumnPopup;
  FWidth = s.Width();
  FShowBands = s.FShowBands;
  MinSize = s.MinSize;
  MaxSize = s.MaxSize;
  AutoMinSize = s.AutoMinSize;
  AutoMaxSize = s.AutoMaxSize;
  FilterCaseSensitive = s.FilterCaseSensitive;
  DefIdx = s.DefIdx;
  FFloatFormat = s.FFloatFormat;
  const auto copyFont = [](TFont& To, const TFont& From) {
    TNotifyEvent handler = std::move(To.OnChange);
    To.OnChange = nullptr;
    To.Assign(From);
    To.OnChange = std::move(handler);
  };
  {
    TNotifyEvent handler = std::move(FFilter->OnChange);
    FFilter->OnChange = nullptr;
    FFilter->Assign(*s.FFilter);
    FFilter->OnChange = std::move(handler);
  }
  if (VisualsOnly) {
    if (TPlexColumnGrid* grid = Grid()) {
      FColor = grid->Color();
      copyFont(*FFont, grid->Font());
    }
    return;
  }
  FColor = s.FColor;
  copyFont(*FFont, *s.FFont);
  copyFont(*FHeaderFont, *s.FHeaderFont);
  FComboItems->Assign(*s.FComboItems);
  DropDownCount = s.DropDownCount;
  FHeader = s.FHeader;
  Name = s.Name;
  Tag = s.Tag;
}
