// The event types of the string grid and the small value types they carry.
#pragma once

#include "grid/core/CellGraphic.h"
#include "grid/foundation/CellProperties.h"
#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/Grids.h"
#include "platform/Sets.h"

#include <QString>

#include <functional>

enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = TSet<TCellBorder>;

enum TSortStyle {
  ssAutomatic,
  ssAlphabetic,
  ssNumeric,
  ssDate,
  ssAlphaNoCase,
  ssAlphaCase,
  ssShortDateEU,
  ssShortDateUS,
  ssCustom,
  ssFinancial,
  ssAnsiAlphaCase,
  ssAnsiAlphaNoCase,
  ssRaw,
  ssHTML,
  ssImages,
  ssCheckBox,
  ssDateTime,
  ssTime,
  ssAlphaNumeric,
  ssAlphaNumericNoCase
};

enum TExportState { esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow };

using TCellEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TColEvent = std::function<void(TObject* Sender, int ACol)>;
using TCellBoolEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& Value)>;
using TCellTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TColTextEvent = std::function<void(TObject* Sender, int ACol, QString& Value)>;
using TColSizeEvent = std::function<void(TObject* Sender, int ACol, int& AWidth)>;
using TColBoolEvent = std::function<void(TObject* Sender, int ACol, bool& Allow)>;
using TScrollHintEvent = std::function<void(TObject* Sender, int ARow, QString& HintStr)>;
using TRectEvent = std::function<void(TObject* Sender, const TRect& Cells)>;
using TCheckBoxClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool State)>;
using TSelectionChangedEvent = std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TPrintPageNumEvent = std::function<void(TObject* Sender, int PageNum, int PageColNum, QString& PageNumString)>;
using TGridHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, QString& HintStr)>;
using TGetCellColorEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush& ABrush, TFont& AFont)>;
using TGetCellBorderEvent = std::function<void(TObject* Sender, int ARow, int ACol, TPen& APen, TCellBorders& Borders)>;
using TGetAlignmentEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)>;
using TGetFormatEvent =
    std::function<void(TObject* Sender, int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix)>;
using TGetEditorTypeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
// The application's comparison of two texts (ssCustom) or two rows of a column (ssRaw): Res < 0, 0, > 0.
using TCustomCompareEvent = std::function<void(TObject* Sender, const QString& str1, const QString& str2, int& Res)>;
using TRawCompareEvent = std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)>;
using TFixedCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, int Column, TStrings& Filter)>;
using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
using TCanInsertRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanInsert)>;
using TFilterSelectEvent =
    std::function<void(TObject* Sender, int Column, int ItemIndex, QString& FriendlyName, QString& FilterCondition)>;
using TFilterCheckEvent = std::function<void(TObject* Sender, int Column, int ItemIndex, QString& FriendlyName,
                                             QString& FilterCondition, bool CheckState)>;
using TRatingChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, double& NewRate, bool& Allow)>;
using TColorSelectEvent = std::function<void(TObject* Sender, int ACol, int ARow, TColor& AColor)>;
using TImageSelectEvent = std::function<void(TObject* Sender, int ACol, int ARow, int& AImageIndex)>;
using TCellChangingEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TScrollCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)>;
using TCellCursorEvent = std::function<void(TObject* Sender, int ACol, int ARow, int X, int Y, TCursor& ACursor)>;
using TEllipsClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& S)>;
using TSearchFooterActionEvent = std::function<void(TObject* Sender, int Action, bool& DefaultHandled)>;
using TExportNotificationEvent = std::function<void(TObject* Sender, TExportState State, int ARow)>;

// cell painting and cell text
using TGetFloatFormatEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat)>;
using TGetCellGradientEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor& ColorMirror,
                       TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TGetCellBorderPropEvent = std::function<void(TObject* Sender, int ARow, int ACol, TPen& LeftPen, TPen& TopPen,
                                                   TPen& RightPen, TPen& BottomPen)>;
using TCustomCellDrawEvent = std::function<void(TObject* Sender, TCanvas& Canvas, int ACol, int ARow,
                                                TGridDrawState AState, TRect ARect, bool Printing)>;
// selection
using TRowChangingEvent = std::function<void(TObject* Sender, int OldRow, int NewRow, bool& Allow)>;
using TColChangingEvent = std::function<void(TObject* Sender, int OldCol, int NewCol, bool& Allow)>;
using TRowUpdateEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TRowDisjunctSelectEvent = std::function<void(TObject* Sender, int ARow, bool AState, bool& Allow)>;
using TRowDisjunctSelectedEvent = std::function<void(TObject* Sender, int ARow)>;
// mouse buttons
using TClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TCanClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
using TAnchorClickEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle)>;
using TControlClickEvent = std::function<void(TObject* Sender, int ARow, int ACol, const QString& CtrlID,
                                              const QString& CtrlType, const QString& CtrlVal)>;
using TRadioClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AIdx)>;
using TCanSortEvent = std::function<void(TObject* Sender, int ACol, bool& DoSort)>;
using TSelectionResizeEvent =
    std::function<void(TObject* Sender, const TGridRect& OrigSelection, const TGridRect& NewSelection)>;
class TPopupMenu;
using TFixedDropDownClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu*& AMenu, bool& KeepFixedCellHighlighted)>;
using TNodeAllowEvent = std::function<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)>;
using TNodeEvent = std::function<void(TObject* Sender, int ARow, int ARowReal)>;
using TColumnSizeEvent = std::function<void(TObject* Sender, int ACol, bool& Allow)>;
// hooks and window messages
// Events whose row comes before the column, as their types were declared.
using TRowColBoolEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Value)>;
using TCanEditCellEvent = TRowColBoolEvent;
using TIsPasswordCellEvent = TRowColBoolEvent;
using TGridWideHintEvent = TGridHintEvent;
using TExpandClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool Expanded)>;
