// The rich edit: a memo of formatted text. Its content travels as rich-text
// streams (platform/RichText.h) or as plain text; it formats its selection,
// reports the size its content asks for, and draws its content into any
// canvas rectangle, which lets a hidden instance paint formatted text.
#pragma once

#include "platform/Controls.h"
#include "platform/RichText.h"
#include "platform/StdCtrls.h"

#include <QByteArray>

class QTextEdit;

// Which parts of a character format are meant (set) or uniform (read).
enum TRichFormatPart : unsigned {
  rfBold = 1,
  rfItalic = 2,
  rfUnderline = 4,
  rfFontName = 8,
  rfSize = 16,
  rfColor = 32,
  rfOffset = 64,
  rfAll = 127
};

class TRichEdit : public TWinControl {
public:
  explicit TRichEdit(TComponent* AOwner);

  // A stream that starts as rich text is read as such; any other as plain
  // text, one character a byte.
  void LoadFromStream(const QByteArray& Stream);
  // The content as a 7-bit rich-text stream.
  QByteArray SaveToStream() const;
  TRichDocument Document() const;
  void SetDocument(const TRichDocument& Document);
  void Clear();

  int SelStart() const;
  void SetSelStart(int Value);
  int SelLength() const;
  void SetSelLength(int Value);
  void SelectAll();
  // The format at the start of the selection (before the caret without one);
  // Uniform, when given, receives the parts that are the same over the whole selection.
  TRichFormat SelFormat(unsigned* Uniform = nullptr) const;
  // Gives the selection (or the typing format without one) the parts of Format that Parts names.
  void SetSelFormat(const TRichFormat& Format, unsigned Parts);

  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  // The scroll bars the control may show, each only while its content
  // overflows; none by default. Without a bar the view still follows the caret.
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  // The room the document keeps around its text, inside the formatting rectangle.
  void SetTextMargin(int Pixels);
  // The formatting rectangle, in client coordinates: the text is laid out and
  // shown inside it, the control's colour around it. It keeps its distances
  // from the control's edges when the control is resized.
  void SetFormatRect(const TRect& R);
  TRect FormatRect() const;

  // The size the content asks for, laid out at the formatting rectangle's
  // width with word wrap, else on unbroken lines; the text margin and the
  // formatting rectangle's distances from the edges included.
  TSize RequestedSize() const;
  // Asks for a resize request now (as after every change of the content).
  void RequestSize();
  // Draws the content into Rect of the canvas, laid out at the rectangle's
  // width (word wrap on) and clipped to it, over the control's colour unless
  // its window has the transparent style (WS_EX_TRANSPARENT), which leaves
  // what the canvas holds; a colour other than clNone replaces every text colour.
  void DrawTo(TCanvas& Canvas, const TRect& Rect, TColor TextColor = clNone) const;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelectionChange;

protected:
  QString GetText() const override;
  void ApplyText() override;
  void WndProc(TMessage& Message) override;
  // Every change of the content's size, and RequestSize, ends here with the
  // requested rectangle (0, 0, width, height); the base does nothing.
  virtual void RequestResize(const TRect& Requested) {}
  QTextEdit* Editor() const { return FEdit; }

private:
  QTextEdit* FEdit;
  // The formatting rectangle's distances from the left, top, right and bottom edges.
  TRect FFormatInsets;
  bool FWordWrap = true;
  bool FHideSelection = true;
  TBorderStyle FBorderStyle = bsSingle;
  TScrollStyle FScrollBars = ssNone;
  bool FLoading = false;
};
