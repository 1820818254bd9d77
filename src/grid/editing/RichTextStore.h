// What the grid needs of a rich-text editor to move a cell's rich text in and
// out of it: the content as a rich-text stream, and clearing it.
#pragma once

#include <QByteArray>

class IRichTextStore {
public:
  virtual ~IRichTextStore() = default;
  virtual void ClearRichText() = 0;
  // Loads a rich-text stream (plain text is taken as it is).
  virtual void LoadRichText(const QByteArray& Stream) = 0;
  // The content as a 7-bit rich-text stream; other characters as \uN escapes.
  virtual QByteArray SaveRichText() = 0;
};
