// The contract through which an application puts a control of its own into a
// cell as its editor (cells of type edCustom). A descendant creates its
// control in CreateEditor, moves values in and out in SetEditorValue and
// GetEditorValue, and wires its control's key-down and exit events to
// EditKeyDown and EditExit; the grid drives the rest. The control sits over
// the cell, or in a borderless pop-up form below it.
#pragma once

#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/Types.h"

#include <QString>

class TForm;
class TPlexStringGrid;
class TWinControl;

enum TEditStyle { esInplace, esPopup };

class TEditLink : public TComponent {
public:
  explicit TEditLink(TComponent* AOwner);
  ~TEditLink() override;

  // The grid that edits through the link; set each time it shows the editor.
  TPlexStringGrid* Grid() const { return FGrid; }
  bool WantKeyLeftRight = false;
  bool WantKeyUpDown = false;
  bool WantKeyHomeEnd = false;
  bool WantKeyPriorNext = false;
  bool WantKeyReturn = false;
  bool WantKeyEscape = false;
  TEditStyle EditStyle = esInplace;
  int PopupWidth = 0;
  int PopupHeight = 0;
  // The edited cell (real column, row) as the grid passed it.
  TPoint EditCell() const { return FEditCell; }
  bool AutoPopupWidth = false;
  // Screen position of the pop-up form; -1 in either places it at the cell.
  int PopupLeft = -1;
  int PopupTop = -1;
  // Tab stays with the control; WantReturns is the application's to read.
  bool WantReturns = false;
  bool WantTabs = false;
  TForm* PopupForm() const { return FPopupForm; }
  // The grid's message filter is installed on the control.
  bool Subclassed() const { return FSubclassed; }

  virtual void EditKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  virtual TWinControl* GetEditControl() { return nullptr; }
  virtual void CreateEditor(TWinControl* AParent) {}
  virtual void DestroyEditor() {}
  virtual void SetFocus(bool Value);
  virtual void SetRect(TRect R);
  virtual void SetVisible(bool Value);
  virtual void SetProperties() {}
  virtual void SetCellProps(TColor AColor, TFont* AFont) {}
  virtual QString GetEditorValue() { return QString(); }
  virtual void SetEditorValue(const QString& s) {}

  void EditExit(TObject* Sender);
  // The pop-up form lost activation.
  void FormExit(TObject* Sender);
  // The text of the edited cell: the grid's current row, the real column of its current column.
  QString GetCellValue();
  void SetCellValue(const QString& s);
  // The pop-up form for esPopup, else the grid.
  TWinControl* GetParent();
  void HideEditor();
  void RestoreWinProc();
  // The control is about to lose the focus to a press on another cell or to
  // another window: its value is checked while it is still open. False when
  // it was refused: the cell keeps its text and the editor opens there again.
  bool CheckBeforeLeaving();

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  friend class TPlexStringGrid;
  // The grid takes the focus, with the forced-exit flag set around it.
  void FocusGrid();
  // Frees the control and hides the pop-up form; while a key of the control
  // is being handled this waits until the key is done.
  void ClosePopup();
  // Takes the grid's new pop-up form: its deactivation and the deferred
  // close and reopen come here.
  void AdoptPopupForm(TForm* Form);
  // The pop-up lost the activation to a press on its grid with a value the
  // validation refused: the press that follows must not move the grid, and
  // the editor opens at its cell again once that change of activation is over.
  void AwaitReopen();
  void Reopen();
  // The grid asks on a press: true for the press that took the activation
  // from a pop-up with a refused value (it is spent then).
  bool TakeRefusedPress();
  // The grid opens the pop-up again while it is still open or while the
  // closing key is still being handled (a refused value): a close waiting
  // for the key is called off and the control, never freed, goes on
  // serving. False when the control is to be created.
  bool KeepOpenPopup();
  bool FInKeyDown = false;
  bool FClosePending = false;
  // The grid is placing and showing the editor: the form's passing loss of
  // activation (a shown form sized 0 x 0 is hidden) is no exit.
  bool FShowing = false;
  // The control is losing the focus, or the pop-up form the activation: a
  // refused value does not open the editor again in the middle of that change.
  bool FLeaving = false;
  // The editor shown last has had its exit: a later exit of the control (a
  // pop-up's control keeps the focus of its own window until it is disabled,
  // after the grid moved on) writes nothing.
  bool FExited = false;
  bool FReopenPending = false;
  TPoint FReopenCell;
  bool FRefusedPress = false;
  uint32_t FRefusedPressUntil = 0;
  TPlexStringGrid* FGrid = nullptr;
  TForm* FPopupForm = nullptr;
  bool FForcedExit = false;
  TPoint FEditCell;
  bool FSubclassed = false;
  TWinControl* FFiltered = nullptr;
};
