// One filter condition of the grid's filter: the column, the expression or
// literal, and how its result joins the conditions before it.
#pragma once

#include "grid/foundation/GridPersistent.h"

#include <QString>

#include <cstdint>

enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterMethod { fmExpression, fmLiteral };
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };

class TFilterData : public TGridPersistent {
public:
  // Copies everything but Method.
  void Assign(const TGridPersistent* Source) override;

  int16_t Column = 0;
  QString Condition;
  bool CaseSensitive = true;
  QString Prefix;
  QString Suffix;
  TFilterOperation Operation = foSHORT;
  TFilterMethod Method = fmExpression;
  TFilterCells Data = fcVirtual;
};
