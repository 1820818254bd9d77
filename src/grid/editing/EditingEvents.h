// The events of a cell edit: validation, text changes, combo selection,
// clipboard in the text editor, and the end of an edit.
#pragma once

#include "platform/Classes.h"
#include "platform/Types.h"

#include <QString>

#include <functional>

using TCellValidateEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value, bool& Valid)>;
using TEditChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
using TComboChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection)>;
using TComboObjectChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                                   const QString& ASelection, TObject* AObject)>;
using TClipboardEvent = std::function<void(TObject* Sender, bool& Allow)>;
using TClipboardPasteCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value, bool& Allow)>;
using TClipboardAfterPasteCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
using TDblClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TEndRowSizeEvent = std::function<void(TObject* Sender, int ARow)>;
// The cell editor wrappers' own events; UpDown is true for a step up.
using TSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TFloatSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TDateTimeSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TUnitChangedEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& NewUnit)>;
// Form controls in cells: the combo's list is filled by the handler, which may
// forbid free text (Edit) and change the number of rows dropped.
using TControlComboListEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const QString& CtrlID, const QString& CtrlType,
                       const QString& CtrlVal, TStringList& Values, bool& Edit, int& DropCount)>;
using TControlComboSelectEvent = std::function<void(TObject* Sender, int ARow, int ACol, int ItemIndex,
                                                    const QString& CtrlID, const QString& CtrlValue)>;
using TControlEditDoneEvent = std::function<void(TObject* Sender, int ARow, int ACol, const QString& CtrlID,
                                                 const QString& CtrlType, const QString& CtrlVal)>;
using TDateTimeChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, double ADateTime)>;
// A colour or image chosen in a drop-down cell editor, before it reaches the cell.
using TColorSelectedEvent = std::function<void(TObject* Sender, int ACol, int ARow, TColor& Color, QString& Value)>;
using TImageSelectedEvent = std::function<void(TObject* Sender, int ACol, int ARow, int& Index)>;
