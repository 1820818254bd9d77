// Options of the HTML export.
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "grid/foundation/IntList.h"

#include <QString>

class THTMLSettings : public TGridPersistent {
public:
  // Copies everything but ExportImages and ColWidths.
  void Assign(const TGridPersistent* Source) override;

  bool AutoPreview = false;
  int BorderSize = 1;
  int CellSpacing = 0;
  int CellPadding = 0;
  bool ConvertSpecialChars = false;
  bool ExportImages = true;
  QString FooterFile;
  QString HeaderFile;
  bool NonBreakingText = false;
  QString PrefixTag;
  QString SuffixTag;
  QString Summary;
  QString TableStyle;
  bool SaveColor = true;
  bool SaveFonts = true;
  int Width = 100;
  bool XHTML = false;
  TIntList ColWidths{0, 0};
};
