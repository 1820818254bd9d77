// The custom editor link's part of the editor life: showing the
// application's control over the cell or in the pop-up form, and taking its
// value back on commit.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/ControlLook.h"
#include "grid/editing/CellEditor.h"
#include "grid/editing/EditLink.h"
#include "platform/Application.h"
#include "platform/Forms.h"

void TPlexStringGrid::SetEditLink(TEditLink* Value) {
  if (FEditLink == Value) return;
  if (FEditLink) FEditLink->RemoveFreeNotification(this);
  FEditLink = Value;
  if (FEditLink) FEditLink->FreeNotification(this);
}

void TPlexStringGrid::OpenEditLinkPopup(const TRect& R) {
  TEditLink& link = *FEditLink;
  if (!link.FPopupForm) {
    TApplication* app = Application();
    for (int i = app->ComponentCount() - 1; i >= 0; --i)
      if (app->Components(i)->Name == "gridform") delete app->Components(i);
    auto* form = new TForm(app);  // owned by the application, reused by the link
    form->Name = "gridform";
    link.AdoptPopupForm(form);
  }
  TForm* form = link.FPopupForm;
  const TPoint at = link.PopupLeft != -1 && link.PopupTop != -1 ? TPoint(link.PopupLeft, link.PopupTop)
                                                                : ClientToScreen(TPoint(R.Left, R.Top));
  form->SetBounds(at.X, at.Y, 0, 0);
  form->SetFormStyle(fsStayOnTop);
  form->SetBorderStyle(bsNone);
  form->Show();
  form->SetBounds(at.X, at.Y, link.PopupWidth, link.PopupHeight);
}

void TPlexStringGrid::ShowEditLink(const TCellEditorSetup& Setup, const TRect& R) {
  if (!FEditLink) return;
  TEditLink& link = *FEditLink;
  // A value refused while the control is losing the focus or its pop-up the
  // activation: the editor closes with the cell's text instead of opening
  // again in the middle of that change (a pop-up left by a press on the grid
  // opens again from the message queue).
  if (link.FLeaving) {
    FEditCtrl = link.GetEditControl();
    return;
  }
  link.FGrid = this;
  link.FExited = false;
  link.FreeNotification(this);
  link.FEditCell = TPoint(Setup.Col, Setup.Row);
  const bool popup = link.EditStyle == esPopup;
  link.FShowing = true;
  struct TShown {
    bool& Flag;
    ~TShown() { Flag = false; }
  } shown{link.FShowing};
  if (popup) {
    if (link.AutoPopupWidth) link.PopupWidth = R.Right - R.Left;
    const bool kept = link.KeepOpenPopup();
    OpenEditLinkPopup(R);
    if (!kept) link.CreateEditor(link.FPopupForm);
  } else {
    link.CreateEditor(this);
  }
  link.SetRect(popup ? TRect(0, 0, link.PopupWidth, link.PopupHeight) : R);
  link.SetVisible(true);
  link.SetCellProps(Setup.Color, Setup.Font);
  link.SetProperties();
  DoGetEditorProp(Setup.Col, Setup.Row);
  link.SetEditorValue(GetEditText(RealToDisplayCol(Setup.Col), Setup.Row));
  link.SetFocus(true);
  FEditActive = true;
  TWinControl* control = link.GetEditControl();
  if (control && !FStartEditChar.isNull()) PostMessage(control, WM_CHAR, FStartEditChar.unicode(), 0);
  FEditCtrl = control;
}

void TPlexStringGrid::CommitEditLink(int ACol, int ARow) {
  if (FControlLook->DropDownAlwaysVisible()) DoGetEditorTypeDirect(ACol, ARow, FEditControl);
  if (!FEditLink) return;
  SetCellFromEditor(ACol, ARow, FEditLink->GetEditorValue());
  if (FEditLink->EditStyle != esPopup) FEditLink->SetVisible(false);
  FEditLink->RestoreWinProc();
  FEditMode = false;
}
