#include "grid/features/FilterData.h"

void TFilterData::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const TFilterData*>(Source);
  if (!s) return;
  Column = s->Column;
  Condition = s->Condition;
  CaseSensitive = s->CaseSensitive;
  Data = s->Data;
  Prefix = s->Prefix;
  Suffix = s->Suffix;
  Operation = s->Operation;
}
