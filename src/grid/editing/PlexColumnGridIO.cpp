#include "grid/editing/PlexColumnGridIO.h"

#include "platform/Menus.h"
#include "platform/PropertyStream.h"

#include <optional>

namespace {

constexpr const char* IOClassName = "TPlexColumnGridIO";
constexpr const char* ItemsName = "Items";
// The character set every font of the forms names (the default one).
constexpr int DefaultCharset = 1;

// ---- identifiers of the enumerations, in their declared order
constexpr const char* AlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr const char* BorderNames[] = {"cbTop", "cbLeft", "cbRight", "cbBottom"};
constexpr const char* PopupTypeNames[] = {"cpFixedCellsRClick",  "cpFixedCellsLClick", "cpNormalCellsRClick",
                                          "cpNormalCellsLClick", "cpAllCellsRClick",   "cpAllCellsLClick"};
constexpr const char* FontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr const char* PenStyleNames[] = {"psSolid",      "psDash",  "psDot",        "psDashDot",
                                         "psDashDotDot", "psClear", "psInsideFrame"};
constexpr const char* SortStyleNames[] = {"ssAutomatic",   "ssAlphabetic", "ssNumeric",       "ssDate",
                                          "ssAlphaNoCase", "ssAlphaCase",  "ssShortDateEU",   "ssShortDateUS",
                                          "ssCustom",      "ssFinancial",  "ssAnsiAlphaCase", "ssAnsiAlphaNoCase",
                                          "ssRaw",         "ssHTML",       "ssImages",        "ssCheckBox",
                                          "ssDateTime",    "ssTime",       "ssAlphaNumeric",  "ssAlphaNumericNoCase"};
constexpr const char* EditorNames[] = {"edNormal",
                                       "edSpinEdit",
                                       "edComboEdit",
                                       "edComboList",
                                       "edEditBtn",
                                       "edCheckBox",
                                       "edDateEdit",
                                       "edDateEditUpDown",
                                       "edTimeEdit",
                                       "edButton",
                                       "edDataCheckBox",
                                       "edNumeric",
                                       "edPositiveNumeric",
                                       "edFloat",
                                       "edCapital",
                                       "edMixedCase",
                                       "edPassword",
                                       "edUnitEditBtn",
                                       "edLowerCase",
                                       "edUpperCase",
                                       "edFloatSpinEdit",
                                       "edTimeSpinEdit",
                                       "edDateSpinEdit",
                                       "edNumericEditBtn",
                                       "edFloatEditBtn",
                                       "edCustom",
                                       "edRichEdit",
                                       "edNone",
                                       "edDateTimeEdit",
                                       "edValidChars",
                                       "edTrackbarDropDown",
                                       "edMemoDropDown",
                                       "edCalculatorDropDown",
                                       "edTimePickerDropDown",
                                       "edDetailDropDown",
                                       "edGridDropDown",
                                       "edColorPickerDropDown",
                                       "edImagePickerDropDown",
                                       "edPlexGridDropDown",
                                       "edPositiveFloat",
                                       "edNumericUnitEditBtn",
                                       "edFloatUnitEditBtn",
                                       "edMaskEditBtn"};
static_assert(std::size(EditorNames) == edMaskEditBtn + 1);
static_assert(std::size(SortStyleNames) == ssAlphaNumericNoCase + 1);

template <class E, size_t N>
TStreamValue Ident(E Value, const char* const (&Names)[N]) {
  return TStreamValue::Ident(Names[size_t(Value)]);
}

template <class E, size_t N>
E IdentValue(const TStreamValue& V, const char* const (&Names)[N]) {
  if (V.Type != TValueType::vaIdent) throw EReadError("Invalid property value");
  for (size_t i = 0; i < N; ++i)
    if (V.Text == Names[i]) return E(i);
  throw EReadError("Invalid property value");
}

template <class E, size_t N>
TStreamValue SetOf(TSet<E> Value, const char* const (&Names)[N]) {
  QStringList names;
  for (size_t i = 0; i < N; ++i)
    if (Value.Contains(E(i))) names << Names[i];
  return TStreamValue::Set(names);
}

template <class E, size_t N>
TSet<E> SetValue(const TStreamValue& V, const char* const (&Names)[N]) {
  if (V.Type != TValueType::vaSet) throw EReadError("Invalid property value");
  TSet<E> result;
  for (const QString& name : V.Names) {
    TStreamValue one = TStreamValue::Ident(name);
    result.Include(IdentValue<E>(one, Names));
  }
  return result;
}

int IntValue(const TStreamValue& V) {
  if (V.Type != TValueType::vaInt) throw EReadError("Invalid property value");
  return V.Int;
}

// What a stream may hold for a number that becomes a size, a width or a
// colour. The forms never come near these limits; a value outside them keeps
// the definition's default, so no sum of widths and no pen or font in the
// painter is taken from a number at the ends of the integer range.
struct TRange {
  int Min, Max;
};
constexpr TRange ColumnSizes{0, 32767};  // widths and sizing limits, pixels
constexpr TRange PenWidths{0, 100};
constexpr TRange FontSizes{-1000, 1000};  // points; a negative size is a height
constexpr TRange ItemCounts{0, 1000};     // rows of a drop-down list

void ReadBounded(int& Field, const TStreamValue& V, TRange Range) {
  const int v = IntValue(V);
  if (v >= Range.Min && v <= Range.Max) Field = v;
}

// An RGB colour, a system colour the palette knows, no colour or the default.
bool IsKnownColor(TColor C) {
  const uint32_t v = uint32_t(C);
  return v <= 0xFFFFFFu || (v >= uint32_t(SystemColor(0)) && v <= uint32_t(clMenuBar)) || C == clNone || C == clDefault;
}

void ReadColor(TColor& Field, const TStreamValue& V) {
  const TColor c = TColor(IntValue(V));
  if (IsKnownColor(c)) Field = c;
}
QString TextValue(const TStreamValue& V) {
  if (V.Type != TValueType::vaString) throw EReadError("Invalid property value");
  return V.Text;
}
bool BoolValue(const TStreamValue& V) {
  if (!V.IsBoolean()) throw EReadError("Invalid property value");
  return V.Type == TValueType::vaTrue;
}
void ListValue(const TStreamValue& V, TStringList& To) {
  if (V.Type != TValueType::vaList) throw EReadError("Invalid property value");
  To.FromQStringList(V.Names);
}

std::optional<TStreamValue> TextIfSet(const QString& V) {
  if (V.isEmpty()) return std::nullopt;
  return TStreamValue::String(V);
}
std::optional<TStreamValue> ListIfSet(const TStringList& V) {
  if (V.Count() == 0) return std::nullopt;
  return TStreamValue::List(V.ToQStringList());
}
std::optional<TStreamValue> Reference(const TComponent* V) {
  if (!V || V->Name.isEmpty()) return std::nullopt;
  return TStreamValue::String(V->Name);
}

// A referenced component by name among those Lookup owns; null when none.
TComponent* FindByName(const TComponent* Lookup, const QString& Name) {
  for (int i = 0; Lookup && i < Lookup->ComponentCount(); ++i)
    if (Lookup->Components(i)->Name.compare(Name, Qt::CaseInsensitive) == 0) return Lookup->Components(i);
  return nullptr;
}

using TItem = TGridColumnItem;
using TFontOf = TFont& (TItem::*)();
using TPenOf = TPen& (TItem::*)();

struct TColumnProperty {
  const char* Name;
  std::optional<TStreamValue> (*Write)(TItem&);
  void (*Read)(TItem&, const TStreamValue&, const TComponent* Lookup);
};

template <TFontOf F>
constexpr TColumnProperty FontProperty(const char* Name, int Part) {
  switch (Part) {
    case 0:
      return {Name, [](TItem&) -> std::optional<TStreamValue> { return TStreamValue::Integer(DefaultCharset); },
              [](TItem&, const TStreamValue& v, const TComponent*) { IntValue(v); }};
    case 1:
      return {Name,
              [](TItem& i) -> std::optional<TStreamValue> { return TStreamValue::Integer(int((i.*F)().Color())); },
              [](TItem& i, const TStreamValue& v, const TComponent*) {
                TColor c = (i.*F)().Color();
                ReadColor(c, v);
                (i.*F)().SetColor(c);
              }};
    case 2:
      return {Name, [](TItem& i) -> std::optional<TStreamValue> { return TStreamValue::Integer((i.*F)().Size()); },
              [](TItem& i, const TStreamValue& v, const TComponent*) {
                int size = (i.*F)().Size();
                ReadBounded(size, v, FontSizes);
                (i.*F)().SetSize(size);
              }};
    case 3:
      return {Name, [](TItem& i) -> std::optional<TStreamValue> { return TStreamValue::String((i.*F)().Name()); },
              [](TItem& i, const TStreamValue& v, const TComponent*) { (i.*F)().SetName(TextValue(v)); }};
    default:
      return {Name, [](TItem& i) -> std::optional<TStreamValue> { return SetOf((i.*F)().Style(), FontStyleNames); },
              [](TItem& i, const TStreamValue& v, const TComponent*) {
                (i.*F)().SetStyle(SetValue<TFontStyle>(v, FontStyleNames));
              }};
  }
}

template <TPenOf P>
constexpr TColumnProperty PenProperty(const char* Name, int Part) {
  switch (Part) {
    case 0:
      return {Name, [](TItem& i) -> std::optional<TStreamValue> { return TStreamValue::Integer(int((i.*P)().Color)); },
              [](TItem& i, const TStreamValue& v, const TComponent*) {
                TColor color = (i.*P)().Color;
                ReadColor(color, v);
                (i.*P)().Color = color;
              }};
    case 1:
      return {Name, [](TItem& i) -> std::optional<TStreamValue> { return Ident((i.*P)().Style(), PenStyleNames); },
              [](TItem& i, const TStreamValue& v, const TComponent*) {
                (i.*P)().Style = IdentValue<TPenStyle>(v, PenStyleNames);
              }};
    default:
      return {Name, [](TItem& i) -> std::optional<TStreamValue> { return TStreamValue::Integer((i.*P)().Width); },
              [](TItem& i, const TStreamValue& v, const TComponent*) {
                int width = (i.*P)().Width;
                ReadBounded(width, v, PenWidths);
                (i.*P)().Width = width;
              }};
  }
}

#define INT_PROPERTY(N)                                                                  \
  TColumnProperty {                                                                      \
#N, [](TItem & i) -> std::optional < TStreamValue>                                   \
    { return TStreamValue::Integer(i.N); }, [](TItem & i, const TStreamValue& v,         \
                                               const TComponent*) { i.N = IntValue(v); } \
  }
#define TEXT_PROPERTY(N)                                                                        \
  TColumnProperty {                                                                             \
#N, [](TItem & i) { return TextIfSet(i.N); }, [](TItem & i, const TStreamValue& v,          \
                                                     const TComponent*) { i.N = TextValue(v); } \
  }
#define BOUNDED_PROPERTY(N, Range)                                                                \
  TColumnProperty {                                                                               \
#N, [](TItem & i) -> std::optional < TStreamValue>                                            \
    { return TStreamValue::Integer(i.N); }, [](TItem & i, const TStreamValue& v,                  \
                                               const TComponent*) { ReadBounded(i.N, v, Range); } \
  }
#define BOOL_PROPERTY(N)                                                                  \
  TColumnProperty {                                                                       \
#N, [](TItem & i) -> std::optional < TStreamValue>                                    \
    { return TStreamValue::Boolean(i.N); }, [](TItem & i, const TStreamValue& v,          \
                                               const TComponent*) { i.N = BoolValue(v); } \
  }

// The published properties in their declared order: the order of the stream.
const TColumnProperty ColumnProperties[] = {
    BOUNDED_PROPERTY(AutoMinSize, ColumnSizes),
    BOUNDED_PROPERTY(AutoMaxSize, ColumnSizes),
    {"Alignment", [](TItem& i) -> std::optional<TStreamValue> { return Ident(i.Alignment(), AlignmentNames); },
     [](TItem& i, const TStreamValue& v, const TComponent*) {
       i.SetAlignment(IdentValue<TAlignment>(v, AlignmentNames));
     }},
    {"Borders", [](TItem& i) -> std::optional<TStreamValue> { return SetOf(i.Borders(), BorderNames); },
     [](TItem& i, const TStreamValue& v, const TComponent*) { i.SetBorders(SetValue<TCellBorder>(v, BorderNames)); }},
    PenProperty<&TItem::BorderPen>("BorderPen.Color", 0),
    PenProperty<&TItem::BorderPen>("BorderPen.Style", 1),
    PenProperty<&TItem::BorderPen>("BorderPen.Width", 2),
    TEXT_PROPERTY(CheckFalse),
    TEXT_PROPERTY(CheckTrue),
    {"Color", [](TItem& i) -> std::optional<TStreamValue> { return TStreamValue::Integer(int(i.Color())); },
     [](TItem& i, const TStreamValue& v, const TComponent*) {
       TColor c = i.Color();
       ReadColor(c, v);
       i.SetColor(c);
     }},
    {"ColumnPopup", [](TItem& i) { return Reference(i.ColumnPopup); },
     [](TItem& i, const TStreamValue& v, const TComponent* lookup) {
       i.ColumnPopup = dynamic_cast<TPopupMenu*>(FindByName(lookup, TextValue(v)));
     }},
    {"ColumnPopupType",
     [](TItem& i) -> std::optional<TStreamValue> { return Ident(i.ColumnPopupType, PopupTypeNames); },
     [](TItem& i, const TStreamValue& v, const TComponent*) {
       i.ColumnPopupType = IdentValue<TColumnPopupType>(v, PopupTypeNames);
     }},
    {"ComboItems", [](TItem& i) { return ListIfSet(i.ComboItems()); },
     [](TItem& i, const TStreamValue& v, const TComponent*) { ListValue(v, i.ComboItems()); }},
    BOUNDED_PROPERTY(DropDownCount, ItemCounts),
    INT_PROPERTY(EditLength),
    {"EditLink", [](TItem& i) { return Reference(i.EditLink); },
     [](TItem& i, const TStreamValue& v, const TComponent* lookup) { i.EditLink = FindByName(lookup, TextValue(v)); }},
    TEXT_PROPERTY(EditMask),
    {"Editor", [](TItem& i) -> std::optional<TStreamValue> { return Ident(i.Editor(), EditorNames); },
     [](TItem& i, const TStreamValue& v, const TComponent*) { i.SetEditor(IdentValue<TEditorType>(v, EditorNames)); }},
    {"Filter", [](TItem& i) { return ListIfSet(i.Filter()); },
     [](TItem& i, const TStreamValue& v, const TComponent*) { ListValue(v, i.Filter()); }},
    BOOL_PROPERTY(FilterCaseSensitive),
    {"Fixed", [](TItem& i) -> std::optional<TStreamValue> { return TStreamValue::Boolean(i.Fixed()); },
     [](TItem& i, const TStreamValue& v, const TComponent*) { i.SetFixed(BoolValue(v)); }},
    {"FloatFormat", [](TItem& i) { return TextIfSet(i.FloatFormat()); },
     [](TItem& i, const TStreamValue& v, const TComponent*) { i.SetFloatFormat(TextValue(v)); }},
    FontProperty<&TItem::Font>("Font.Charset", 0),
    FontProperty<&TItem::Font>("Font.Color", 1),
    FontProperty<&TItem::Font>("Font.Size", 2),
    FontProperty<&TItem::Font>("Font.Name", 3),
    FontProperty<&TItem::Font>("Font.Style", 4),
    {"Header", [](TItem& i) { return TextIfSet(i.Header()); },
     [](TItem& i, const TStreamValue& v, const TComponent*) { i.SetHeader(TextValue(v)); }},
    {"HeaderAlignment",
     [](TItem& i) -> std::optional<TStreamValue> { return Ident(i.HeaderAlignment(), AlignmentNames); },
     [](TItem& i, const TStreamValue& v, const TComponent*) {
       i.SetHeaderAlignment(IdentValue<TAlignment>(v, AlignmentNames));
     }},
    FontProperty<&TItem::HeaderFont>("HeaderFont.Charset", 0),
    FontProperty<&TItem::HeaderFont>("HeaderFont.Color", 1),
    FontProperty<&TItem::HeaderFont>("HeaderFont.Size", 2),
    FontProperty<&TItem::HeaderFont>("HeaderFont.Name", 3),
    FontProperty<&TItem::HeaderFont>("HeaderFont.Style", 4),
    BOUNDED_PROPERTY(MinSize, ColumnSizes),
    BOUNDED_PROPERTY(MaxSize, ColumnSizes),
    TEXT_PROPERTY(Name),
    {"Password", [](TItem& i) -> std::optional<TStreamValue> { return TStreamValue::Boolean(i.Password()); },
     [](TItem& i, const TStreamValue& v, const TComponent*) { i.SetPassword(BoolValue(v)); }},
    {"PrintBorderCustom",
     [](TItem& i) -> std::optional<TStreamValue> {
       if (i.PrintBorderCustom) return std::nullopt;
       return TStreamValue::Boolean(false);
     },
     [](TItem& i, const TStreamValue& v, const TComponent*) { i.PrintBorderCustom = BoolValue(v); }},
    {"PrintBorders", [](TItem& i) -> std::optional<TStreamValue> { return SetOf(i.PrintBorders, BorderNames); },
     [](TItem& i, const TStreamValue& v, const TComponent*) {
       i.PrintBorders = SetValue<TCellBorder>(v, BorderNames);
     }},
    PenProperty<&TItem::PrintBorderPen>("PrintBorderPen.Color", 0),
    PenProperty<&TItem::PrintBorderPen>("PrintBorderPen.Style", 1),
    PenProperty<&TItem::PrintBorderPen>("PrintBorderPen.Width", 2),
    {"PrintColor", [](TItem& i) -> std::optional<TStreamValue> { return TStreamValue::Integer(i.PrintColor); },
     [](TItem& i, const TStreamValue& v, const TComponent*) { ReadColor(i.PrintColor, v); }},
    {"PrintFontCustom",
     [](TItem& i) -> std::optional<TStreamValue> {
       if (i.PrintFontCustom) return std::nullopt;
       return TStreamValue::Boolean(false);
     },
     [](TItem& i, const TStreamValue& v, const TComponent*) { i.PrintFontCustom = BoolValue(v); }},
    FontProperty<&TItem::PrintFont>("PrintFont.Charset", 0),
    FontProperty<&TItem::PrintFont>("PrintFont.Color", 1),
    FontProperty<&TItem::PrintFont>("PrintFont.Size", 2),
    FontProperty<&TItem::PrintFont>("PrintFont.Name", 3),
    FontProperty<&TItem::PrintFont>("PrintFont.Style", 4),
    BOOL_PROPERTY(ReadOnly),
    {"ShowBands", [](TItem& i) -> std::optional<TStreamValue> { return TStreamValue::Boolean(i.ShowBands()); },
     [](TItem& i, const TStreamValue& v, const TComponent*) { i.SetShowBands(BoolValue(v)); }},
    {"SortStyle", [](TItem& i) -> std::optional<TStreamValue> { return Ident(i.SortStyle, SortStyleNames); },
     [](TItem& i, const TStreamValue& v, const TComponent*) {
       i.SortStyle = IdentValue<TSortStyle>(v, SortStyleNames);
     }},
    TEXT_PROPERTY(SortPrefix),
    TEXT_PROPERTY(SortSuffix),
    INT_PROPERTY(SpinMax),
    INT_PROPERTY(SpinMin),
    INT_PROPERTY(SpinStep),
    INT_PROPERTY(Tag),
    {"Width", [](TItem& i) -> std::optional<TStreamValue> { return TStreamValue::Integer(i.Width()); },
     [](TItem& i, const TStreamValue& v, const TComponent*) {
       int width = i.StoredWidth();
       ReadBounded(width, v, ColumnSizes);
       i.SetWidth(width);
     }},
};

#undef INT_PROPERTY
#undef TEXT_PROPERTY
#undef BOOL_PROPERTY
#undef BOUNDED_PROPERTY

const TColumnProperty* FindProperty(const QString& Name) {
  for (const TColumnProperty& p : ColumnProperties)
    if (Name.compare(QLatin1String(p.Name), Qt::CaseInsensitive) == 0) return &p;
  return nullptr;
}

}  // namespace

TPlexColumnGridIO::TPlexColumnGridIO(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TGridColumnCollection>(nullptr)) {}

void TPlexColumnGridIO::WriteToStream(QIODevice& Stream) {
  TStreamValue items;
  items.Type = TValueType::vaCollection;
  for (int n = 0; n < FItems->Count(); ++n) {
    TStreamProperties props;
    for (const TColumnProperty& p : ColumnProperties)
      if (auto value = p.Write(*FItems->Items(n))) props.push_back({p.Name, *value});
    items.Items.push_back(std::move(props));
  }
  WriteComponentStream(Stream, {IOClassName, Name, {{ItemsName, std::move(items)}}});
}

void TPlexColumnGridIO::ReadFromStream(QIODevice& Stream, const TComponent* Lookup) {
  const TStreamComponent root = ReadComponentStream(Stream);
  if (root.ClassName != IOClassName) throw EReadError("Stream read error");
  auto read = std::make_unique<TGridColumnCollection>(nullptr);
  for (const TStreamProperty& prop : root.Properties) {
    if (prop.Name != ItemsName || prop.Value.Type != TValueType::vaCollection)
      throw EReadError(QString("Property %1 does not exist").arg(prop.Name));
    for (const TStreamProperties& item : prop.Value.Items) {
      TGridColumnItem* column = read->AddDefault();
      for (const TStreamProperty& p : item) {
        const TColumnProperty* known = FindProperty(p.Name);
        if (!known) throw EReadError(QString("Property %1 does not exist").arg(p.Name));
        known->Read(*column, p.Value, Lookup);
      }
    }
  }
  FItems = std::move(read);
}
