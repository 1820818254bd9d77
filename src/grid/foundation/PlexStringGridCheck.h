// TPlexStringGridCheck: the base of the cell checkers a string grid can be
// linked to. The grid asks it to correct or mark a cell's text when the cell
// is edited or a range is checked; the base leaves every text as it is and
// descendants supply the real checks.
#pragma once

#include "platform/Classes.h"

#include <QString>

class TPlexStringGridCheck : public TComponent {
public:
  explicit TPlexStringGridCheck(TComponent* AOwner) : TComponent(AOwner) {}

  // While a range is checked, the current cell visits each checked cell and
  // returns to where it started.
  bool GotoCell = false;
  // An edited cell, when validated, goes through Correct and MarkError.
  bool AutoCorrect = false;
  bool AutoMarkError = false;
  // A checked range goes through Correct and MarkError.
  bool UseCorrect = false;
  bool UseMarkError = false;

  // The text with its errors marked.
  virtual QString MarkError(int ACol, int ARow, const QString& Value);
  // The corrected text.
  virtual QString Correct(int ACol, int ARow, const QString& Value);
  // Before and after a range of cells is checked.
  virtual void StartCheck();
  virtual void StopCheck();
};
