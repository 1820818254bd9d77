// What a printed grid carries besides its cells: title, date, page numbers,
// fonts, borders, margins and page fitting.
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Graphics.h"

#include <QString>

#include <memory>

class TPlexStringGrid;

enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders {
  pbNoborder,
  pbSingle,
  pbDouble,
  pbVertical,
  pbHorizontal,
  pbAround,
  pbAroundVertical,
  pbAroundHorizontal,
  pbCustom
};
enum TPrinterOrientation { poPortrait, poLandscape };
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };

class TPrintSettings : public TGridPersistent {
public:
  explicit TPrintSettings(TPlexStringGrid* AGrid);
  ~TPrintSettings() override;
  // Every published property; fonts and title lines by content.
  void Assign(const TGridPersistent* Source) override;

  TFont& Font() { return *FFont; }
  void SetFont(const TFont& Value) { FFont->Assign(Value); }
  TFont& FixedFont() { return *FFixedFont; }
  void SetFixedFont(const TFont& Value) { FFixedFont->Assign(Value); }
  TFont& HeaderFont() { return *FHeaderFont; }
  void SetHeaderFont(const TFont& Value) { FHeaderFont->Assign(Value); }
  TFont& FooterFont() { return *FFooterFont; }
  void SetFooterFont(const TFont& Value) { FFooterFont->Assign(Value); }
  TStringList& TitleLines() { return *FTitleLines; }
  void SetTitleLines(const TStringList& Value) { FTitleLines->Assign(Value); }

  TPrintPosition Time = ppNone;
  TPrintPosition Date = ppNone;
  TPrintPosition PageNr = ppNone;
  TPrintPosition Title = ppNone;
  QString DateFormat = "dd/mm/yyyy";
  QString PageNumSep = "/";
  QString PagePrefix;
  QString PageSuffix;
  QString TitleText;
  QString JobName;
  TPrintBorders Borders = pbSingle;
  TPenStyle BorderStyle = psSolid;
  TColor BorderColor = clBlack;
  bool Centered = true;
  bool RepeatFixedRows = false;
  bool RepeatFixedCols = false;
  int FooterSize = 0;
  int HeaderSize = 0;
  int LeftSize = 0;
  int RightSize = 0;
  int ColumnSpacing = 0;
  int RowSpacing = 0;
  int TitleSpacing = 0;
  int PageNumberOffset = 0;
  int MaxPagesOffset = 0;
  int FixedWidth = 0;
  int FixedHeight = 0;
  bool UseFixedHeight = false;
  bool UseFixedWidth = false;
  TPrinterOrientation Orientation = poPortrait;
  TFitToPage FitToPage = fpNever;
  bool NoAutoSize = false;
  bool NoAutoSizeRow = false;
  bool PrintGraphics = false;
  bool UseDefaultOrientation = false;
  bool UseDisplayFont = true;
  bool FixedCellsAlways = false;

private:
  TPlexStringGrid* FGrid;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TFont> FFixedFont;
  std::unique_ptr<TFont> FHeaderFont;
  std::unique_ptr<TFont> FFooterFont;
  std::unique_ptr<TStringList> FTitleLines;
};
