// The edit control's widget. On its own it is a line edit; in the multi-line
// style it shows the text's lines (CR LF, a lone LF or a lone CR ends one)
// from the top of its formatting rectangle, wraps words when asked, and moves
// the caret by lines. The text, selection, undo and clipboard stay the line
// edit's, so positions count every character of the text, breaks included.
// Masked and password edits always show one line.
#pragma once

#include <QBasicTimer>
#include <QLineEdit>
#include <QPoint>

#include <memory>
#include <vector>

class QTextLayout;

class TLineEditWidget : public QLineEdit {
public:
  TLineEditWidget();
  ~TLineEditWidget() override;

  void SetMultiLine(bool MultiLine, bool WordWrap);
  // Whether the widget shows lines now (the style, and no mask or password).
  bool ShowsLines() const;
  // The text position nearest to a widget point.
  int PositionAt(const QPoint& P) const;
  // The shown lines, wrapped lines counted, and the one holding a position.
  int LineCount() const;
  int LineOfPosition(int Pos) const;
  // A shown line's rectangle in widget coordinates; empty past the last line.
  QRect LineRect(int Line) const;
  QVariant inputMethodQuery(Qt::InputMethodQuery Query) const override;

protected:
  void paintEvent(QPaintEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void timerEvent(QTimerEvent* e) override;

private:
  struct TParagraph {
    int Start = 0;  // of its first character in the text
    int Length = 0;
    std::unique_ptr<QTextLayout> Layout;
  };
  struct TLayout {
    std::vector<TParagraph> Paragraphs;
    int Height = 0;
  };
  TLayout MakeLayout() const;
  // The rectangle the lines are laid out in, in widget coordinates.
  QRect TextArea() const;
  // The paragraph and its line showing a position (a position inside a CR LF
  // pair shows at its paragraph's end).
  void Locate(const TLayout& L, int Pos, int& Para, int& Line) const;
  int PositionAt(const TLayout& L, const QPoint& P) const;
  // The caret's rectangle in widget coordinates.
  QRect CaretRect(const TLayout& L) const;
  // Scrolls so that the caret stays in view, as the edit control does.
  void KeepCaretInView(const TLayout& L);
  // Moves the caret (extending the selection with Extend) to Pos.
  void MoveCaret(int Pos, bool Extend);
  void RestartBlink();

  bool FMultiLine = false;
  bool FWordWrap = false;
  QPoint FScroll;
  int FAnchor = -1;  // of a mouse selection in progress
  bool FCaretOn = true;
  QBasicTimer FBlink;
};
