// Construction, looks and the cell store of the base grid.
#include "grid/foundation/BaseGrid.h"

#include "grid/foundation/TextRoutines.h"
#include "platform/Property.h"

#include <algorithm>

TBaseGrid::TBaseGrid(TComponent* AOwner) : TObjStringGrid(AOwner) { SetDefaultDrawing(false); }

TBaseGrid::~TBaseGrid() {
  FDestroying = true;
  if (FUndoRedo && FUndoRedo->Grid() == this) FUndoRedo->SetGrid(nullptr);
  FreeAllCellProps();
}

// ---- looks ----

void TBaseGrid::SetGridLineColor(TColor Value) {
  FGridLineColor = Value;
  Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value) {
  FGridFixedLineColor = Value;
  Invalidate();
}

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value) {
  SetProperty(FSelectionStyle, Value, [this] { Invalidate(); });
}
void TBaseGrid::SetActiveRowShow(bool Value) {
  SetProperty(FActiveRowShow, Value, [this] { Invalidate(); });
}
void TBaseGrid::SetActiveRowColor(TColor Value) {
  SetProperty(FActiveRowColor, Value, [this] { Invalidate(); });
}
void TBaseGrid::SetActiveRowColorTo(TColor Value) {
  SetProperty(FActiveRowColorTo, Value, [this] { Invalidate(); });
}
void TBaseGrid::SetActiveRowMirrorColor(TColor Value) {
  SetProperty(FActiveRowMirrorColor, Value, [this] { Invalidate(); });
}
void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value) {
  SetProperty(FActiveRowMirrorColorTo, Value, [this] { Invalidate(); });
}

namespace {
class TUndoRedoWatch : public TComponent {
public:
  TUndoRedoWatch(TComponent* AOwner, TPlexGridUndoRedo*& Link) : TComponent(AOwner), FLink(Link) {}

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    if (Operation == TOperation::opRemove && AComponent == FLink) FLink = nullptr;
    TComponent::Notification(AComponent, Operation);
  }

private:
  TPlexGridUndoRedo*& FLink;
};
}  // namespace

void TBaseGrid::SetUndoRedo(TPlexGridUndoRedo* Value) {
  if (!FUndoRedoWatch) FUndoRedoWatch = new TUndoRedoWatch(this, FUndoRedo);
  if (FUndoRedo) FUndoRedoWatch->RemoveFreeNotification(FUndoRedo);
  FUndoRedo = Value;
  if (Value) {
    FUndoRedoWatch->FreeNotification(Value);
    Value->SetGrid(this);
  }
}

void TBaseGrid::MoveCurrentCell(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
  MoveColRow(ACol, ARow, true, true);
}

// ---- cell store ----

bool TBaseGrid::InCellStore(int ACol, int ARow) const {
  return ACol >= 0 && ARow >= 0 && ARow < RowCount() && ACol < StoreColCount();
}

TCellProperties* TBaseGrid::PropsOf(int ACol, int ARow) const {
  TObject* o = Objects(ACol, ARow);
  return o ? dynamic_cast<TCellProperties*>(o) : nullptr;
}

bool TBaseGrid::HasCellProperties(int ACol, int ARow) const {
  return ACol >= 0 && ARow >= 0 && ACol < TotalColCount() && ARow < RowCount() && PropsOf(ACol, ARow);
}

TCellProperties* TBaseGrid::CreateCellProperties(int ACol, int ARow, bool SetCalcType) {
  auto props = std::make_unique<TCellProperties>(this, ACol, ARow);
  TCellProperties* p = props.get();
  const bool stored = InCellStore(ACol, ARow);
  if (stored) SetObjects(ACol, ARow, props.release());
  TFont font;
  TBrush brush;
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment hAlign = taLeftJustify;
  TVAlignment vAlign = vtaTop;
  bool wordWrap = FWordWrap;
  TCellGradientDirection direction = GradientVertical;
  GetDefaultCellProperties(ACol, ARow, font, brush, colorTo, mirror, mirrorTo, hAlign, vAlign, wordWrap, direction);
  if (SetCalcType) p->CalcType = acNONE;
  p->SetAlignment(hAlign);
  p->SetVAlignment(vAlign);
  p->SetWordWrap(wordWrap);
  p->FontName = font.Name();
  p->FontSize = font.Size();
  p->FontStyle = font.Style();
  p->FontColor = font.Color();
  p->SetBrushColor(brush.Color);
  p->SetBrushColorTo(colorTo);
  p->GradientDirection = direction;
  if (!stored) {
    // Outside the store the caller gets defaults that are not kept.
    FScratchProps = std::move(props);
  }
  return p;
}

TCellProperties* TBaseGrid::GetCellProperties(int ACol, int ARow) {
  if (TCellProperties* p = PropsOf(ACol, ARow)) return p;
  if (InCellStore(ACol, ARow) && Objects(ACol, ARow)) {
    // A foreign object in the slot is not ours to free; it is replaced.
    SetObjects(ACol, ARow, nullptr);
  }
  return CreateCellProperties(ACol, ARow, true);
}

void TBaseGrid::SetCellProperties(int ACol, int ARow, TCellProperties* Value) {
  std::unique_ptr<TCellProperties> given(Value);
  if (!InCellStore(ACol, ARow)) return;
  delete PropsOf(ACol, ARow);
  SetObjects(ACol, ARow, given.release());
}

void TBaseGrid::GetDefaultCellProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& ColorTo,
                                         TColor& MirrorColor, TColor& MirrorColorTo, TAlignment& HAlign,
                                         TVAlignment& VAlign, bool& WordWrap,
                                         TCellGradientDirection& GradientDirection) {
  AFont.Assign(Font());
  ABrush.Color = Color();
  ColorTo = MirrorColor = MirrorColorTo = clNone;
  HAlign = taLeftJustify;
  VAlign = vtaTop;
  WordWrap = FWordWrap;
  GradientDirection = GradientVertical;
}

void TBaseGrid::GetDisplText(int ACol, int ARow, QString& Value) {
  if (OnGetDisplText) OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int ACol, int ARow, QString& Value) {
  if (OnGetDisplWideText) OnGetDisplWideText(this, ACol, ARow, Value);
}

QString TBaseGrid::GetMergedCellEx(int ACol, int ARow) {
  TPoint base(ACol, ARow);
  if (const TCellProperties* p = HasCellProperties(ACol, ARow) ? PropsOf(ACol, ARow) : nullptr)
    base = SafeBaseCell(ACol, ARow, p);
  QString text = Cells(base.X, base.Y);
  if (base.Y < FNormalRowCount) {
    GetDisplText(base.X, base.Y, text);
    if (OnGetDisplWideText) {
      QString wide = DecodeWideText(text);
      GetDisplWideText(base.X, base.Y, wide);
      text = EncodeWideText(wide);
    }
  }
  return text;
}

void TBaseGrid::SetMergedCellEx(int ACol, int ARow, const QString& Value) {
  if (const TCellProperties* p = HasCellProperties(ACol, ARow) ? PropsOf(ACol, ARow) : nullptr) {
    const TPoint base = SafeBaseCell(ACol, ARow, p);
    StoreCell(base.X, base.Y, Value);
    CellTextChanged(base.X, base.Y);
    if (Parent()) RepaintCell(ACol, ARow);
  } else {
    StoreCell(ACol, ARow, Value);
  }
  if (FHideLastRow && ARow == RowCount() - 1) LastRowCellChanged();
}

uintptr_t TBaseGrid::GetObjectEx(int ACol, int ARow) const {
  const TCellProperties* p = PropsOf(ACol, ARow);
  return p ? p->CellObject : 0;
}

void TBaseGrid::SetObjectEx(int ACol, int ARow, uintptr_t Value) {
  if (!InCellStore(ACol, ARow)) return;
  const bool empty = GetCellEx(ACol, ARow).isEmpty();
  if (empty) SetCellEx(ACol, ARow, QStringLiteral(" "));
  GetCellProperties(ACol, ARow)->CellObject = Value;
  if (empty) SetCellEx(ACol, ARow, QString());
}

TObject* TBaseGrid::GetGraphicObjectEx(int ACol, int ARow) const { return GetPropsGraphic(PropsOf(ACol, ARow)); }

void TBaseGrid::SetGraphicObjectEx(int ACol, int ARow, TObject* Value) {
  if (FDestroying || !InCellStore(ACol, ARow)) return;
  const bool empty = GetCellEx(ACol, ARow).isEmpty();
  if (empty) SetCellEx(ACol, ARow, QStringLiteral(" "));
  TCellProperties* p = PropsOf(ACol, ARow);
  if (!p) {
    if (Objects(ACol, ARow)) SetObjects(ACol, ARow, nullptr);
    p = CreateCellProperties(ACol, ARow, false);
  }
  p->GraphicObject = Value;
  if (empty) SetCellEx(ACol, ARow, QString());
}

void TBaseGrid::FreeCellPropsRange(int ACol1, int ARow1, int ACol2, int ARow2) {
  if (!FHasCellProps) return;
  ACol1 = std::max(0, ACol1);
  ARow1 = std::max(0, ARow1);
  ACol2 = std::min(ACol2, StoreColCount() - 1);
  ARow2 = std::min(ARow2, RowCount() - 1);
  for (int c = ACol1; c <= ACol2; ++c)
    for (int r = ARow1; r <= ARow2; ++r) FreeSlotProps(c, r);
}

void TBaseGrid::FreeSlotProps(int ACol, int ARow) {
  TCellProperties* p = PropsOf(ACol, ARow);
  if (!p) return;
  auto* graphic = dynamic_cast<TGridGraphicObject*>(p->GraphicObject);
  if (graphic && graphic->ClassName() == QLatin1String(OwnedCellGraphicClass)) delete graphic;
  delete p;
  SetObjects(ACol, ARow, nullptr);
}

// Rows that leave the grid take their properties with them, hidden columns
// included: the slots are the grid's and nobody else can reach them any more.
void TBaseGrid::SizeChanged(int OldColCount, int OldRowCount) {
  if (FHasCellProps)
    for (int r = RowCount(); r < OldRowCount; ++r)
      for (int c = 0; c < StoreColCount(); ++c) FreeSlotProps(c, r);
  TObjStringGrid::SizeChanged(OldColCount, OldRowCount);
}

void TBaseGrid::FreeCellProps(int ACol, int ARow) {
  TCellProperties* p = PropsOf(ACol, ARow);
  if (!p) return;
  delete p;
  SetObjects(ACol, ARow, nullptr);
}

// Hidden columns are stored beyond ColCount; their properties go too.
void TBaseGrid::FreeAllCellProps() { FreeCellPropsRange(0, 0, StoreColCount() - 1, RowCount() - 1); }

void TBaseGrid::ClearColCells(int ACol) {
  for (int r = 0; r < RowCount(); ++r) {
    SetObjects(ACol, r, nullptr);
    SetCellEx(ACol, r, QString());
  }
}

void TBaseGrid::ClearRowCells(int ARow) {
  for (int c = 0; c < ColCount(); ++c) {
    SetObjects(c, ARow, nullptr);
    SetCellEx(c, ARow, QString());
  }
}

void TBaseGrid::ClearCellSlot(int ACol, int ARow) {
  SetCellEx(ACol, ARow, QString());
  SetObjects(ACol, ARow, nullptr);
}

void TBaseGrid::RepaintCell(int ACol, int ARow) {
  if (!Showing()) return;
  const TRect r = CellRect(ACol, ARow);
  if (!r.IsEmpty()) InvalidateRect(r);
}
