#include "grid/features/PrintSettings.h"

TPrintSettings::TPrintSettings(TPlexStringGrid* AGrid)
    : FGrid(AGrid),
      FFont(std::make_unique<TFont>()),
      FFixedFont(std::make_unique<TFont>()),
      FHeaderFont(std::make_unique<TFont>()),
      FFooterFont(std::make_unique<TFont>()),
      FTitleLines(std::make_unique<TStringList>()) {}

TPrintSettings::~TPrintSettings() = default;

void TPrintSettings::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const TPrintSettings*>(Source);
  if (!s || s == this) return;
  Time = s->Time;
  Date = s->Date;
  PageNr = s->PageNr;
  Title = s->Title;
  DateFormat = s->DateFormat;
  PageNumSep = s->PageNumSep;
  PagePrefix = s->PagePrefix;
  PageSuffix = s->PageSuffix;
  TitleText = s->TitleText;
  JobName = s->JobName;
  Borders = s->Borders;
  BorderStyle = s->BorderStyle;
  BorderColor = s->BorderColor;
  Centered = s->Centered;
  RepeatFixedRows = s->RepeatFixedRows;
  RepeatFixedCols = s->RepeatFixedCols;
  FooterSize = s->FooterSize;
  HeaderSize = s->HeaderSize;
  LeftSize = s->LeftSize;
  RightSize = s->RightSize;
  ColumnSpacing = s->ColumnSpacing;
  RowSpacing = s->RowSpacing;
  TitleSpacing = s->TitleSpacing;
  PageNumberOffset = s->PageNumberOffset;
  MaxPagesOffset = s->MaxPagesOffset;
  FixedWidth = s->FixedWidth;
  FixedHeight = s->FixedHeight;
  UseFixedHeight = s->UseFixedHeight;
  UseFixedWidth = s->UseFixedWidth;
  Orientation = s->Orientation;
  FitToPage = s->FitToPage;
  NoAutoSize = s->NoAutoSize;
  NoAutoSizeRow = s->NoAutoSizeRow;
  PrintGraphics = s->PrintGraphics;
  UseDefaultOrientation = s->UseDefaultOrientation;
  UseDisplayFont = s->UseDisplayFont;
  FFont->Assign(*s->FFont);
  FFixedFont->Assign(*s->FFixedFont);
  FHeaderFont->Assign(*s->FHeaderFont);
  FFooterFont->Assign(*s->FFooterFont);
  FTitleLines->Assign(*s->FTitleLines);
}
