#include "platform/internal/LineEditWidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>

#include <algorithm>

namespace {
// The line edit's own spacing between its contents rectangle and the text.
constexpr int HorizontalMargin = 2;
constexpr int VerticalMargin = 1;

bool IsBreak(QChar c) { return c == QChar('\r') || c == QChar('\n'); }
}  // namespace

TLineEditWidget::TLineEditWidget() {
  auto repaint = [this] {
    if (!ShowsLines()) return;
    RestartBlink();
    update();
  };
  connect(this, &QLineEdit::textChanged, this, repaint);
  connect(this, &QLineEdit::cursorPositionChanged, this, repaint);
  connect(this, &QLineEdit::selectionChanged, this, repaint);
}

TLineEditWidget::~TLineEditWidget() = default;

void TLineEditWidget::SetMultiLine(bool MultiLine, bool WordWrap) {
  if (FMultiLine == MultiLine && FWordWrap == WordWrap) return;
  FMultiLine = MultiLine;
  FWordWrap = WordWrap;
  FScroll = QPoint();
  if (!ShowsLines()) FBlink.stop();
  update();
}

bool TLineEditWidget::ShowsLines() const {
  return FMultiLine && echoMode() == QLineEdit::Normal && inputMask().isEmpty();
}

QRect TLineEditWidget::TextArea() const {
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  QRect r = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
  r = r.marginsRemoved(textMargins());
  return r.adjusted(HorizontalMargin, VerticalMargin, -HorizontalMargin, 0);
}

TLineEditWidget::TLayout TLineEditWidget::MakeLayout() const {
  TLayout L;
  const QString t = text();
  const QRect area = TextArea();
  QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
  option.setWrapMode(FWordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
  option.setTextDirection(layoutDirection());
  const qreal width = std::max(1, area.width());
  qreal y = 0;
  int start = 0;
  for (;;) {
    int end = start;
    while (end < t.size() && !IsBreak(t[end])) ++end;
    TParagraph p;
    p.Start = start;
    p.Length = end - start;
    p.Layout = std::make_unique<QTextLayout>(t.mid(start, end - start), font());
    p.Layout->setTextOption(option);
    p.Layout->setCacheEnabled(true);
    p.Layout->beginLayout();
    for (QTextLine line = p.Layout->createLine(); line.isValid(); line = p.Layout->createLine()) {
      line.setLineWidth(width);
      line.setPosition(QPointF(0, y));
      y += line.height();
    }
    p.Layout->endLayout();
    L.Paragraphs.push_back(std::move(p));
    if (end >= t.size()) break;
    start = end + (t[end] == QChar('\r') && end + 1 < t.size() && t[end + 1] == QChar('\n') ? 2 : 1);
  }
  L.Height = int(std::ceil(y));
  return L;
}

void TLineEditWidget::Locate(const TLayout& L, int Pos, int& Para, int& Line) const {
  Para = 0;
  for (size_t i = 1; i < L.Paragraphs.size() && L.Paragraphs[i].Start <= Pos; ++i) Para = int(i);
  const TParagraph& p = L.Paragraphs[size_t(Para)];
  const QTextLine line = p.Layout->lineForTextPosition(std::clamp(Pos - p.Start, 0, p.Length));
  Line = line.isValid() ? line.lineNumber() : std::max(0, p.Layout->lineCount() - 1);
}

int TLineEditWidget::PositionAt(const TLayout& L, const QPoint& P) const {
  const QRect area = TextArea();
  const QPointF at = QPointF(P - area.topLeft() + FScroll);
  const TParagraph* hit = &L.Paragraphs.back();
  QTextLine line = hit->Layout->lineAt(hit->Layout->lineCount() - 1);
  for (const TParagraph& p : L.Paragraphs) {
    for (int i = 0; i < p.Layout->lineCount(); ++i) {
      const QTextLine l = p.Layout->lineAt(i);
      if (at.y() < l.y() + l.height()) {
        hit = &p;
        line = l;
        return hit->Start + line.xToCursor(at.x());
      }
    }
  }
  return line.isValid() ? hit->Start + line.xToCursor(at.x()) : hit->Start;
}

int TLineEditWidget::PositionAt(const QPoint& P) const {
  if (!ShowsLines()) return const_cast<TLineEditWidget*>(this)->cursorPositionAt(P);
  return PositionAt(MakeLayout(), P);
}

int TLineEditWidget::LineCount() const {
  if (!ShowsLines()) return 1;
  const TLayout L = MakeLayout();
  int n = 0;
  for (const TParagraph& p : L.Paragraphs) n += std::max(1, p.Layout->lineCount());
  return n;
}

int TLineEditWidget::LineOfPosition(int Pos) const {
  if (!ShowsLines()) return 0;
  const TLayout L = MakeLayout();
  int para = 0, line = 0;
  Locate(L, Pos, para, line);
  for (int i = 0; i < para; ++i) line += std::max(1, L.Paragraphs[size_t(i)].Layout->lineCount());
  return line;
}

QRect TLineEditWidget::LineRect(int Line) const {
  if (!ShowsLines()) return Line == 0 ? TextArea() : QRect();
  const TLayout L = MakeLayout();
  const QPoint origin = TextArea().topLeft() - FScroll;
  for (const TParagraph& p : L.Paragraphs)
    for (int i = 0; i < p.Layout->lineCount(); ++i, --Line)
      if (Line == 0) return p.Layout->lineAt(i).naturalTextRect().toAlignedRect().translated(origin);
  return QRect();
}

QRect TLineEditWidget::CaretRect(const TLayout& L) const {
  int para = 0, index = 0;
  const int pos = cursorPosition();
  Locate(L, pos, para, index);
  const TParagraph& p = L.Paragraphs[size_t(para)];
  if (p.Layout->lineCount() == 0) return QRect();
  const QTextLine line = p.Layout->lineAt(index);
  const qreal x = line.cursorToX(std::clamp(pos - p.Start, 0, p.Length));
  return QRectF(x, line.y(), 1, line.height()).toAlignedRect().translated(TextArea().topLeft() - FScroll);
}

QVariant TLineEditWidget::inputMethodQuery(Qt::InputMethodQuery Query) const {
  // The input method places its window at the caret's line.
  if (Query == Qt::ImCursorRectangle && ShowsLines()) return CaretRect(MakeLayout());
  return QLineEdit::inputMethodQuery(Query);
}

void TLineEditWidget::KeepCaretInView(const TLayout& L) {
  const QRect area = TextArea();
  int para = 0, index = 0;
  const int pos = cursorPosition();
  Locate(L, pos, para, index);
  const TParagraph& p = L.Paragraphs[size_t(para)];
  if (p.Layout->lineCount() == 0) return;
  const QTextLine line = p.Layout->lineAt(index);
  const int top = int(line.y()), bottom = int(std::ceil(line.y() + line.height()));
  if (top < FScroll.y()) FScroll.setY(top);
  if (bottom - FScroll.y() > area.height()) FScroll.setY(bottom - area.height());
  FScroll.setY(std::clamp(FScroll.y(), 0, std::max(0, L.Height - area.height())));
  if (FWordWrap) {
    FScroll.setX(0);
    return;
  }
  const int x = int(line.cursorToX(std::clamp(pos - p.Start, 0, p.Length)));
  if (x < FScroll.x()) FScroll.setX(x);
  if (x + 1 - FScroll.x() > area.width()) FScroll.setX(x + 1 - area.width());
}

void TLineEditWidget::paintEvent(QPaintEvent* e) {
  if (!ShowsLines()) {
    QLineEdit::paintEvent(e);
    return;
  }
  QPainter painter(this);
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
  const TLayout L = MakeLayout();
  KeepCaretInView(L);
  const QRect area = TextArea();
  painter.setClipRect(area.adjusted(-HorizontalMargin, 0, HorizontalMargin, 0));
  const QPalette& pal = palette();
  painter.setPen(pal.color(QPalette::Text));
  const int selFrom = hasSelectedText() ? selectionStart() : -1;
  const int selTo = hasSelectedText() ? selectionEnd() : -1;
  const QPointF origin = QPointF(area.topLeft() - FScroll);
  const int caret = cursorPosition();
  int caretPara = 0, caretLine = 0;
  Locate(L, caret, caretPara, caretLine);
  for (size_t i = 0; i < L.Paragraphs.size(); ++i) {
    const TParagraph& p = L.Paragraphs[i];
    QList<QTextLayout::FormatRange> selections;
    const int from = std::max(selFrom, p.Start), to = std::min(selTo, p.Start + p.Length);
    if (selFrom >= 0 && from < to) {
      QTextLayout::FormatRange range;
      range.start = from - p.Start;
      range.length = to - from;
      range.format.setBackground(pal.brush(QPalette::Highlight));
      range.format.setForeground(pal.brush(QPalette::HighlightedText));
      selections.append(range);
    }
    p.Layout->draw(&painter, origin, selections);
    if (int(i) == caretPara && hasFocus() && FCaretOn && !isReadOnly())
      p.Layout->drawCursor(&painter, origin, std::clamp(caret - p.Start, 0, p.Length), 1);
  }
}

void TLineEditWidget::MoveCaret(int Pos, bool Extend) {
  if (!Extend) {
    setCursorPosition(Pos);
    return;
  }
  int anchor = cursorPosition();
  if (hasSelectedText()) anchor = cursorPosition() == selectionStart() ? selectionEnd() : selectionStart();
  setSelection(anchor, Pos - anchor);
}

void TLineEditWidget::keyPressEvent(QKeyEvent* e) {
  // A backspace character handed on without its key deletes as the key does.
  if (e->key() == 0 && e->text() == QString(QChar(8))) {
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, e->modifiers(), e->text());
    keyPressEvent(&backspace);
    e->setAccepted(backspace.isAccepted());
    return;
  }
  if (!ShowsLines()) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  const bool shift = e->modifiers() & Qt::ShiftModifier;
  const bool ctrl = e->modifiers() & Qt::ControlModifier;
  const int pos = cursorPosition();
  const QString t = text();
  switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End: {
      if (ctrl && (e->key() == Qt::Key_Home || e->key() == Qt::Key_End)) break;
      const TLayout L = MakeLayout();
      int para = 0, index = 0;
      Locate(L, pos, para, index);
      const TParagraph* p = &L.Paragraphs[size_t(para)];
      QTextLine line = p->Layout->lineAt(index);
      int target = pos;
      if (e->key() == Qt::Key_Home) {
        target = p->Start + line.textStart();
      } else if (e->key() == Qt::Key_End) {
        const bool last = index == p->Layout->lineCount() - 1;
        // A wrapped line ends before the blank it broke at.
        int end = line.textStart() + line.textLength();
        if (!last && end > line.textStart() && p->Layout->text()[end - 1].isSpace()) --end;
        target = p->Start + end;
      } else {
        const qreal x = line.cursorToX(std::clamp(pos - p->Start, 0, p->Length));
        if (e->key() == Qt::Key_Up) {
          if (index > 0) {
            line = p->Layout->lineAt(index - 1);
          } else if (para > 0) {
            p = &L.Paragraphs[size_t(para - 1)];
            line = p->Layout->lineAt(p->Layout->lineCount() - 1);
          } else {
            line = QTextLine();
          }
        } else {
          if (index + 1 < p->Layout->lineCount()) {
            line = p->Layout->lineAt(index + 1);
          } else if (size_t(para + 1) < L.Paragraphs.size()) {
            p = &L.Paragraphs[size_t(para + 1)];
            line = p->Layout->lineAt(0);
          } else {
            line = QTextLine();
          }
        }
        if (line.isValid()) target = p->Start + line.xToCursor(x);
      }
      MoveCaret(target, shift);
      e->accept();
      return;
    }
    case Qt::Key_Backspace:
      // A CR LF pair goes as one break.
      if (!hasSelectedText() && !isReadOnly() && pos >= 2 && t.mid(pos - 2, 2) == QLatin1String("\r\n"))
        setSelection(pos - 2, 2);
      break;
    case Qt::Key_Delete:
      if (!hasSelectedText() && !isReadOnly() && t.mid(pos, 2) == QLatin1String("\r\n")) setSelection(pos, 2);
      break;
    default: break;
  }
  QLineEdit::keyPressEvent(e);
}

void TLineEditWidget::mousePressEvent(QMouseEvent* e) {
  if (!ShowsLines() || e->button() != Qt::LeftButton) {
    QLineEdit::mousePressEvent(e);
    return;
  }
  const int pos = PositionAt(e->position().toPoint());
  MoveCaret(pos, e->modifiers() & Qt::ShiftModifier);
  FAnchor = hasSelectedText() ? (cursorPosition() == selectionStart() ? selectionEnd() : selectionStart()) : pos;
  e->accept();
}

void TLineEditWidget::mouseMoveEvent(QMouseEvent* e) {
  if (!ShowsLines()) {
    QLineEdit::mouseMoveEvent(e);
    return;
  }
  if (FAnchor >= 0 && (e->buttons() & Qt::LeftButton)) {
    const int pos = PositionAt(e->position().toPoint());
    setSelection(FAnchor, pos - FAnchor);
  }
  e->accept();
}

void TLineEditWidget::mouseReleaseEvent(QMouseEvent* e) {
  if (!ShowsLines()) {
    QLineEdit::mouseReleaseEvent(e);
    return;
  }
  FAnchor = -1;
  e->accept();
}

void TLineEditWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  if (!ShowsLines() || e->button() != Qt::LeftButton) {
    QLineEdit::mouseDoubleClickEvent(e);
    return;
  }
  const QString t = text();
  const int pos = PositionAt(e->position().toPoint());
  auto inWord = [&t](int i) { return i >= 0 && i < t.size() && t[i].isLetterOrNumber(); };
  int from = pos, to = pos;
  while (inWord(from - 1)) --from;
  while (inWord(to)) ++to;
  if (from < to) setSelection(from, to - from);
  e->accept();
}

void TLineEditWidget::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  if (ShowsLines()) RestartBlink();
}

void TLineEditWidget::focusOutEvent(QFocusEvent* e) {
  FBlink.stop();
  FAnchor = -1;
  QLineEdit::focusOutEvent(e);
}

void TLineEditWidget::RestartBlink() {
  FCaretOn = true;
  const int flash = QApplication::cursorFlashTime();
  if (hasFocus() && flash > 0)
    FBlink.start(flash / 2, this);
  else
    FBlink.stop();
}

void TLineEditWidget::timerEvent(QTimerEvent* e) {
  if (e->timerId() == FBlink.timerId()) {
    FCaretOn = !FCaretOn;
    update();
    return;
  }
  QLineEdit::timerEvent(e);
}
