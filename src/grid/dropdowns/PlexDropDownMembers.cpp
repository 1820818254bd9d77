// The values of the drop-down editors and how their popups are filled.
#include "grid/dropdowns/PlexDropDownMembers.h"

#include "grid/core/PlexStringGrid.h"
#include "platform/SysUtils.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int TrackHeight = 40;
constexpr int MemoHeight = 100;
constexpr int ListRowsShown = 8;

bool ParseInt(const QString& Text, int& Value) {
  bool ok = false;
  Value = Text.trimmed().toInt(&ok);
  return ok;
}
}  // namespace

// ---- track bar

TPlexTrackBarDropDown::TPlexTrackBarDropDown(TComponent* AOwner) : TPlexCustomDropDown(AOwner) {
  SetEditorEnabled(false);
  FTrack = new TLabel(this);
  FTrack->SetHeight(TrackHeight);
  SetControl(FTrack);
  SetPlainText("0");
}

void TPlexTrackBarDropDown::SetMin(int Value) {
  FMin = Value;
  FMax = std::max(FMax, FMin);
  SetPosition(FPosition);
}

void TPlexTrackBarDropDown::SetMax(int Value) {
  FMax = Value;
  FMin = std::min(FMin, FMax);
  SetPosition(FPosition);
}

void TPlexTrackBarDropDown::SetPosition(int Value) {
  const int clamped = std::clamp(Value, FMin, FMax);
  const bool changed = clamped != FPosition;
  FPosition = clamped;
  SetPlainText(QString::number(FPosition));
  FTrack->SetCaption(QString("%1  [%2 .. %3]").arg(FPosition).arg(FMin).arg(FMax));
  if (changed && OnTrackChange) OnTrackChange(this);
}

QString TPlexTrackBarDropDown::FormatText(const QString& Value) const {
  return Value.trimmed().isEmpty() ? QStringLiteral("0") : Value;
}

void TPlexTrackBarDropDown::Change() {
  TPlexCustomDropDown::Change();
  int value = 0;
  if (ParseInt(Text(), value) && value != FPosition) SetPosition(value);
}

void TPlexTrackBarDropDown::KeyDown(WORD& Key, TShiftState Shift) {
  TPlexCustomDropDown::KeyDown(Key, Shift);
  if (EditorEnabled() || Shift.Contains(ssAlt)) return;
  if (Key == VK_UP && FPosition - Frequency >= FMin) SetPosition(FPosition - Frequency);
  if (Key == VK_DOWN && FPosition + Frequency <= FMax) SetPosition(FPosition + Frequency);
}

void TPlexTrackBarDropDown::DoBeforeDropDown() {
  TPlexCustomDropDown::DoBeforeDropDown();
  FTrack->SetWidth(Width());
  SetPosition(FPosition);
}

// ---- memo

TPlexMemoDropDown::TPlexMemoDropDown(TComponent* AOwner) : TPlexCustomDropDown(AOwner) {
  FMemo = new TMemo(this);
  FMemo->SetHeight(MemoHeight);
  SetControl(FMemo);
}

void TPlexMemoDropDown::SetMemoText(const TStringList& Value) {
  FMemoText.Clear();
  FMemoText.AddStrings(Value);
  UpdateEditText();
}

QString TPlexMemoDropDown::MemoValue() const {
  QString text = FMemoText.Text();
  if (text.endsWith(QLatin1String("\r\n"))) text.chop(2);
  return text;
}

void TPlexMemoDropDown::UpdateEditText() {
  QString summary = MemoValue();
  if (!EditorEnabled() && FMemoText.Count() > 0) summary = FMemoText[0] + (FMemoText.Count() > 1 ? "..." : "");
  FInternalUpdate = true;
  SetPlainText(summary);
  FInternalUpdate = false;
}

void TPlexMemoDropDown::Change() {
  if (!FInternalUpdate) FMemoText.SetText(Text());
  TPlexCustomDropDown::Change();
}

void TPlexMemoDropDown::DoBeforeDropDown() {
  TPlexCustomDropDown::DoBeforeDropDown();
  FMemo->SetLines(FMemoText);
}

void TPlexMemoDropDown::DoHideDropDown(bool Cancel) {
  if (Cancel) FMemo->SetLines(FMemoText);
  TPlexCustomDropDown::DoHideDropDown(Cancel);
}

void TPlexMemoDropDown::AfterHideDropDown() {
  TPlexCustomDropDown::AfterHideDropDown();
  SetMemoText(FMemo->Lines());
  SetSelStart(0);
  SetSelLength(0);
}

// ---- calculator

TPlexCalculatorDropdown::TPlexCalculatorDropdown(TComponent* AOwner) : TPlexCustomDropDown(AOwner) {
  DropDownWidth = 230;
}

QString TPlexCalculatorDropdown::FormatText(const QString& Value) const {
  if (Value == QLatin1String("Error")) return Value;
  bool ok = false;
  QString normal = Value.trimmed();
  normal.replace(FormatSettings().DecimalSeparator, '.');
  const double number = normal.toDouble(&ok);
  if (!ok) return Value;
  QString text = QString::number(number, 'f', std::max(0, Precision));
  return text.replace('.', FormatSettings().DecimalSeparator);
}

double TPlexCalculatorDropdown::Display() const {
  QString text = Text().trimmed();
  text.remove(FormatSettings().ThousandSeparator);
  text.replace(FormatSettings().DecimalSeparator, '.');
  bool ok = false;
  const double value = text.toDouble(&ok);
  return ok ? value : 0;
}

void TPlexCalculatorDropdown::ShowValue(double Value) { SetText(QString::number(Value, 'g', 15)); }

void TPlexCalculatorDropdown::ApplyPending() {
  if (Text().isEmpty() || Text() == QLatin1String("Error")) SetText("0");
  const double x = Display();
  switch (FPrevop) {
    case 0: FPrevval += x; break;
    case 1: FPrevval *= x; break;
    case 2: FPrevval -= x; break;
    case 3:
      if (x == 0) {
        FPrevval = 0;
        SetText("Error");
        return;
      }
      FPrevval /= x;
      break;
    default: FPrevval = x; break;
  }
  if (!std::isfinite(FPrevval)) FPrevval = 0;
  ShowValue(FPrevval);
  FNewval = true;
}

void TPlexCalculatorDropdown::DoEquals() {
  ApplyPending();
  if (Text().isEmpty()) SetText("0");
  FPrevop = -1;
  if (Text() != QLatin1String("Error")) FPrevval = Display();
}

void TPlexCalculatorDropdown::DoOperator(int Op) {
  ApplyPending();
  FPrevop = Op;
}

void TPlexCalculatorDropdown::KeyPress(QChar& Key) {
  if (!DroppedDown()) {
    const char c = Key.unicode() < 128 ? char(Key.unicode()) : 0;
    switch (c) {
      case 13:
      case '=': DoEquals(); break;
      case '+': DoOperator(0); break;
      case '*': DoOperator(1); break;
      case '-': DoOperator(2); break;
      case '/': DoOperator(3); break;
      case 'c':
      case 'C':
        SetText("0");
        FNewval = true;
        FPrevop = -1;
        break;
      default: break;
    }
  }
  const bool digit = Key.isDigit();
  if (!digit && Key != FormatSettings().DecimalSeparator && Key != QChar(8) && Key != QChar('-')) {
    Key = QChar(0);
    return;
  }
  if (digit && (Text() == QLatin1String("0") || FNewval)) {
    SetPlainText(QString(Key));
    SetSelStart(1);
    Key = QChar(0);
    FNewval = false;
    return;
  }
  if (Key == FormatSettings().DecimalSeparator && Text().contains(Key)) {
    Key = QChar(0);
    return;
  }
  TPlexCustomDropDown::KeyPress(Key);
}

// ---- time picker

TPlexTimePickerDropDown::TPlexTimePickerDropDown(TComponent* AOwner) : TPlexCustomDropDown(AOwner) {}

// ---- list pickers

TPlexListDropDown::TPlexListDropDown(TComponent* AOwner) : TPlexCustomDropDown(AOwner) {
  FList = new TListBox(this);
  // The edit keeps the keys while the list is shown.
  FList->SetTabStop(false);
  SetControl(FList);
  FList->OnClick = [this](TObject*) {
    if (FList->ItemIndex() < 0) return;
    SetItemIndex(FList->ItemIndex());
    HideDropDown(false);
  };
}

void TPlexListDropDown::DoBeforeDropDown() {
  TPlexCustomDropDown::DoBeforeDropDown();
  const QStringList texts = ListTexts();
  FList->Items().Clear();
  for (const QString& text : texts) FList->Items().Add(text);
  FList->SetItemIndex(FItemIndex);
  FList->SetHeight(std::max(1, int(std::min<qsizetype>(texts.size(), ListRowsShown))) * 16 + 4);
}

void TPlexListDropDown::DoSelectNext() {
  if (FItemIndex + 1 < ItemCount()) SetItemIndex(FItemIndex + 1);
}

void TPlexListDropDown::DoSelectPrevious() {
  if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
}

// ---- multi-column list

QString TPlexMultiColumnDropDown::LookupText(int Index) const {
  const QStringList& row = FItems[size_t(Index)];
  return LookupColumn >= 0 && LookupColumn < row.size() ? row[LookupColumn] : QString();
}

int TPlexMultiColumnDropDown::GetItemIndex(const QString& Value) const {
  for (int i = 0; i < int(FItems.size()); ++i)
    if (LookupText(i) == Value) return i;
  return -1;
}

void TPlexMultiColumnDropDown::SetItemIndex(int Value) {
  FItemIndex = Value >= 0 && Value < int(FItems.size()) ? Value : -1;
  SetPlainText(FItemIndex >= 0 ? LookupText(FItemIndex) : QString());
}

QStringList TPlexMultiColumnDropDown::ListTexts() const {
  QStringList texts;
  for (const QStringList& row : FItems) texts.append(row.join("  "));
  return texts;
}

// ---- grid

TCustomPlexGridDropDown::TCustomPlexGridDropDown(TComponent* AOwner) : TPlexListDropDown(AOwner) {}

TCustomPlexGridDropDown::~TCustomPlexGridDropDown() = default;

TPlexStringGrid* TCustomPlexGridDropDown::GetGrid() {
  if (!FGrid) {
    FGrid = new TPlexStringGrid(this);
    FGrid->SetVisible(false);
  }
  return FGrid;
}

QStringList TCustomPlexGridDropDown::LookupTexts() const {
  QStringList texts;
  if (UseItems || !FGrid) {
    for (const QStringList& row : FItems) texts.append(LookupColumn < row.size() ? row[LookupColumn] : QString());
    return texts;
  }
  for (int r = FGrid->FixedRows(); r < FGrid->RowCount(); ++r) texts.append(FGrid->Cells(LookupColumn, r));
  return texts;
}

bool TCustomPlexGridDropDown::FindLookupMatch(const QString& Text, QString& FullText, int& Index) {
  const QStringList texts = LookupTexts();
  const Qt::CaseSensitivity sensitivity = CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
  for (int i = 0; i < texts.size(); ++i) {
    if (texts[i].startsWith(Text, sensitivity)) {
      FullText = texts[i];
      Index = i;
      return true;
    }
  }
  Index = -1;
  return false;
}

void TCustomPlexGridDropDown::SetItemIndex(int Value) {
  const QStringList texts = LookupTexts();
  FItemIndex = Value >= 0 && Value < texts.size() ? Value : -1;
  SetPlainText(FItemIndex >= 0 ? texts[FItemIndex] : QString());
}

QStringList TCustomPlexGridDropDown::ListTexts() const { return LookupTexts(); }

// ---- detail list

TDetailItem& TDetailItems::Add(const QString& Caption, const QString& Notes) {
  FItems.push_back({Caption, Notes});
  return FItems.back();
}

int TDetailItems::IndexOf(const QString& Caption) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[size_t(i)].Caption == Caption) return i;
  return -1;
}

void TPlexDetailDropDown::SetItemIndex(int Value) {
  FItemIndex = Value >= 0 && Value < FItems.Count() ? Value : -1;
  SetPlainText(FItemIndex >= 0 ? FItems[FItemIndex].Caption : QString());
  if (OnSelect) OnSelect(this);
}

QStringList TPlexDetailDropDown::ListTexts() const {
  QStringList texts;
  for (int i = 0; i < FItems.Count(); ++i) texts.append(FItems[i].Caption);
  return texts;
}

// ---- colour picker

TPlexColorPickerDropDown::TPlexColorPickerDropDown(TComponent* AOwner) : TPlexListDropDown(AOwner) {
  SetEditorEnabled(false);
}

void TPlexColorPickerDropDown::AddDefaultColors() {
  static const TColorItem defaults[] = {
      {"Black", 0x000000},  {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
      {"Navy", 0x800000},   {"Purple", 0x800080},  {"Teal", 0x808000},  {"Gray", 0x808080},
      {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
      {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF}};
  for (const TColorItem& item : defaults) FColors.push_back(item);
}

void TPlexColorPickerDropDown::SetItemIndex(int Value) {
  if (Value >= int(FColors.size())) return;
  FItemIndex = std::max(-1, Value);
  if (FItemIndex >= 0) FSelectedColor = FColors[size_t(FItemIndex)].Color;
  SetPlainText(SelectedColorText());
  if (OnSelect) OnSelect(this);
}

void TPlexColorPickerDropDown::SetSelectedColor(TColor Value) {
  if (Value == FSelectedColor) return;
  FSelectedColor = Value;
  const auto found =
      std::find_if(FColors.begin(), FColors.end(), [Value](const TColorItem& item) { return item.Color == Value; });
  SetItemIndex(found == FColors.end() ? -1 : int(found - FColors.begin()));
}

QString TPlexColorPickerDropDown::SelectedColorText() const {
  return FItemIndex >= 0 ? FColors[size_t(FItemIndex)].Caption : QString();
}

QStringList TPlexColorPickerDropDown::ListTexts() const {
  QStringList texts;
  for (const TColorItem& item : FColors) texts.append(item.Caption);
  return texts;
}

// ---- image picker

TPlexImagePickerDropDown::TPlexImagePickerDropDown(TComponent* AOwner) : TPlexListDropDown(AOwner) {
  SetEditorEnabled(false);
}

void TPlexImagePickerDropDown::AddImagesFromImageList() {
  if (!Images) return;
  for (int i = 0; i < Images->Count(); ++i) FItems.push_back({QString(), i});
}

int TPlexImagePickerDropDown::ImageIndex() const {
  return FItemIndex >= 0 ? FItems[size_t(FItemIndex)].ImageIndex : -1;
}

void TPlexImagePickerDropDown::SetImageIndex(int Value) {
  const auto found =
      std::find_if(FItems.begin(), FItems.end(), [Value](const TImageItem& item) { return item.ImageIndex == Value; });
  SetItemIndex(found == FItems.end() ? -1 : int(found - FItems.begin()));
}

void TPlexImagePickerDropDown::SetItemIndex(int Value) {
  if (Value >= int(FItems.size())) return;
  FItemIndex = std::max(-1, Value);
  SetPlainText(FItemIndex >= 0 ? FItems[size_t(FItemIndex)].Caption : QString());
  if (OnSelect) OnSelect(this);
}

QStringList TPlexImagePickerDropDown::ListTexts() const {
  QStringList texts;
  for (const TImageItem& item : FItems)
    texts.append(item.Caption.isEmpty() ? QString::number(item.ImageIndex) : item.Caption);
  return texts;
}
