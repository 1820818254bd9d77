// What every cell editor wrapper shares: the keys it hands back to its grid
// (one set per wrapper, kept as data) and the steps it takes for them, from
// Escape and the validating keys to leaving the cell.
#pragma once

#include "platform/Sets.h"
#include "platform/Types.h"

#include <QString>

#include <cstdint>
#include <initializer_list>

class TPlexStringGrid;
class TObject;

// Virtual-key codes below 64, the only ones a wrapper hands back.
class TKeySet {
public:
  constexpr TKeySet(std::initializer_list<WORD> Keys) {
    for (WORD k : Keys) FBits |= uint64_t(1) << k;
  }
  constexpr bool Contains(WORD Key) const { return Key < 64 && (FBits >> Key & 1) != 0; }
  constexpr TKeySet operator|(TKeySet Other) const {
    TKeySet r{};
    r.FBits = FBits | Other.FBits;
    return r;
  }

private:
  uint64_t FBits = 0;
};

// The keys each wrapper takes for itself before its base control sees them.
namespace HandledKeys {
inline constexpr TKeySet DropDown{VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_END, VK_UP, VK_DOWN};
inline constexpr TKeySet ColorClosed = DropDown | TKeySet{VK_HOME};
inline constexpr TKeySet ColorOpen{VK_TAB, VK_RETURN, VK_ESCAPE};
// A list-style combo, or any combo while its list is open.
inline constexpr TKeySet ComboList{VK_TAB, VK_RETURN, VK_ESCAPE, VK_LEFT, VK_RIGHT};
inline constexpr TKeySet ComboEdit = DropDown;
inline constexpr TKeySet Spin{VK_TAB, VK_RETURN, VK_ESCAPE, VK_UP, VK_DOWN};
inline constexpr TKeySet SpinSteps{VK_PRIOR, VK_NEXT, VK_HOME, VK_END};
inline constexpr TKeySet EditBtn{VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_UP, VK_DOWN};
inline constexpr TKeySet DatePicker{VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_END};
inline constexpr TKeySet CheckBox{VK_RETURN, VK_PRIOR, VK_NEXT, VK_END, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN};
inline constexpr TKeySet Button{VK_ESCAPE, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN};
// The keys a popup (or a list-style combo) swallows once the editor is hidden.
inline constexpr TKeySet PopupSwallowed{VK_PRIOR, VK_NEXT, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN};
}  // namespace HandledKeys

// The character of Enter, Escape and Tab; null for other keys.
QChar KeyChar(WORD Key);

// Whether a typed character may enter a numeric (Float false) or a float
// edit as the text editor's numeric and float types let it; control keys pass.
bool NumberCharAccepted(bool Float, QChar Ch, const QString& Text, int Caret, const QString& SelText);

// What the common steps need of the editor they run for.
class IEditorKeyHost {
public:
  virtual ~IEditorKeyHost() = default;
  virtual QString EditorText() = 0;
  virtual void SetEditorText(const QString& Text) = 0;
  virtual void SelectAllText() {}
  virtual void CaretToEnd() {}
  virtual void RepaintEditor() {}
  // Escape: the editor takes the text the cell had when the edit began.
  virtual void TakeBackCellText();
  // A validating key was refused: the editor shows what validation left.
  virtual void ShowRefused(WORD Key);
  // A validating key was accepted: the editor shows the cell's text.
  virtual void ShowAccepted(WORD Key);
  // After the editor was hidden with its popup open (step d), for the swallowed keys.
  virtual void AfterPopupKey(WORD Key) {}

protected:
  explicit IEditorKeyHost(TPlexStringGrid* Grid) : FHostGrid(Grid) {}
  TPlexStringGrid* FHostGrid;
};

struct TKeyStepOptions {
  // The popup is open (or the combo is list-style): hide before leaving.
  bool PopupStep = false;
  // End with the popup closed goes to the base control.
  bool EndToBaseWhenClosed = true;
  // Step e may open the editor again in the new cell.
  bool ReopenAfterDone = true;
  // Tab is validated with Enter, Up and Down whatever the grid's setting.
  bool TabAlwaysValidated = false;
  // Tab after acceptance without goTabs goes on to the last step (no Tab posted).
  bool TabPostsKey = true;
  // A refused Tab leaves the caret at the end (else all is selected).
  bool RefusedTabCaretAtEnd = true;
  // Up and Down are validated like Enter (else they leave the cell at once).
  bool ArrowsValidate = true;
};

enum class TKeyStep { ToBase, Consumed };

// The grid side of a wrapper: the grid operations the wrappers call, and the
// common key steps run against an editor.
class TGridEditorLink {
public:
  explicit TGridEditorLink(TPlexStringGrid* Grid) : FGrid(Grid) {}
  TPlexStringGrid* Grid() const { return FGrid; }

  // Steps a to e for a key of the Handled set; ToBase for every other key
  // and for Alt+Down.
  TKeyStep CommonKeyDown(IEditorKeyHost& Host, WORD& Key, TShiftState Shift, TKeySet Handled,
                         const TKeyStepOptions& Options = {});
  // The editor's text becomes the current cell's, then the single gate decides.
  bool ValidateText(const QString& Text);
  // Hides and commits, then the grid takes the focus.
  void HideAndFocusGrid();
  // The grid takes the focus with AlwaysEdit off for the moment.
  void FocusGridQuietly();
  // The grid's own key-down handling for a key the editor hands over.
  void GridKeyDown(WORD Key, TShiftState Shift);
  // One Tab step from the editor (Shift+Tab when Backward).
  void NavigateFromEditor(bool Backward);
  // Enter's advance to the next cell (it moves only with AdvanceOnEnter).
  void AdvanceFromEditor();
  // Leaves the cell as if Key had been pressed in it (step e).
  void DoneAndMaybeReopen(WORD Key, TShiftState Shift, bool Reopen);
  // The caret walked out of the editor: the cell is committed and the cursor
  // goes to the next editable cell of the row in Direction (-1 or 1); with
  // CursorWalkAlwaysEdit the editor opens there.
  void WalkToColumn(int Direction);
  // The grid's OnKeyPress with the given sender.
  void FireKeyPress(TObject* Sender, QChar& Key);
  void FireEditChange(const QString& Text);
  // The no-auto-advance flag of the grid.
  void SetNoAutoAdvance(bool Value);
  QString NewCellText() const;
  // Puts back the editor type a refused validation may have replaced.
  void RestoreEditorType(int Type);
  QString CellCache() const;
  // The editor was opened by a click on its cell; cleared once the caret went under the pointer.
  bool OpenedByClick() const;
  void ClearOpenedByClick();

private:
  TPlexStringGrid* FGrid;
};
