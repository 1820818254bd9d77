// The grid's drop-down editors: each drop-down control bound to the grid that
// owns it. Made hidden on first use by the grid's getters; the editor life of
// a cell shows, loads and commits them, and these classes decide what Enter,
// Escape, Tab, the arrows, the paging keys and the loss of focus hand back.
#pragma once

#include "grid/dropdowns/PlexDropDownMembers.h"
#include "grid/editing/GridEditorLink.h"

// What the grid tells a drop-down editor it is about to show over a cell.
class IGridDropDownOpening {
public:
  virtual ~IGridDropDownOpening() = default;
  // Notes whether a click on the cell opens the editor.
  virtual void NoteOpening() = 0;
};

template <class TBase>
class TGridDropDownWrapper : public TBase, public IGridDropDownOpening, private IEditorKeyHost {
public:
  // The owner is the grid that edits through the drop-down.
  explicit TGridDropDownWrapper(TComponent* AOwner);
  void NoteOpening() override { FOpenedByClick = FLink.OpenedByClick(); }
  // The text the editor shows, through the writer the editor uses for it.
  void SetEditorText(const QString& Text) override;

protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void DoEnter() override;
  void DoExit() override;
  void Change() override;

  // The keys taken from the base; the colour picker's depend on its popup.
  virtual TKeySet KeysHandled() const { return HandledKeys::DropDown; }
  // Up and Down are validated before they leave the cell.
  virtual bool ArrowsValidate() const { return true; }
  // Texts go through the formatting writer, not verbatim.
  virtual bool FormattedTexts() const { return false; }
  // A click that opened the editor puts the caret under the pointer.
  virtual bool CaretUnderPointer() const { return false; }
  // Runs before Enter is validated.
  virtual void BeforeEnter() {}

  TPlexStringGrid* FGrid;
  TGridEditorLink FLink;

private:
  QString EditorText() override { return this->Text(); }
  void SelectAllText() override { this->SelectAll(); }
  void CaretToEnd() override { this->SetSelStart(this->Text().length()); }
  void RepaintEditor() override { this->Invalidate(); }
  // The grid, not the user, is changing the text.
  bool FSettingText = false;
  bool FOpenedByClick = false;
};

class TGridTrackbarDropDown : public TGridDropDownWrapper<TPlexTrackBarDropDown> {
public:
  using TGridDropDownWrapper::TGridDropDownWrapper;

protected:
  bool FormattedTexts() const override { return true; }
  bool CaretUnderPointer() const override { return true; }
};

class TGridMemoDropDown : public TGridDropDownWrapper<TPlexMemoDropDown> {
public:
  using TGridDropDownWrapper::TGridDropDownWrapper;

protected:
  bool CaretUnderPointer() const override { return true; }

private:
  // The cell followed the typing: Escape gives it its text from before the edit first.
  void TakeBackCellText() override;
};

class TGridCalculatorDropDown : public TGridDropDownWrapper<TPlexCalculatorDropdown> {
public:
  using TGridDropDownWrapper::TGridDropDownWrapper;

protected:
  bool CaretUnderPointer() const override { return true; }
  // The pending operation completes first, so the result is what is validated.
  void BeforeEnter() override { CalcResult(); }
};

class TGridTimepickerDropDown : public TGridDropDownWrapper<TPlexTimePickerDropDown> {
public:
  explicit TGridTimepickerDropDown(TComponent* AOwner) : TGridDropDownWrapper(AOwner) { FocusDraw = false; }
};

class TGridGridDropDown : public TGridDropDownWrapper<TPlexMultiColumnDropDown> {
public:
  using TGridDropDownWrapper::TGridDropDownWrapper;
};

class TGridPlexGridDropDown : public TGridDropDownWrapper<TCustomPlexGridDropDown> {
public:
  using TGridDropDownWrapper::TGridDropDownWrapper;
  // The grid shown in the popup.
  TPlexStringGrid* Grid() { return GetGrid(); }
};

class TGridDetailPickerDropDown : public TGridDropDownWrapper<TPlexDetailDropDown> {
public:
  using TGridDropDownWrapper::TGridDropDownWrapper;
};

class TGridColorDropDown : public TGridDropDownWrapper<TPlexColorPickerDropDown> {
public:
  using TGridDropDownWrapper::TGridDropDownWrapper;

protected:
  // Open, the arrows and paging keys are the popup's own.
  TKeySet KeysHandled() const override { return DroppedDown() ? HandledKeys::ColorOpen : HandledKeys::ColorClosed; }
  // Only Enter validates: a colour is chosen, not typed.
  bool ArrowsValidate() const override { return false; }
};

class TGridImageDropDown : public TGridDropDownWrapper<TPlexImagePickerDropDown> {
public:
  using TGridDropDownWrapper::TGridDropDownWrapper;
};
