#include "platform/MaskEdit.h"

#include "platform/SysUtils.h"
#include "platform/internal/ControlBridge.h"
#include "platform/internal/LineEditWidget.h"

#include <QGuiApplication>
#include <QLineEdit>

#include <algorithm>

namespace {

// The library's input places and their Qt counterparts.
struct TMaskCharRule {
  char16_t Library;
  char16_t Qt;
};
constexpr TMaskCharRule MaskCharRules[] = {
    {u'L', u'A'}, {u'l', u'a'}, {u'A', u'N'}, {u'a', u'n'}, {u'C', u'X'},
    {u'c', u'x'}, {u'0', u'9'}, {u'9', u'0'}, {u'#', u'#'},
};
// Characters that Qt's notation reads as rules and that must be escaped as literals.
constexpr char16_t QtMaskSpecials[] = u"AaNnXx90DdHhBb#<>!;\\[]{}";

bool IsQtSpecial(QChar c) {
  for (char16_t s : QtMaskSpecials)
    if (s != 0 && c.unicode() == s) return true;
  return false;
}

// The mask part ends at the first field separator that is not escaped.
int MaskPartLength(const QString& m) {
  for (int i = 0; i < m.size(); ++i) {
    if (m[i] == '\\')
      ++i;
    else if (m[i] == ';')
      return i;
  }
  return int(m.size());
}

void AddLiteral(TEditMaskInfo& info, QChar c) {
  if (IsQtSpecial(c)) info.QtMask += '\\';
  info.QtMask += c;
  info.Literal.push_back(true);
}

}  // namespace

TEditMaskInfo ParseEditMask(const QString& EditMask) {
  TEditMaskInfo info;
  if (EditMask.isEmpty()) return info;
  const int len = MaskPartLength(EditMask);
  const QStringList fields = EditMask.mid(len + 1).split(';');
  if (len < EditMask.size() && !fields.isEmpty() && !fields[0].isEmpty()) info.SaveLiterals = fields[0][0] != '0';
  if (fields.size() > 1 && !fields[1].isEmpty()) info.Blank = fields[1][0];
  for (int i = 0; i < len; ++i) {
    const QChar c = EditMask[i];
    if (c == '\\' && i + 1 < len) {
      AddLiteral(info, EditMask[++i]);
    } else if (c == '<' && i + 1 < len && EditMask[i + 1] == '>') {
      info.QtMask += '!';
      ++i;
    } else if (c == '<' || c == '>') {
      info.QtMask += c;
    } else if (c == '!') {
      // Blank placement only; Qt has no counterpart.
    } else if (c == ':') {
      AddLiteral(info, FormatSettings().TimeSeparator);
    } else if (c == '/') {
      AddLiteral(info, FormatSettings().DateSeparator);
    } else if (c == '_') {
      AddLiteral(info, ' ');
    } else {
      const auto* rule = std::find_if(std::begin(MaskCharRules), std::end(MaskCharRules),
                                      [c](const TMaskCharRule& r) { return r.Library == c.unicode(); });
      if (rule == std::end(MaskCharRules)) {
        AddLiteral(info, c);
      } else {
        info.QtMask += QChar(rule->Qt);
        info.Literal.push_back(false);
      }
    }
  }
  info.QtMask += ';';
  info.QtMask += info.Blank;
  return info;
}

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TEdit(AOwner) {
  // Cut and paste come as messages, so the edit's own menu would bypass them.
  LineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
}

void TCustomMaskEdit::SetEditMask(const QString& Value) {
  FEditMask = Value;
  FMask = ParseEditMask(Value);
  LineEdit()->setInputMask(Value.isEmpty() ? QString() : FMask.QtMask);
}

QString TCustomMaskEdit::EditText() const { return LineEdit()->displayText(); }

QString TCustomMaskEdit::GetText() const {
  if (FEditMask.isEmpty()) return TEdit::GetText();
  const QString shown = LineEdit()->displayText();
  QString text;
  for (int i = 0; i < shown.size(); ++i) {
    const bool literal = size_t(i) < FMask.Literal.size() && FMask.Literal[size_t(i)];
    if (literal ? FMask.SaveLiterals : shown[i] != FMask.Blank) text += shown[i];
  }
  return text;
}

TRect TCustomMaskEdit::FormatRect() const {
  if (FFormatRectSet) return FFormatRect;
  const QMargins m = LineEdit()->textMargins();
  return TRect(m.left(), m.top(), ClientWidth() - m.right(), ClientHeight() - m.bottom());
}

int TCustomMaskEdit::CharFromPos(const TPoint& P) const {
  return static_cast<const TLineEditWidget*>(LineEdit())->PositionAt(QPoint(P.X, P.Y));
}

void TCustomMaskEdit::SetEditStyle(unsigned Style) {
  SetAlignment(Style & ES_RIGHT ? taRightJustify : Style & ES_CENTER ? taCenter : taLeftJustify);
}

void TCustomMaskEdit::SetBorderStyle(TBorderStyle Value) {
  FBorderStyle = Value;
  LineEdit()->setFrame(Value != bsNone);
}

void TCustomMaskEdit::ApplyFormatRect() {
  if (!FFormatRectSet) return;
  const TRect& r = FFormatRect;
  LineEdit()->setTextMargins(std::max(0, r.Left), std::max(0, r.Top), std::max(0, ClientWidth() - r.Right),
                             std::max(0, ClientHeight() - r.Bottom));
}

void TCustomMaskEdit::Resize() {
  ApplyFormatRect();
  TEdit::Resize();
}

void TCustomMaskEdit::WndProc(TMessage& m) {
  if (m.Msg == WM_CHAR) {
    TEdit::WndProc(m);
    // The edit control turns these control characters into its own messages.
    const UINT clip = m.WParam == 0x18 ? WM_CUT : m.WParam == 0x16 ? WM_PASTE : m.WParam == 0x03 ? WM_COPY : 0;
    if (clip != 0) {
      Perform(clip);
      m.WParam = 0;
    }
    return;
  }
  if (m.Msg == WM_KEYDOWN) {
    TEdit::WndProc(m);
    const TShiftState shift = ShiftStateFromQt(QGuiApplication::keyboardModifiers());
    if (shift.Contains(ssCtrl) && !shift.Contains(ssAlt) && (m.WParam == 'X' || m.WParam == 'V' || m.WParam == 'C')) {
      // The control character follows as WM_CHAR wherever the keyboard layer made none.
      Perform(WM_CHAR, m.WParam == 'X' ? 0x18 : m.WParam == 'V' ? 0x16 : 0x03);
      m.WParam = 0;
      return;
    }
    UINT clip = 0;
    if (m.WParam == VK_INSERT && shift.Contains(ssShift))
      clip = WM_PASTE;
    else if (m.WParam == VK_INSERT && shift.Contains(ssCtrl))
      clip = WM_COPY;
    else if (m.WParam == VK_DELETE && shift.Contains(ssShift))
      clip = WM_CUT;
    if (clip != 0) {
      Perform(clip);
      m.WParam = 0;
    }
    return;
  }
  TEdit::WndProc(m);
}

void TCustomMaskEdit::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case WM_CUT:
      if (!ReadOnly()) LineEdit()->cut();
      return;
    case WM_COPY: LineEdit()->copy(); return;
    case WM_PASTE:
      if (!ReadOnly()) LineEdit()->paste();
      return;
    case WM_CLEAR:
      if (!ReadOnly()) LineEdit()->del();
      return;
    case EM_SETRECT:
    case EM_SETRECTNP:
      if (m.LParam) {
        FFormatRect = *reinterpret_cast<const TRect*>(m.LParam);
        FFormatRectSet = true;
        ApplyFormatRect();
      }
      return;
    case EM_GETRECT:
      if (m.LParam) *reinterpret_cast<TRect*>(m.LParam) = FormatRect();
      return;
    case EM_CHARFROMPOS: m.Result = CharFromPos(TPoint(LoWord(m.LParam), HiWord(m.LParam))); return;
    case EM_SETSEL: LineEdit()->setSelection(int(m.WParam), int(m.LParam) - int(m.WParam)); return;
    default: TEdit::DefaultHandler(m);
  }
}
