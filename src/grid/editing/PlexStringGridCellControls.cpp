// Form controls in mini-HTML cells: a real edit or combo placed over the
// drawn control while it is edited, its value written back into the tag when
// it loses the focus, and the keys that leave it.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/ControlLook.h"
#include "grid/editing/ControlCombo.h"
#include "grid/editing/ControlEdit.h"
#include "grid/foundation/PsgHTMLE.h"
#include "grid/foundation/PsgHTMLEControls.h"

namespace {
bool IsEditKind(const QString& Type) { return Type == "EDIT" || Type == "PASSWORD" || Type == "MASK"; }
}  // namespace

void TPlexStringGrid::EditCellControl(int ACol, int ARow, const QString& CtrlID, const QString& CtrlType,
                                      const QString& CtrlVal, const TRect& CtrlRect) {
  const QString type = CtrlType.toUpper();
  if (!IsEditKind(type) && type != "COMBO") return;
  const int rcol = RealColIndex(ACol);
  const QString html = GetCellEx(rcol, ARow);
  FCtrlXY = TGridCoord{rcol, ARow};
  FCtrlID = CtrlID;
  FCtrlType = type;
  FCtrlEditing = true;
  const TRect& r = CtrlRect;
  if (IsEditKind(type)) {
    TControlEdit* edit = FControlEdit;
    edit->SetWidth(0);  // no flicker at the old place
    edit->SetPasswordChar(type == "PASSWORD" ? QChar('*') : QChar());
    edit->SetEditMask(type == "MASK" ? GetHtmlControlProp(html, CtrlID) : QString());
    edit->OnExit = [this](TObject*) { EndCellControlEdit(); };
    edit->SetText(CtrlVal);
    edit->SetBorderStyle(bsNone);
    edit->SetBounds(r.Left + 1, r.Top + 8, r.Right - r.Left - 4, 14);
    edit->SetMaxLength(GetHtmlControlMaxLen(html, CtrlID));
    edit->SetParent(this);
    edit->SetEnabled(true);
    edit->SetVisible(true);
    edit->BringToFront();
    if (edit->CanFocus()) edit->SetFocus();
    return;
  }
  TControlCombo* combo = FControlCombo;
  combo->IsWinXP = FIsWinXP;
  combo->SetWidth(0);
  combo->SetFlat(false);
  bool editable = true;
  int dropCount = 8;
  combo->SetParent(this);
  // The combo keeps its own height; the dropped list shows DropCount rows.
  combo->SetBounds(r.Left - 1, r.Top + 4, r.Right - r.Left, combo->Height());
  combo->OnSelect = [this](TObject* Sender) { ControlComboSelect(Sender); };
  if (OnControlComboList)
    OnControlComboList(this, ARow, ACol, CtrlID, CtrlType, CtrlVal, combo->Items(), editable, dropCount);
  combo->SetStyle(editable ? csDropDown : csDropDownList);
  const int index = combo->Items().IndexOf(CtrlVal);
  combo->SetItemIndex(index);
  if (editable || index >= 0) combo->SetText(CtrlVal);
  combo->SetDropDownCount(dropCount);
  // The dropped list takes the focus for a while; that is no leaving.
  combo->OnExit = [this, combo](TObject*) {
    if (!combo->DroppedDown()) EndCellControlEdit();
  };
  combo->SetMaxLength(GetHtmlControlMaxLen(html, CtrlID));
  combo->SetEnabled(true);
  combo->SetVisible(true);
  combo->BringToFront();
  if (combo->CanFocus()) combo->SetFocus();
  combo->SetDroppedDown(true);
}

void TPlexStringGrid::EndCellControlEdit() {
  if (!FCtrlEditing) return;
  FCtrlEditing = false;
  QString html = GetCellEx(FCtrlXY.X, FCtrlXY.Y);
  QString value;
  if (IsEditKind(FCtrlType)) {
    value = FControlEdit->Text();
    SetHtmlControlValue(html, FCtrlID, value);
    SetCellEx(FCtrlXY.X, FCtrlXY.Y, html);
    FControlEdit->SetVisible(false);
  } else if (FCtrlType == "COMBO") {
    value = FControlCombo->Text();
    SetHtmlControlValue(html, FCtrlID, value);
    SetCellEx(FCtrlXY.X, FCtrlXY.Y, html);
    FControlCombo->SetDroppedDown(false);
    FControlCombo->SetVisible(false);
  }
  if (OnControlEditDone) OnControlEditDone(this, FCtrlXY.Y, FCtrlXY.X, FCtrlID, FCtrlType, value);
  FCtrlType.clear();
}

void TPlexStringGrid::ControlComboSelect(TObject* Sender) {
  if (!OnControlComboSelect) return;
  const int index = FControlCombo->ItemIndex();
  const QString text = index >= 0 ? FControlCombo->Items().Strings(index) : QString();
  OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, index, FCtrlID, text);
}

TRect TPlexStringGrid::CellControlRect(int ACol, int ARow, const QString& CtrlID, QString* CtrlType) {
  const int rcol = RealColIndex(ACol);
  TRect r = CellRect(ACol, ARow);
  r.Left += XYOffset.X + 1;
  r.Top += XYOffset.Y + 1;
  if (HasCheckBox(rcol, ARow)) r.Left += FControlLook->CheckSize();
  THtmlDrawParams params;
  params.HitTestOnly = true;
  params.ControlId = CtrlID;
  params.Images = GetCellImageList(rcol, ARow);
  params.WindowHandle = this;
  params.BiDiMode = BiDiMode();
  THtmlDrawResults found;
  Canvas().Font().Assign(Font());
  DrawHtmlText(Canvas(), GetCellEx(rcol, ARow), r, params, found);
  if (CtrlType) *CtrlType = found.ControlType;
  return found.ControlRect;
}

void TPlexStringGrid::EditNextCellControl(int ACol, int ARow, const QString& CtrlID) {
  const int rcol = RealColIndex(ACol);
  const QString html = GetCellEx(rcol, ARow);
  const QString next = NextHtmlControlId(html, CtrlID);
  if (next.isEmpty()) {
    if (CanFocus()) SetFocus();
    return;
  }
  QString value;
  GetHtmlControlValue(html, next, value);
  QString type;
  const TRect r = CellControlRect(ACol, ARow, next, &type);
  EditCellControl(ACol, ARow, next, type, value, r);
}
