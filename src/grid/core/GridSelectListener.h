// What the grid tells about selections: the one selection listener, and the
// converter that turns a rich-text cell into its plain text for copying.
#pragma once

#include <QString>

class ITPlexStringGridSelect {
public:
  virtual ~ITPlexStringGridSelect() = default;
  // ACol is the column being left, ARow the target row.
  virtual void CellSelected(int ACol, int ARow) = 0;
};

class IRichTextConverter {
public:
  virtual ~IRichTextConverter() = default;
  virtual QString PlainText(const QString& RichText) = 0;
};
