// How grouped rows look: group headers, summary rows and their lines.
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Types.h"

#include <QString>

class TGrouping : public TGridPersistent {
public:
  // Copies everything but the line colours and widths.
  void Assign(const TGridPersistent* Source) override;

  bool MergeHeader = false;
  bool MergeSummary = false;
  TColor HeaderColor = clNone;
  TColor HeaderColorTo = clNone;
  TColor HeaderTextColor = clNone;
  bool HeaderUnderline = false;
  TColor HeaderLineColor = 0x00FF0000;
  int HeaderLineWidth = 2;
  bool Summary = false;
  TColor SummaryColor = clNone;
  TColor SummaryColorTo = clNone;
  TColor SummaryTextColor = clNone;
  bool SummaryLine = false;
  TColor SummaryLineColor = 0x00FF0000;
  int SummaryLineWidth = 2;
  bool ShowGroupCount = false;
  QString GroupCountFormat;
  bool AutoSelectGroup = false;
  bool AutoCheckGroup = false;
};
