// Which editor serves each cell editor type, what it writes back and where in
// its set-up the editor-property hook fires: one row per TEditorType value.
#pragma once

#include "grid/foundation/CellProperties.h"

#include <array>
#include <cstdint>

enum class TEditorKind : uint8_t {
  Text,
  Spin,
  Combo,
  EditBtn,
  CheckBox,
  DatePicker,
  TimePicker,
  Button,
  DataCheckBox,
  UnitEdit,
  Custom,
  Rich,
  None,
  DateTime,
  DropDown
};

// How the committed value reaches the cell.
enum class TWriteBack : uint8_t { Text, Ints, Floats, Dates, Nothing, Color, ImageIndex };

// When the editor-property hook fires during the set-up.
enum class THookTime : uint8_t { None, BeforeLoad, AfterLoad };

struct TEditorTypeInfo {
  TEditorType Type;
  TEditorKind Kind;
  TWriteBack WriteBack;
  THookTime Hook;
  // Opens only where the platform supports date pickers.
  bool NeedsDatePickers;
  // A pending opening character is posted to the editor.
  bool TakesStartChar;
  // The editor takes the cell's colour.
  bool Coloured;
  // Commits only while the edit is still open (EditMode).
  bool CommitsInEditMode;
};

namespace EditorTypes {
using K = TEditorKind;
using W = TWriteBack;
using H = THookTime;
inline constexpr std::array<TEditorTypeInfo, edMaskEditBtn + 1> Table = {{
    {edNormal, K::Text, W::Text, H::None, false, false, false, false},
    {edSpinEdit, K::Spin, W::Ints, H::BeforeLoad, false, true, true, false},
    {edComboEdit, K::Combo, W::Text, H::BeforeLoad, false, true, true, true},
    {edComboList, K::Combo, W::Text, H::BeforeLoad, false, true, true, true},
    {edEditBtn, K::EditBtn, W::Text, H::None, false, true, true, true},
    {edCheckBox, K::CheckBox, W::Nothing, H::None, false, false, false, false},
    {edDateEdit, K::DatePicker, W::Text, H::AfterLoad, true, true, true, false},
    {edDateEditUpDown, K::DatePicker, W::Text, H::AfterLoad, true, true, true, false},
    {edTimeEdit, K::TimePicker, W::Text, H::AfterLoad, true, false, true, false},
    {edButton, K::Button, W::Nothing, H::None, false, false, false, false},
    {edDataCheckBox, K::DataCheckBox, W::Nothing, H::None, false, false, false, false},
    {edNumeric, K::Text, W::Text, H::None, false, false, false, false},
    {edPositiveNumeric, K::Text, W::Text, H::None, false, false, false, false},
    {edFloat, K::Text, W::Text, H::None, false, false, false, false},
    {edCapital, K::Text, W::Text, H::None, false, false, false, false},
    {edMixedCase, K::Text, W::Text, H::None, false, false, false, false},
    {edPassword, K::Text, W::Text, H::None, false, false, false, false},
    {edUnitEditBtn, K::UnitEdit, W::Text, H::AfterLoad, false, true, true, false},
    {edLowerCase, K::Text, W::Text, H::None, false, false, false, false},
    {edUpperCase, K::Text, W::Text, H::None, false, false, false, false},
    {edFloatSpinEdit, K::Spin, W::Floats, H::BeforeLoad, false, true, true, false},
    {edTimeSpinEdit, K::Spin, W::Text, H::BeforeLoad, false, true, true, false},
    {edDateSpinEdit, K::Spin, W::Dates, H::BeforeLoad, false, true, true, false},
    {edNumericEditBtn, K::EditBtn, W::Text, H::None, false, true, true, true},
    {edFloatEditBtn, K::EditBtn, W::Text, H::None, false, true, true, true},
    {edCustom, K::Custom, W::Text, H::BeforeLoad, false, true, true, false},
    {edRichEdit, K::Rich, W::Text, H::BeforeLoad, false, true, true, false},
    {edNone, K::None, W::Nothing, H::None, false, false, false, false},
    {edDateTimeEdit, K::DateTime, W::Text, H::AfterLoad, true, false, true, false},
    {edValidChars, K::Text, W::Text, H::None, false, false, false, false},
    {edTrackbarDropDown, K::DropDown, W::Text, H::BeforeLoad, false, true, true, true},
    {edMemoDropDown, K::DropDown, W::Text, H::BeforeLoad, false, true, true, true},
    {edCalculatorDropDown, K::DropDown, W::Text, H::BeforeLoad, false, true, true, true},
    {edTimePickerDropDown, K::DropDown, W::Text, H::BeforeLoad, false, true, true, true},
    {edDetailDropDown, K::DropDown, W::Text, H::BeforeLoad, false, true, true, true},
    {edGridDropDown, K::DropDown, W::Text, H::BeforeLoad, false, true, true, true},
    {edColorPickerDropDown, K::DropDown, W::Color, H::BeforeLoad, false, true, true, true},
    {edImagePickerDropDown, K::DropDown, W::ImageIndex, H::BeforeLoad, false, true, true, true},
    {edPlexGridDropDown, K::DropDown, W::Text, H::BeforeLoad, false, true, true, true},
    {edPositiveFloat, K::Text, W::Text, H::None, false, false, false, false},
    {edNumericUnitEditBtn, K::UnitEdit, W::Text, H::AfterLoad, false, true, true, false},
    {edFloatUnitEditBtn, K::UnitEdit, W::Text, H::AfterLoad, false, true, true, false},
    {edMaskEditBtn, K::EditBtn, W::Text, H::None, false, true, true, true},
}};
}  // namespace EditorTypes

constexpr const TEditorTypeInfo& EditorTypeInfo(TEditorType Type) { return EditorTypes::Table[size_t(Type)]; }
constexpr bool IsTextEditorType(TEditorType Type) { return EditorTypeInfo(Type).Kind == TEditorKind::Text; }

// Each row sits at its own value, so the table can be indexed by the type.
static_assert([] {
  for (size_t i = 0; i < EditorTypes::Table.size(); ++i)
    if (size_t(EditorTypes::Table[i].Type) != i) return false;
  return true;
}());
