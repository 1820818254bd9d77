#include "platform/RichEdit.h"

#include "platform/Application.h"
#include "platform/PopupWindows.h"
#include "platform/internal/Painting.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <cmath>
#include <memory>

namespace {
// The text edit with its viewport's margins open to the control: they hold
// the formatting rectangle.
class TRichTextWidget : public QTextEdit {
public:
  using QTextEdit::setViewportMargins;
};

// The exact baseline offset in twips, beside the toolkit's sub/superscript alignment.
constexpr int OffsetProperty = QTextFormat::UserProperty + 1;

TRichFormat FromCharFormat(const QTextCharFormat& f) {
  TRichFormat r;
  r.Bold = f.fontWeight() > QFont::Medium;
  r.Italic = f.fontItalic();
  r.Underline = f.fontUnderline();
  if (f.hasProperty(QTextFormat::FontFamilies)) r.FontName = f.fontFamilies().toStringList().value(0);
  if (f.hasProperty(QTextFormat::FontPointSize)) r.SizeHalfPoints = int(std::lround(f.fontPointSize() * 2));
  if (f.hasProperty(QTextFormat::ForegroundBrush)) r.Color = FromQColor(f.foreground().color());
  if (f.hasProperty(OffsetProperty))
    r.OffsetTwips = f.intProperty(OffsetProperty);
  else if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
    r.OffsetTwips = RichSuperscriptOffset;
  else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
    r.OffsetTwips = RichSubscriptOffset;
  return r;
}

void ApplyFormat(QTextCharFormat& f, const TRichFormat& r, unsigned Parts) {
  if (Parts & rfBold) f.setFontWeight(r.Bold ? QFont::Bold : QFont::Normal);
  if (Parts & rfItalic) f.setFontItalic(r.Italic);
  if (Parts & rfUnderline) f.setFontUnderline(r.Underline);
  if (Parts & rfFontName) {
    f.clearProperty(QTextFormat::FontFamily);
    if (r.FontName.isEmpty())
      f.clearProperty(QTextFormat::FontFamilies);
    else
      f.setFontFamilies(QStringList{r.FontName});
  }
  if (Parts & rfSize) {
    if (r.SizeHalfPoints > 0)
      f.setFontPointSize(r.SizeHalfPoints / 2.0);
    else
      f.clearProperty(QTextFormat::FontPointSize);
  }
  if (Parts & rfColor) {
    if (r.Color == clNone)
      f.clearForeground();
    else
      f.setForeground(ToQColor(r.Color));
  }
  if (Parts & rfOffset) {
    if (r.OffsetTwips == 0) {
      f.clearProperty(OffsetProperty);
      f.setVerticalAlignment(QTextCharFormat::AlignNormal);
    } else {
      f.setProperty(OffsetProperty, r.OffsetTwips);
      f.setVerticalAlignment(r.OffsetTwips > 0 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript);
    }
  }
}

unsigned SameParts(const TRichFormat& a, const TRichFormat& b) {
  unsigned same = 0;
  if (a.Bold == b.Bold) same |= rfBold;
  if (a.Italic == b.Italic) same |= rfItalic;
  if (a.Underline == b.Underline) same |= rfUnderline;
  if (a.FontName == b.FontName) same |= rfFontName;
  if (a.SizeHalfPoints == b.SizeHalfPoints) same |= rfSize;
  if (a.Color == b.Color) same |= rfColor;
  if (a.OffsetTwips == b.OffsetTwips) same |= rfOffset;
  return same;
}

// Calls Visit(start, length, format) for each piece of one format inside [From, To).
template <class F>
void ForEachFragment(const QTextDocument& Doc, int From, int To, F Visit) {
  for (QTextBlock b = Doc.begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment frag = it.fragment();
      const int start = std::max(From, frag.position());
      const int end = std::min(To, frag.position() + frag.length());
      if (start < end) Visit(start, end - start, frag.charFormat());
    }
  }
}

void WriteDocument(QTextDocument& Doc, const TRichDocument& Document) {
  Doc.clear();
  QTextCursor c(&Doc);
  bool first = true;
  for (const TRichParagraph& p : Document.Paragraphs) {
    if (!first) c.insertBlock(QTextBlockFormat(), QTextCharFormat());
    first = false;
    for (const TRichRun& run : p) {
      QTextCharFormat f;
      ApplyFormat(f, run.Format, rfAll);
      c.insertText(run.Text, f);
    }
  }
}
}  // namespace

TRichEdit::TRichEdit(TComponent* AOwner) : TWinControl(AOwner, new TRichTextWidget()) {
  FEdit = static_cast<QTextEdit*>(Widget());
  // Around the formatting rectangle the control shows its own colour.
  FEdit->setBackgroundRole(QPalette::Base);
  FEdit->setAutoFillBackground(true);
  FEdit->setAcceptRichText(false);
  FEdit->setTabChangesFocus(true);
  SetTabStop(true);
  SetScrollBars(ssNone);
  SetColor(clWindow);
  SetBounds(0, 0, 185, 89);
  QObject::connect(FEdit, &QTextEdit::textChanged, [this] {
    SafeCall([this] {
      if (OnChange) OnChange(this);
    });
  });
  QObject::connect(FEdit->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
                   [this] { SafeCall([this] { RequestSize(); }); });
  auto selection = std::make_shared<std::pair<int, int>>(0, 0);
  auto selectionMoved = [this, selection] {
    SafeCall([this, selection] {
      const QTextCursor c = FEdit->textCursor();
      const std::pair<int, int> now{c.position(), c.anchor()};
      if (now == *selection) return;
      *selection = now;
      if (OnSelectionChange) OnSelectionChange(this);
    });
  };
  QObject::connect(FEdit, &QTextEdit::cursorPositionChanged, selectionMoved);
  QObject::connect(FEdit, &QTextEdit::selectionChanged, selectionMoved);
}

void TRichEdit::LoadFromStream(const QByteArray& Stream) {
  if (IsRichTextStream(Stream)) {
    SetDocument(ReadRichText(Stream));
    return;
  }
  Clear();
  SetText(QString::fromLatin1(Stream));
}

QByteArray TRichEdit::SaveToStream() const { return WriteRichText(Document()); }

TRichDocument TRichEdit::Document() const {
  TRichDocument doc;
  doc.Paragraphs.clear();
  for (QTextBlock b = FEdit->document()->begin(); b.isValid(); b = b.next()) {
    TRichParagraph& p = doc.Paragraphs.emplace_back();
    for (auto it = b.begin(); !it.atEnd(); ++it)
      p.push_back(TRichRun{it.fragment().text(), FromCharFormat(it.fragment().charFormat())});
  }
  doc.Normalize();
  return doc;
}

void TRichEdit::SetDocument(const TRichDocument& Document) {
  WriteDocument(*FEdit->document(), Document);
  FText = FEdit->toPlainText();
  FEdit->moveCursor(QTextCursor::Start);
}

void TRichEdit::Clear() {
  FEdit->clear();
  FEdit->setCurrentCharFormat(QTextCharFormat());
  FText.clear();
}

QString TRichEdit::GetText() const {
  QString t = FEdit->toPlainText();
  t.replace("\n", "\r\n");
  return t;
}

void TRichEdit::ApplyText() {
  QString t = FText;
  t.replace("\r\n", "\n");
  FEdit->setPlainText(t);
}

int TRichEdit::SelStart() const { return FEdit->textCursor().selectionStart(); }

void TRichEdit::SetSelStart(int Value) {
  QTextCursor c = FEdit->textCursor();
  c.setPosition(std::clamp(Value, 0, int(FEdit->document()->characterCount()) - 1));
  FEdit->setTextCursor(c);
}

int TRichEdit::SelLength() const {
  const QTextCursor c = FEdit->textCursor();
  return c.selectionEnd() - c.selectionStart();
}

void TRichEdit::SetSelLength(int Value) {
  QTextCursor c = FEdit->textCursor();
  const int start = c.selectionStart();
  c.setPosition(start);
  c.setPosition(std::clamp(start + Value, 0, int(FEdit->document()->characterCount()) - 1), QTextCursor::KeepAnchor);
  FEdit->setTextCursor(c);
}

void TRichEdit::SelectAll() { FEdit->selectAll(); }

TRichFormat TRichEdit::SelFormat(unsigned* Uniform) const {
  const QTextCursor c = FEdit->textCursor();
  if (!c.hasSelection()) {
    if (Uniform) *Uniform = rfAll;
    return FromCharFormat(FEdit->currentCharFormat());
  }
  bool first = true;
  TRichFormat format;
  unsigned same = rfAll;
  ForEachFragment(*FEdit->document(), c.selectionStart(), c.selectionEnd(), [&](int, int, const QTextCharFormat& f) {
    const TRichFormat piece = FromCharFormat(f);
    if (first)
      format = piece;
    else
      same &= SameParts(format, piece);
    first = false;
  });
  if (Uniform) *Uniform = same;
  return format;
}

void TRichEdit::SetSelFormat(const TRichFormat& Format, unsigned Parts) {
  QTextCursor c = FEdit->textCursor();
  if (!c.hasSelection()) {
    QTextCharFormat f = FEdit->currentCharFormat();
    ApplyFormat(f, Format, Parts);
    FEdit->setCurrentCharFormat(f);
    return;
  }
  std::vector<std::tuple<int, int, QTextCharFormat>> pieces;
  ForEachFragment(*FEdit->document(), c.selectionStart(), c.selectionEnd(),
                  [&](int start, int length, const QTextCharFormat& f) { pieces.emplace_back(start, length, f); });
  QTextCursor edit(FEdit->document());
  edit.beginEditBlock();
  for (auto& [start, length, f] : pieces) {
    ApplyFormat(f, Format, Parts);
    edit.setPosition(start);
    edit.setPosition(start + length, QTextCursor::KeepAnchor);
    edit.setCharFormat(f);
  }
  edit.endEditBlock();
}

void TRichEdit::SetWordWrap(bool Value) {
  FWordWrap = Value;
  FEdit->setLineWrapMode(Value ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TRichEdit::SetScrollBars(TScrollStyle Value) {
  FScrollBars = Value;
  const bool horizontal = Value == ssHorizontal || Value == ssBoth;
  const bool vertical = Value == ssVertical || Value == ssBoth;
  FEdit->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  FEdit->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TRichEdit::SetHideSelection(bool Value) { FHideSelection = Value; }

void TRichEdit::SetBorderStyle(TBorderStyle Value) {
  FBorderStyle = Value;
  FEdit->setFrameShape(Value == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
}

void TRichEdit::SetTextMargin(int Pixels) { FEdit->document()->setDocumentMargin(std::max(0, Pixels)); }

void TRichEdit::SetFormatRect(const TRect& R) {
  FFormatInsets =
      TRect(std::max(0, R.Left), std::max(0, R.Top), std::max(0, Width() - R.Right), std::max(0, Height() - R.Bottom));
  static_cast<TRichTextWidget*>(FEdit)->setViewportMargins(FFormatInsets.Left, FFormatInsets.Top, FFormatInsets.Right,
                                                           FFormatInsets.Bottom);
}

TRect TRichEdit::FormatRect() const {
  return TRect(FFormatInsets.Left, FFormatInsets.Top, Width() - FFormatInsets.Right, Height() - FFormatInsets.Bottom);
}

TSize TRichEdit::RequestedSize() const {
  // Laid out on a copy: a hidden control's own layout does not follow its size.
  std::unique_ptr<QTextDocument> doc(FEdit->document()->clone());
  doc->setDefaultFont(FEdit->font());
  const int across = FFormatInsets.Left + FFormatInsets.Right;
  doc->setTextWidth(FWordWrap ? std::max(1, Width() - across) : -1);
  const QSizeF size = doc->size();
  return TSize{FWordWrap ? Width() : int(std::ceil(size.width())) + across,
               int(std::ceil(size.height())) + FFormatInsets.Top + FFormatInsets.Bottom};
}

void TRichEdit::RequestSize() {
  const TSize size = RequestedSize();
  RequestResize(TRect(0, 0, size.cx, size.cy));
}

void TRichEdit::DrawTo(TCanvas& Canvas, const TRect& Rect, TColor TextColor) const {
  QPainter* painter = CanvasPainter(Canvas);
  if (!painter || Rect.Width() <= 0 || Rect.Height() <= 0) return;
  std::unique_ptr<QTextDocument> doc(FEdit->document()->clone());
  doc->setDefaultFont(FEdit->font());
  doc->setTextWidth(Rect.Width());
  if (TextColor != clNone) {
    QTextCursor all(doc.get());
    all.select(QTextCursor::Document);
    QTextCharFormat f;
    f.setForeground(ToQColor(TextColor));
    all.mergeCharFormat(f);
  }
  painter->save();
  if (!(GetWindowExStyle(this) & WS_EX_TRANSPARENT))
    painter->fillRect(QRect(Rect.Left, Rect.Top, Rect.Width(), Rect.Height()), ToQColor(Color()));
  painter->translate(Rect.Left, Rect.Top);
  QAbstractTextDocumentLayout::PaintContext context;
  context.clip = QRectF(0, 0, Rect.Width(), Rect.Height());
  context.palette.setColor(QPalette::Text, ToQColor(Font().Color()));
  painter->setClipRect(context.clip, Qt::IntersectClip);
  doc->documentLayout()->draw(painter, context);
  painter->restore();
}

void TRichEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case WM_KEYDOWN:
      // Tab stays in the control only when its dialog code asks for it.
      if (Message.WParam == VK_TAB) FEdit->setTabChangesFocus(!(Perform(WM_GETDLGCODE) & DLGC_WANTTAB));
      break;
    default: break;
  }
  TWinControl::WndProc(Message);
}
