// What the grid needs of a rich-text editor to move a cell's rich text in and
// out of it: the content as a rich-text stream, and clearing it.
#pragma once

#include <QByteArray>
#include <QString>

class IRichTextStore {
public:
  virtual ~IRichTextStore() = default;
  virtual void ClearRichText() = 0;
  // Loads a rich-text stream (plain text is taken as it is).
  virtual void LoadRichText(const QByteArray& Stream) = 0;
  // The content as a 7-bit rich-text stream; other characters as \uN escapes.
  virtual QByteArray SaveRichText() = 0;
};

// The stream a cell's text loads as: rich text one byte a character (the
// writer keeps it 7-bit; a wider character travels as a \uN escape), any
// other text as a rich-text document of its lines, so no character is lost.
QByteArray RichStreamFromCellText(const QString& Text);
