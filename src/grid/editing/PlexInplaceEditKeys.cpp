// The text editor's keys: the character filter by editor type, auto advance,
// the key-down steps that validate and leave the editor, lookup completion
// and the clipboard.
#include "grid/editing/PlexInplaceEdit.h"

#include "grid/core/ColumnSize.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/core/SizeWhileTyping.h"
#include "grid/editing/EditorTypeTable.h"
#include "grid/foundation/NumberDateRoutines.h"
#include "grid/foundation/TextRoutines.h"
#include "platform/Clipbrd.h"
#include "platform/ControlMessages.h"
#include "platform/KeyboardState.h"
#include "platform/SystemProbes.h"

#include <algorithm>
#include <array>

namespace {
// What a cell's editor type lets through as typed characters.
enum class TCharRule : uint8_t { All, Numeric, PositiveNumeric, Float, PositiveFloat, Upper, Lower, Mixed, ValidChars };

struct TCharRuleRow {
  TEditorType Type;
  TCharRule Rule;
};

constexpr std::array<TCharRuleRow, 11> CharRules = {{
    {edNormal, TCharRule::All},
    {edPassword, TCharRule::All},
    {edNumeric, TCharRule::Numeric},
    {edPositiveNumeric, TCharRule::PositiveNumeric},
    {edFloat, TCharRule::Float},
    {edPositiveFloat, TCharRule::PositiveFloat},
    {edCapital, TCharRule::Upper},
    {edUpperCase, TCharRule::Upper},
    {edLowerCase, TCharRule::Lower},
    {edMixedCase, TCharRule::Mixed},
    {edValidChars, TCharRule::ValidChars},
}};

// The types whose Enter makes a line break with LineFeedOnEnter.
constexpr std::array<TEditorType, 6> LineFeedTypes = {edNormal,    edCapital,   edMixedCase,
                                                      edLowerCase, edUpperCase, edValidChars};

const TCharRuleRow* CharRuleOf(TEditorType Type) {
  const auto* row =
      std::find_if(CharRules.begin(), CharRules.end(), [Type](const TCharRuleRow& r) { return r.Type == Type; });
  return row == CharRules.end() ? nullptr : row;
}

bool IsControlKeyChar(QChar Ch) { return Ch == QChar(8) || Ch == QChar(9) || Ch == QChar(13) || Ch == QChar(27); }

// The edit control turns these into its cut, paste and copy messages.
bool IsClipboardChar(QChar Ch) { return Ch == QChar(3) || Ch == QChar(22) || Ch == QChar(24); }

enum class TOutcome { Pass, Beep, Drop, EarlyDrop, EarlyBeep };
}  // namespace

void TPlexInplaceEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_CHAR: WMChar(m); return;
    case WM_KEYDOWN: WMKeyDown(m); return;
    case WM_KEYUP:
      TInplaceEdit::WndProc(m);
      FPlexGrid->EditorTextPosChanged();
      FPlexGrid->SetFormulaEditMode(Text().startsWith('='));
      return;
    case WM_PASTE: WMPaste(); return;
    case WM_CUT:
    case WM_COPY: {
      bool allow = true;
      const auto& event = m.Msg == WM_CUT ? FPlexGrid->OnClipboardCut : FPlexGrid->OnClipboardCopy;
      if (event) event(this, allow);
      if (allow) TInplaceEdit::WndProc(m);
      return;
    }
    case WM_SETFOCUS:
      TInplaceEdit::WndProc(m);
      WMSetFocus();
      return;
    case WM_KILLFOCUS:
      TInplaceEdit::WndProc(m);
      WMKillFocus();
      return;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      if (m.WParam == VK_BACK) FAltBackspace = m.Msg == WM_SYSKEYDOWN;
      break;
    default: break;
  }
  TInplaceEdit::WndProc(m);
}

void TPlexInplaceEdit::WMChar(TMessage& m) {
  TPlexStringGrid& grid = *FPlexGrid;
  QChar ch(char16_t(m.WParam));
  if (IsClipboardChar(ch)) {
    TInplaceEdit::WndProc(m);
    return;
  }
  const TShiftState shift = KeyboardShiftState();
  if (grid.ExcelStyleDecimalSeparator && ch == QChar('.') && (m.LParam & KeyDataKeypad))
    ch = FormatSettings().DecimalSeparator;
  const bool ctrl = shift.Contains(ssCtrl);
  const bool multiLine = grid.WordWrap() || grid.Multilinecells;
  if ((ch == QChar(1) && ctrl) || (ch == QChar(10) && ctrl && !(grid.Navigation().AllowCtrlEnter && multiLine))) {
    m.WParam = 0;
    return;
  }
  if (FLengthLimit > 0 && Text().length() == FLengthLimit && SelLength() == 0 && ch != QChar(8) && ch != QChar(13) &&
      ch != QChar(27)) {
    m.WParam = 0;
    return;
  }
  const TEditorType type = grid.EditControl();
  if (ch == QChar(13) && grid.Navigation().LineFeedOnEnter &&
      std::find(LineFeedTypes.begin(), LineFeedTypes.end(), type) != LineFeedTypes.end()) {
    InsertLineBreak();
    m.WParam = 0;
    return;
  }
  if (FilterByType(m, ch, shift)) AutoAdvance();
}

bool TPlexInplaceEdit::FilterByType(TMessage& m, QChar& Ch, TShiftState Shift) {
  TPlexStringGrid& grid = *FPlexGrid;
  const TCharRuleRow* row = CharRuleOf(grid.EditControl());
  const bool ctrl = Shift.Contains(ssCtrl);
  const bool digit = Ch >= QChar('0') && Ch <= QChar('9');
  const QString text = Text();
  const bool caretAtStart = SelStart() == 0;
  TOutcome outcome = TOutcome::Drop;
  switch (row ? row->Rule : TCharRule::All) {
    case TCharRule::All: outcome = row ? TOutcome::Pass : TOutcome::Drop; break;
    case TCharRule::Upper:
      Ch = Ch.toUpper();
      outcome = TOutcome::Pass;
      break;
    case TCharRule::Lower:
      Ch = Ch.toLower();
      outcome = TOutcome::Pass;
      break;
    case TCharRule::Mixed: outcome = TOutcome::Pass; break;
    case TCharRule::Numeric:
      if (IsControlKeyChar(Ch) || digit)
        outcome = TOutcome::Pass;
      else if (Ch == QChar('-'))
        outcome = !text.contains('-') && caretAtStart ? TOutcome::Pass : TOutcome::Beep;
      else
        outcome = TOutcome::Beep;
      break;
    case TCharRule::PositiveNumeric: outcome = IsControlKeyChar(Ch) || digit ? TOutcome::Pass : TOutcome::Beep; break;
    case TCharRule::Float:
    case TCharRule::PositiveFloat: {
      const bool positive = row->Rule == TCharRule::PositiveFloat;
      const QChar decimal = FormatSettings().DecimalSeparator, thousand = FormatSettings().ThousandSeparator;
      const bool listed = IsControlKeyChar(Ch) || digit || Ch == QChar(',') || Ch == QChar('.') || Ch == QChar('-');
      if (Ch == decimal && text.contains(decimal) && !SelText().contains(decimal))
        outcome = TOutcome::EarlyDrop;
      else if (Ch == thousand)
        outcome = TOutcome::EarlyDrop;
      else if (Ch == QChar('-') && positive)
        outcome = ctrl ? TOutcome::Pass : TOutcome::Drop;
      else if (Ch == QChar('-'))
        outcome =
            (caretAtStart && !text.contains('-')) || SelText().contains('-') ? TOutcome::Pass : TOutcome::EarlyBeep;
      else
        outcome = listed || ctrl ? TOutcome::Pass : TOutcome::Drop;
      break;
    }
    case TCharRule::ValidChars: {
      bool valid = Ch == QChar(8) || Ch == QChar(13);
      if (!grid.ValidChars.isEmpty())
        valid = valid || grid.ValidChars.contains(Ch);
      else
        valid = valid || (Ch.unicode() <= 255 && grid.ValidCharSet.contains(Ch));
      outcome = valid ? TOutcome::Pass : TOutcome::Beep;
      break;
    }
  }
  switch (outcome) {
    case TOutcome::Pass: break;
    case TOutcome::Beep:
    case TOutcome::EarlyBeep: MessageBeep(MB_OK_BEEP); [[fallthrough]];
    default: m.WParam = 0; return outcome == TOutcome::Beep || outcome == TOutcome::Drop;
  }
  const int caret = SelStart();
  m.WParam = Ch.unicode();
  TInplaceEdit::WndProc(m);
  const QChar typed(char16_t(m.WParam));
  if (typed.unicode() < 32) return true;
  InsertTyped(typed);
  m.WParam = 0;
  if (row->Rule == TCharRule::Mixed) {
    SetText(ToProperCase(Text()));
    SetSelStart(caret + 1);
  }
  return true;
}

void TPlexInplaceEdit::InsertTyped(QChar Ch) { SetSelText(QString(Ch)); }

void TPlexInplaceEdit::AutoAdvance() {
  TPlexStringGrid& grid = *FPlexGrid;
  const TNavigation& nav = grid.Navigation();
  const int length = Text().length();
  if (!nav.AdvanceAuto() || !nav.AdvanceOnEnter || grid.MaxEditLength() <= 0 || length != grid.MaxEditLength()) return;
  if (SelLength() != 0 || SelStart() != length) return;
  // The full text is the cell's before the grid moves on, or it would stay
  // behind in the editor when the cursor leaves the cell.
  if (!grid.ValidateCell(Text())) return;
  grid.CommitCellEditor(grid.Col(), grid.Row());
  QChar enter(13);
  grid.KeyPress(enter);
}

void TPlexInplaceEdit::ShowRefusedText() {
  TPlexStringGrid& grid = *FPlexGrid;
  SetText(grid.FNewCellText);
  if (grid.Navigation().EditSelectAll)
    SelectAll();
  else
    SetSelStart(Text().length());
}

// Steps 7 and 8: the text becomes the current cell's, then it is validated.
bool TPlexInplaceEdit::ValidateForKey(bool Walk) {
  TPlexStringGrid& grid = *FPlexGrid;
  const QString oldText = grid.FOldCellText;
  const QString text = Text();
  grid.FValidating = true;
  grid.SetCurrentCell(text);
  grid.FValidating = false;
  if (grid.ValidateCell(text)) {
    SetText(grid.FNewCellText);
    if (Walk) {
      grid.HideInplaceEdit();
      if (grid.CanFocus()) grid.SetFocus();
    }
    return true;
  }
  ShowRefusedText();
  Invalidate();
  grid.FOldCellText = oldText;
  return false;
}

void TPlexInplaceEdit::WMKeyDown(TMessage& m) {
  TPlexStringGrid& grid = *FPlexGrid;
  WORD key = WORD(m.WParam);
  const TShiftState shift = KeyboardShiftState();
  const bool ctrl = shift.Contains(ssCtrl), shiftKey = shift.Contains(ssShift);
  const TNavigation& nav = grid.Navigation();
  grid.EditorWMKeyDown(key, shift);
  FSelStartAtWMKeyDown = SelStart();
  if (key == VK_ESCAPE) {
    grid.FNoEditChange = true;
    SetText(grid.FCellCache);
    grid.FNoEditChange = false;
    grid.HideInplaceEdit();
  }
  if ((key == 'A' && ctrl && !shift.Contains(ssAlt)) ||
      (key == VK_RETURN && ctrl && !(nav.AllowCtrlEnter && (grid.WordWrap() || grid.Multilinecells)))) {
    if (key == 'A') SelectAll();
    m.WParam = 0;
    return;
  }
  const QString oldText = grid.FOldCellText;
  const QString text = Text();
  if (key == VK_TAB && grid.ValidatesOnTab()) {
    m.WParam = 0;
    if (!grid.ValidateCell(text)) {
      ShowRefusedText();
      grid.FOldCellText = oldText;
      return;
    }
    SetText(grid.FNewCellText);
    grid.HideInplaceEdit();
    if (grid.Options().Contains(goTabs))
      grid.NavigateFromEditor(shiftKey);
    else
      PostMessage(&grid, WM_KEYDOWN, VK_TAB, 0);
    return;
  }
  const int caret = SelStart(), length = text.length();
  if (nav.CursorWalkEditor && shiftKey && ((key == VK_LEFT && caret == 0) || (key == VK_RIGHT && caret == length))) {
    ValidateForKey(true);
    m.WParam = 0;
    return;
  }
  if ((key == VK_UP && CaretLine() == 0) || (key == VK_DOWN && CaretLine() == LineCount() - 1)) {
    if (!ValidateForKey(false)) {
      m.WParam = 0;
      return;
    }
  }
  if (key == VK_RETURN && !nav.LineFeedOnEnter && !ctrl) {
    if (!grid.ValidateCell(text)) {
      ShowRefusedText();
      grid.FOldCellText = oldText;
      m.WParam = 0;
      return;
    }
    SetText(grid.FNewCellText);
  }
  if (key == VK_HOME && !ctrl && !shiftKey) SetSelStart(0);
  if (key == VK_END && !ctrl && !shiftKey) SetSelStart(Text().length());
  if (key == VK_RETURN && ctrl && nav.LineFeedOnEnter) {
    QChar enter(13);
    TInplaceEdit::KeyPress(enter);
    m.WParam = 0;
    return;
  }
  m.WParam = key;
  TInplaceEdit::WndProc(m);
}

void TPlexInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
  TPlexStringGrid& grid = *FPlexGrid;
  FSelStartAtKeyDown = SelStart();
  if (Key == VK_BACK || Key == VK_DELETE)
    FWorkMode = false;
  else if (Key != VK_RETURN && Key != VK_UP && Key != VK_DOWN)
    FWorkMode = true;
  if (Key == VK_RETURN && !grid.Navigation().AllowCtrlEnter && (grid.WordWrap() || grid.Multilinecells))
    grid.FEditing = false;
  if (Key == VK_RETURN && (Shift.Contains(ssCtrl) || Shift.Contains(ssShift)) && grid.SizeWhileTyping().Height &&
      grid.Multilinecells)
    GrowRowForNewLine();
  if (Key == VK_UP && CaretLine() > 0) return;
  if (Key == VK_DOWN && CaretLine() < LineCount() - 1) return;
  grid.EditorKeyDown(Key, Shift);
  TInplaceEdit::KeyDown(Key, Shift);
}

void TPlexInplaceEdit::KeyPress(QChar& Key) {
  TPlexStringGrid& grid = *FPlexGrid;
  if (Key == QChar(13) && !grid.Navigation().LineFeedOnEnter && !grid.ValidateCell(Text())) {
    SetText(grid.GetCurrentCell());
    Key = QChar(0);
    return;
  }
  TInplaceEdit::KeyPress(Key);
  const QString text = Text();
  if (grid.Navigation().AdvanceAuto() && !text.contains(' ') && SelStart() == text.length() && !EditMask().isEmpty()) {
    QChar enter(13);
    grid.KeyPress(enter);
  }
}

void TPlexInplaceEdit::KeyUp(WORD& Key, TShiftState Shift) {
  TPlexStringGrid& grid = *FPlexGrid;
  const bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
  if (grid.Navigation().CursorWalkEditor && plain && SelLength() == 0) {
    if (Key == VK_LEFT && FSelStartAtKeyDown == 0 && SelStart() == 0) {
      Key = 0;
      WalkOut(-1);
      return;
    }
    if (Key == VK_RIGHT && FSelStartAtWMKeyDown >= Text().length()) {
      Key = 0;
      WalkOut(grid.CellSpan(grid.RealColIndex(grid.Col()), grid.Row()).X + 1);
      return;
    }
  }
  TInplaceEdit::KeyUp(Key, Shift);
  DoChange();
  SizeToTypedText();
}

namespace {
// A growing row may bring up the vertical bar; the resize that follows must
// neither rescale the columns to the grid's width nor close the editor.
struct TSynchOff {
  explicit TSynchOff(TColumnSize& Size) : FSize(Size), FOld(Size.SynchWithGrid) { FSize.SynchWithGrid = false; }
  ~TSynchOff() { FSize.SynchWithGrid = FOld; }
  TSynchOff(const TSynchOff&) = delete;
  TSynchOff& operator=(const TSynchOff&) = delete;
  TColumnSize& FSize;
  bool FOld;
};
}  // namespace

void TPlexInplaceEdit::SizeToTypedText() {
  TPlexStringGrid& grid = *FPlexGrid;
  if (grid.SizeWhileTyping().Width) grid.FitColumnToCells(grid.Col(), grid.SizeGrowOnly);
  if (!grid.SizeWhileTyping().Height || !grid.WordWrap()) return;
  const int row = grid.Row();
  {
    TSynchOff synchOff(grid.ColumnSize());
    grid.AutoSizeRow(row);
  }
  if (grid.OnEndRowSize) grid.OnEndRowSize(&grid, row);
}

// Ctrl or Shift with Enter is about to add a line: the row makes room for it first.
void TPlexInplaceEdit::GrowRowForNewLine() {
  TPlexStringGrid& grid = *FPlexGrid;
  const int row = grid.Row();
  {
    TSynchOff synchOff(grid.ColumnSize());
    const int lines = CountLines(Text() + "\r\n ", true);
    if (lines < grid.GetMaxLinesInRow(row))
      grid.AutoSizeRow(row);
    else
      grid.SetRowLinesHeight(row, lines, grid.GetVertTextPadding());
  }
  if (grid.OnEndRowSize) grid.OnEndRowSize(&grid, row);
}

// The caret walked out of the text: a clickable neighbour takes the cursor
// after a validation; else the cursor moves to the next editable cell, where
// the editor opens again with CursorWalkAlwaysEdit.
void TPlexInplaceEdit::WalkOut(int Step) {
  TPlexStringGrid& grid = *FPlexGrid;
  const int col = grid.Col(), target = col + Step;
  const bool inRange = Step < 0 ? col > grid.FixedCols() : col < grid.ColCount() - grid.FixedRightCols() - 1;
  if (inRange && grid.HasClickableGraphic(grid.RealColIndex(target), grid.Row())) {
    if (!grid.ValidateCell(Text())) return;
    grid.HideInplaceEdit();
    grid.SetCol(target);
    return;
  }
  if (Step < 0 && !grid.ValidateCell(Text())) return;
  grid.HideInplaceEdit();
  // The walk moves along the row whatever way Enter advances, even without AdvanceOnEnter.
  TNavigation& nav = grid.Navigation();
  const TAdvanceDirection direction = nav.AdvanceDirection();
  nav.SetAdvanceDirection(adLeftRight);
  grid.MoveToNextCell(col, grid.Row(), true, true, Step > 0, false, true);
  nav.SetAdvanceDirection(direction);
  if (nav.CursorWalkAlwaysEdit) grid.ShowInplaceEdit();
}

void TPlexInplaceEdit::DoChange() {
  TPlexStringGrid& grid = *FPlexGrid;
  if (!FWorkMode || SelLength() != 0 || !grid.Lookup || grid.LookupItems().Count() == 0) return;
  const QString text = Text();
  const int caret = SelStart();
  const bool caseSensitive = grid.LookupCaseSensitive;
  const QString prefix = caseSensitive ? text.left(caret) : text.left(caret).toUpper();
  if (prefix.isEmpty()) return;
  const TStringList& items = grid.LookupItems();
  for (int i = 0; i < items.Count(); ++i) {
    const QString item = caseSensitive ? items[i] : items[i].toUpper();
    if (!item.startsWith(prefix)) continue;
    const QString tail = items[i].mid(prefix.length(), 255);
    grid.FNoEditChange = true;
    SetText(text.left(caret) + tail);
    grid.FNoEditChange = false;
    SetSelStart(caret);
    SetSelLength(tail.length());
    return;
  }
}

bool TPlexInplaceEdit::PastedTextTaken(const QString& Text) const {
  const TPlexStringGrid& grid = *FPlexGrid;
  const int kind = NumericTextKind(Text);
  switch (grid.EditControl()) {
    case edNumeric: return kind == ntkInteger;
    case edPositiveNumeric: return kind == ntkInteger && !Text.contains('-');
    case edFloat: return kind == ntkInteger || kind == ntkFloat;
    case edPositiveFloat: return (kind == ntkInteger || kind == ntkFloat) && !Text.contains('-');
    case edValidChars:
      return std::all_of(Text.begin(), Text.end(), [&](QChar c) { return grid.ValidChars.contains(c); });
    default: return true;
  }
}

void TPlexInplaceEdit::WMPaste() {
  TPlexStringGrid& grid = *FPlexGrid;
  bool allow = ClipboardHasText();
  QString pasted = allow ? ClipboardText() : QString();
  if (grid.OnClipboardPaste) grid.OnClipboardPaste(this, allow);
  if (allow && grid.OnClipboardBeforePasteCell)
    grid.OnClipboardBeforePasteCell(this, grid.Col(), grid.Row(), pasted, allow);
  if (!allow) return;
  if (FLengthLimit > 0 && pasted.length() > FLengthLimit) return;
  if (const int crlf = pasted.indexOf("\r\n"); crlf != -1 && crlf == pasted.length() - 2) pasted.chop(2);
  const QString current = Text();
  const int start = SelStart(), selected = SelLength();
  QString result = current.left(start) + pasted + current.mid(start + selected);
  if (FLengthLimit > 0 && result.length() > FLengthLimit) return;
  switch (grid.EditControl()) {
    case edMixedCase: result = ToProperCase(result); break;
    case edLowerCase: result = result.toLower(); break;
    case edUpperCase: result = result.toUpper(); break;
    default: break;
  }
  if (PastedTextTaken(result)) SetText(result);
  grid.SetCurrentEditText(Text());
  SetSelStart(selected > 0 ? start : start + pasted.length());
  if (selected > 0) SetSelLength(pasted.length());
  if (grid.OnClipboardAfterPasteCell) grid.OnClipboardAfterPasteCell(this, grid.Col(), grid.Row(), Text());
}
