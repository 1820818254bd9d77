// The grid's side of the binary cell stream: which records a rectangle of
// cells becomes, and how a stream's cells are placed back, whole or at a point.
#include "grid/core/CellGraphic.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/features/CellStream.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "platform/Files.h"
#include "platform/Graphics.h"

#include <QBuffer>
#include <QFile>

#include <atomic>
#include <cmath>
#include <memory>

int TPlexStringGrid::NextGridID() {
  static std::atomic<int> next{1};
  return next++;
}

namespace {

// ---- enumeration names, in declaration order

const QStringList AlignmentNames = {"taLeftJustify", "taRightJustify", "taCenter"};
const QStringList BrushStyleNames = {"bsSolid",     "bsClear", "bsHorizontal", "bsVertical",
                                     "bsFDiagonal", "bsBDiagonal", "bsCross",  "bsDiagCross"};
const QStringList FontStyleNames = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
const QStringList EditorNames = {
    "edNormal",         "edSpinEdit",          "edComboEdit",         "edComboList",         "edEditBtn",
    "edCheckBox",       "edDateEdit",          "edDateEditUpDown",    "edTimeEdit",          "edButton",
    "edDataCheckBox",   "edNumeric",           "edPositiveNumeric",   "edFloat",             "edCapital",
    "edMixedCase",      "edPassword",          "edUnitEditBtn",       "edLowerCase",         "edUpperCase",
    "edFloatSpinEdit",  "edTimeSpinEdit",      "edDateSpinEdit",      "edNumericEditBtn",    "edFloatEditBtn",
    "edCustom",         "edRichEdit",          "edNone",              "edDateTimeEdit",      "edValidChars",
    "edTrackbarDropDown", "edMemoDropDown",    "edCalculatorDropDown", "edTimePickerDropDown", "edDetailDropDown",
    "edGridDropDown",   "edColorPickerDropDown", "edImagePickerDropDown", "edPlexGridDropDown", "edPositiveFloat",
    "edNumericUnitEditBtn", "edFloatUnitEditBtn", "edMaskEditBtn"};
const QStringList GradientNames = {"GradientVertical", "GradientHorizontal"};
const QStringList VAlignmentNames = {"vtaTop", "vtaCenter", "vtaBottom"};
const QStringList CellTypeNames = {
    "ctBitmap",     "ctIcon",          "ctNone",       "ctImageList",     "ctCheckBox",     "ctDataCheckBox",
    "ctRotated",    "ctDataImage",     "ctNode",       "ctRadio",         "ctEmpty",        "ctImages",
    "ctPicture",    "ctFilePicture",   "ctValue",      "ctProgress",      "ctComment",      "ctButton",
    "ctBitButton",  "ctVirtCheckBox",  "ctRowCheckBox", "ctProgressPie",  "ctSummary",      "ctRangeIndicator",
    "ctXPProgress", "ctInterface",     "ctScrollbar",  "ctRadioButton",   "ctBalloon",      "ctShape",
    "ctRating",     "ctTriStateCheckBox", "ctExpand"};
const QStringList CellVAlignNames = {"vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull"};
const QStringList CellHAlignNames = {"haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull"};
const QStringList CheckStateNames = {"cbUnchecked", "cbChecked", "cbGrayed"};

QString NameOf(const QStringList& Names, int Value) { return Value >= 0 && Value < Names.size() ? Names[Value] : QString(); }

int EnumValue(const TCellStreamReader& Reader, const TCellStreamValue& V, const QString& Name, const QStringList& Names) {
  const QString ident = ValueIdent(Reader, V, Name);
  for (int i = 0; i < Names.size(); ++i)
    if (Names[i].compare(ident, Qt::CaseInsensitive) == 0) return i;
  Reader.Fail(QStringLiteral("invalid property value of %1").arg(Name));
}

[[noreturn]] void NoProperty(const TCellStreamReader& Reader, const QString& Name) {
  Reader.Fail(QStringLiteral("property %1 does not exist").arg(Name));
}

int ToInt32(const TCellStreamReader& Reader, const TCellStreamValue& V, const QString& Name) {
  return int(ValueInt(Reader, V, Name));
}

// "Bitmap.Data" and a bitmap inside "Picture.Data": a 32-bit count, then the BMP file.
QByteArray BitmapData(const TBitmap& Bitmap) {
  QByteArray bmp;
  if (!Bitmap.SaveToBytes(bmp)) return {};
  QByteArray out;
  const uint32_t n = uint32_t(bmp.size());
  for (int i = 0; i < 4; ++i) out.append(char(uint8_t(n >> (8 * i))));
  return out + bmp;
}

void ReadBitmapData(const TCellStreamReader& Reader, const QByteArray& Data, TBitmap& Bitmap) {
  if (Data.size() < 4) Reader.Fail(QStringLiteral("the bitmap data is cut off"));
  const uint32_t n = uint32_t(uint8_t(Data[0])) | (uint32_t(uint8_t(Data[1])) << 8) |
                     (uint32_t(uint8_t(Data[2])) << 16) | (uint32_t(uint8_t(Data[3])) << 24);
  if (qint64(n) > Data.size() - 4) Reader.Fail(QStringLiteral("the bitmap data is cut off"));
  Bitmap.LoadFromBytes(Data.mid(4, qsizetype(n)));  // undecodable pixels leave the bitmap empty
}

// ---- the records

struct TGridPropIO {
  int ColCount = 0, RowCount = 0;
  QString ColWidths, RowHeights;
  bool FullGrid = false;
  int ID = 0;

  void Write(TCellStreamWriter& W) const {
    W.BeginRecord("TGridPropIO");
    W.Int("ColCount", ColCount);
    W.Int("RowCount", RowCount);
    W.Text("ColWidths", ColWidths);
    W.Text("RowHeights", RowHeights);
    W.Bool("FullGrid", FullGrid);
    W.Int("ID", ID);
    W.EndRecord();
  }
  void Read(TCellStreamReader& R) {
    *this = {};
    for (const auto& [name, v] : R.ReadRecord("TGridPropIO").Properties) {
      if (name == "ColCount") ColCount = ToInt32(R, v, name);
      else if (name == "RowCount") RowCount = ToInt32(R, v, name);
      else if (name == "ColWidths") ColWidths = ValueText(R, v, name);
      else if (name == "RowHeights") RowHeights = ValueText(R, v, name);
      else if (name == "FullGrid") FullGrid = ValueBool(R, v, name);
      else if (name == "ID") ID = ToInt32(R, v, name);
      else NoProperty(R, name);
    }
  }
};

struct TGridCellIO {
  int Col = 0, Row = 0;
  QString Cell;
  bool HasProp = false;

  void Write(TCellStreamWriter& W) const {
    W.BeginRecord("TGridCellIO");
    W.Int("Col", Col);  // the whole index: rows beyond 65,535 keep their place
    W.Int("Row", Row);
    W.Text("Cell", Cell);
    W.Bool("HasProp", HasProp);
    W.EndRecord();
  }
  void Read(TCellStreamReader& R) {
    *this = {};
    for (const auto& [name, v] : R.ReadRecord("TGridCellIO").Properties) {
      if (name == "Col") Col = ToInt32(R, v, name);
      else if (name == "Row") Row = ToInt32(R, v, name);
      else if (name == "Cell") Cell = ValueText(R, v, name);
      else if (name == "HasProp") HasProp = ValueBool(R, v, name);
      else NoProperty(R, name);
    }
  }
};

struct TGridCellPropIO {
  explicit TGridCellPropIO(TBaseGrid* Grid) : CellProperties(Grid, 0, 0) {}
  TCellProperties CellProperties;
  bool HasGraphic = false;

  void Write(TCellStreamWriter& W) const {
    const TCellProperties& p = CellProperties;
    const QString x = "CellProperties.";
    W.BeginRecord("TGridCellPropIO");
    W.Bool(x + "IsBaseCell", p.IsBaseCell);
    W.Int(x + "CellSpanX", p.CellSpanX);
    W.Int(x + "CellSpanY", p.CellSpanY);
    W.Ident(x + "Alignment", NameOf(AlignmentNames, p.Alignment()));
    W.Color(x + "BorderColor", p.BorderColor);
    W.Int(x + "BorderWidth", p.BorderWidth);
    W.Color(x + "BrushColor", p.BrushColor());
    W.Color(x + "BrushColorTo", p.BrushColorTo());
    W.Ident(x + "BrushStyle", NameOf(BrushStyleNames, p.BrushStyle));
    W.Int(x + "CellObject", int32_t(p.CellObject));
    W.Color(x + "FontColor", p.FontColor);
    W.Text(x + "FontName", p.FontName);
    W.Int(x + "FontSize", p.FontSize);
    QStringList styles;
    for (int i = 0; i < FontStyleNames.size(); ++i)
      if (p.FontStyle.Contains(TFontStyle(i))) styles << FontStyleNames[i];
    W.Set(x + "FontStyle", styles);
    W.Ident(x + "Editor", NameOf(EditorNames, p.Editor));
    W.Ident(x + "GradientDirection", NameOf(GradientNames, p.GradientDirection));
    W.Bool(x + "ReadOnly", p.ReadOnly);
    W.Ident(x + "VAlignment", NameOf(VAlignmentNames, p.VAlignment()));
    W.Bool(x + "WordWrap", p.WordWrap());
    W.Int(x + "NodeLevel", p.NodeLevel);
    if (p.Control && !p.Control->Name.isEmpty()) W.Ident(x + "Control", p.Control->Name);
    W.Bool("HasGraphic", HasGraphic);
    W.EndRecord();
  }
  // Over the values already in CellProperties: what the stream leaves out stays.
  void Read(TCellStreamReader& R) {
    HasGraphic = false;
    TCellProperties& p = CellProperties;
    for (const auto& [name, v] : R.ReadRecord("TGridCellPropIO").Properties) {
      if (name == "HasGraphic") {
        HasGraphic = ValueBool(R, v, name);
        continue;
      }
      if (!name.startsWith("CellProperties.")) NoProperty(R, name);
      const QString n = name.mid(15);
      if (n == "IsBaseCell") p.IsBaseCell = ValueBool(R, v, name);
      else if (n == "CellSpanX") p.CellSpanX = ToInt32(R, v, name);
      else if (n == "CellSpanY") p.CellSpanY = ToInt32(R, v, name);
      else if (n == "Alignment") p.SetAlignment(TAlignment(EnumValue(R, v, name, AlignmentNames)));
      else if (n == "BorderColor") p.BorderColor = ValueColor(R, v, name);
      else if (n == "BorderWidth") p.BorderWidth = ToInt32(R, v, name);
      else if (n == "BrushColor") p.SetBrushColor(ValueColor(R, v, name));
      else if (n == "BrushColorTo") p.SetBrushColorTo(ValueColor(R, v, name));
      else if (n == "BrushStyle") p.BrushStyle = TBrushStyle(EnumValue(R, v, name, BrushStyleNames));
      else if (n == "CellObject") p.CellObject = uintptr_t(uint32_t(ToInt32(R, v, name)));
      else if (n == "FontColor") p.FontColor = ValueColor(R, v, name);
      else if (n == "FontName") p.FontName = ValueText(R, v, name);
      else if (n == "FontSize") p.FontSize = ToInt32(R, v, name);
      else if (n == "FontStyle") {
        if (v.Type != svSet) R.Fail(QStringLiteral("invalid property value of %1").arg(name));
        TFontStyles styles;
        for (const QString& m : v.Names) {
          const int i = FontStyleNames.indexOf(m);
          if (i < 0) R.Fail(QStringLiteral("invalid property value of %1").arg(name));
          styles.Include(TFontStyle(i));
        }
        p.FontStyle = styles;
      } else if (n == "Editor") p.Editor = TEditorType(EnumValue(R, v, name, EditorNames));
      else if (n == "GradientDirection")
        p.GradientDirection = TCellGradientDirection(EnumValue(R, v, name, GradientNames));
      else if (n == "ReadOnly") p.ReadOnly = ValueBool(R, v, name);
      else if (n == "VAlignment") p.SetVAlignment(TVAlignment(EnumValue(R, v, name, VAlignmentNames)));
      else if (n == "WordWrap") p.SetWordWrap(ValueBool(R, v, name));
      else if (n == "NodeLevel") p.NodeLevel = ToInt32(R, v, name);
      else if (n == "Control") ValueIdent(R, v, name);  // a name only; controls are not looked up by name
      else NoProperty(R, name);
    }
  }
};

struct TGridGraphicIO {
  TCellGraphic CellGraphic;

  void Write(TCellStreamWriter& W) const {
    const TCellGraphic& g = CellGraphic;
    const QString x = "CellGraphic.";
    W.BeginRecord("TGridGraphicIO");
    W.Ident(x + "CellType", NameOf(CellTypeNames, g.CellType & 0x7F));
    W.Ident(x + "CellVAlign", NameOf(CellVAlignNames, g.CellVAlign));
    W.Ident(x + "CellHAlign", NameOf(CellHAlignNames, g.CellHAlign));
    W.Int(x + "CellIndex", g.CellIndex);
    W.Bool(x + "CellTransparent", g.CellTransparent);
    W.Bool(x + "CellCreated", g.CellCreated);
    W.Bool(x + "CellBoolean", g.CellBoolean);
    W.Ident(x + "CellCheckBoxState", NameOf(CheckStateNames, g.CellCheckBoxState));
    W.Int(x + "CellAngle", g.CellAngle);
    if (g.CellValue != 0) W.Extended(x + "CellValue", g.CellValue);
    W.Int(x + "CellErrFrom", g.CellErrFrom);
    W.Int(x + "CellErrLen", g.CellErrLen);
    W.Text(x + "CellText", g.CellText);
    W.EndRecord();
  }
  void Read(TCellStreamReader& R) {
    TCellGraphic& g = CellGraphic;
    g.CellType = ctNone;
    g.CellVAlign = vaTop;
    g.CellHAlign = haLeft;
    g.CellIndex = g.CellAngle = g.CellErrFrom = g.CellErrLen = 0;
    g.CellTransparent = g.CellCreated = g.CellBoolean = false;
    g.CellCheckBoxState = cbUnchecked;
    g.CellValue = 0;
    g.CellText.clear();
    for (const auto& [name, v] : R.ReadRecord("TGridGraphicIO").Properties) {
      if (!name.startsWith("CellGraphic.")) NoProperty(R, name);
      const QString n = name.mid(12);
      if (n == "CellType") g.CellType = TCellType(EnumValue(R, v, name, CellTypeNames));
      else if (n == "CellVAlign") g.CellVAlign = TCellVAlign(EnumValue(R, v, name, CellVAlignNames));
      else if (n == "CellHAlign") g.CellHAlign = TCellHAlign(EnumValue(R, v, name, CellHAlignNames));
      else if (n == "CellIndex") g.CellIndex = ToInt32(R, v, name);
      else if (n == "CellTransparent") g.CellTransparent = ValueBool(R, v, name);
      else if (n == "CellCreated") g.CellCreated = ValueBool(R, v, name);
      else if (n == "CellBoolean") g.CellBoolean = ValueBool(R, v, name);
      else if (n == "CellCheckBoxState")
        g.CellCheckBoxState = TCheckBoxState(EnumValue(R, v, name, CheckStateNames));
      else if (n == "CellAngle") g.CellAngle = ToInt32(R, v, name);
      else if (n == "CellValue") {
        if (v.Type == svExtended) g.CellValue = v.Float;
        else g.CellValue = double(ValueInt(R, v, name));
      } else if (n == "CellErrFrom") g.CellErrFrom = ToInt32(R, v, name);
      else if (n == "CellErrLen") g.CellErrLen = ToInt32(R, v, name);
      else if (n == "CellText") g.CellText = ValueText(R, v, name);
      else NoProperty(R, name);
    }
  }
};

// One record holding one named value, or nothing: the payload records.
const TCellStreamValue* SingleValue(TCellStreamReader& R, const QString& ClassName, const QString& Name,
                                    TCellStreamRecord& Record) {
  Record = R.ReadRecord(ClassName);
  const TCellStreamValue* found = nullptr;
  for (const auto& [name, v] : Record.Properties) {
    if (name != Name) NoProperty(R, name);
    found = &v;
  }
  return found;
}

struct TGridBMPIO {
  TBitmap Bitmap;
  void Write(TCellStreamWriter& W) const {
    W.BeginRecord("TGridBMPIO");
    if (!Bitmap.Empty()) W.Binary("Bitmap.Data", BitmapData(Bitmap));
    W.EndRecord();
  }
  void Read(TCellStreamReader& R) {
    Bitmap.Assign(TBitmap());
    TCellStreamRecord rec;
    if (const TCellStreamValue* v = SingleValue(R, "TGridBMPIO", "Bitmap.Data", rec)) {
      if (v->Type != svBinary) R.Fail("invalid property value of Bitmap.Data");
      ReadBitmapData(R, v->Bytes, Bitmap);
    }
  }
};

struct TGridIconIO {
  TIcon Icon;
  void Write(TCellStreamWriter& W) const {
    W.BeginRecord("TGridIconIO");
    QByteArray data;
    if (!Icon.Empty() && Icon.SaveToBytes(data)) W.Binary("Icon.Data", data);
    W.EndRecord();
  }
  void Read(TCellStreamReader& R) {
    Icon = TIcon();
    TCellStreamRecord rec;
    if (const TCellStreamValue* v = SingleValue(R, "TGridIconIO", "Icon.Data", rec)) {
      if (v->Type != svBinary) R.Fail("invalid property value of Icon.Data");
      Icon.LoadFromBytes(v->Bytes);
    }
  }
};

QString GraphicClassName(const TGraphic* G) {
  if (dynamic_cast<const TBitmap*>(G)) return "TBitmap";
  if (dynamic_cast<const TIcon*>(G)) return "TIcon";
  if (dynamic_cast<const TJPEGImage*>(G)) return "TJPEGImage";
  if (dynamic_cast<const TGIFImage*>(G)) return "TGIFImage";
  if (dynamic_cast<const TPngImage*>(G)) return "TPngImage";
  return {};
}

std::unique_ptr<TGraphic> GraphicOfClass(const QString& Name) {
  if (Name == "TBitmap") return std::make_unique<TBitmap>();
  if (Name == "TIcon") return std::make_unique<TIcon>();
  if (Name == "TJPEGImage") return std::make_unique<TJPEGImage>();
  if (Name == "TGIFImage") return std::make_unique<TGIFImage>();
  if (Name == "TPngImage") return std::make_unique<TPngImage>();
  return nullptr;
}

struct TGridPicIO {
  TPicture Picture;
  void Write(TCellStreamWriter& W) const {
    W.BeginRecord("TGridPicIO");
    const TGraphic* g = Picture.Graphic();
    const QString cls = GraphicClassName(g);
    if (g && !g->Empty() && !cls.isEmpty()) {
      QByteArray data;
      if (auto* bmp = dynamic_cast<const TBitmap*>(g)) data = BitmapData(*bmp);
      else g->SaveToBytes(data);
      const QByteArray name = cls.toUtf8();
      W.Binary("Picture.Data", char(name.size()) + name + data);
    }
    W.EndRecord();
  }
  void Read(TCellStreamReader& R) {
    Picture = TPicture();
    TCellStreamRecord rec;
    const TCellStreamValue* v = SingleValue(R, "TGridPicIO", "Picture.Data", rec);
    if (!v) return;
    if (v->Type != svBinary) R.Fail("invalid property value of Picture.Data");
    const QByteArray& d = v->Bytes;
    if (d.isEmpty() || uint8_t(d[0]) > d.size() - 1) R.Fail("the picture data is cut off");
    const int n = uint8_t(d[0]);
    std::unique_ptr<TGraphic> g = GraphicOfClass(QString::fromUtf8(d.mid(1, n)));
    if (!g) return;  // no such graphic class: the picture stays empty
    const QByteArray data = d.mid(1 + n);
    if (auto* bmp = dynamic_cast<TBitmap*>(g.get())) ReadBitmapData(R, data, *bmp);
    else if (!g->LoadFromBytes(data)) return;
    if (!g->Empty()) Picture.Assign(*g);
  }
};

struct TGridFilePicIO {
  TFilePicture Picture;
  void Write(TCellStreamWriter& W) const {
    W.BeginRecord("TGridFilePicIO");
    W.Text("Picture.Filename", Picture.Filename());
    W.EndRecord();
  }
  void Read(TCellStreamReader& R) {
    Picture = TFilePicture();
    TCellStreamRecord rec;
    if (const TCellStreamValue* v = SingleValue(R, "TGridFilePicIO", "Picture.Filename", rec))
      Picture.SetFilename(ValueText(R, *v, "Picture.Filename"));
  }
};

struct TGridSLIO {
  QStringList Strings;
  void Write(TCellStreamWriter& W) const {
    W.BeginRecord("TGridSLIO");
    if (!Strings.isEmpty()) W.List("Strings.Strings", Strings);
    W.EndRecord();
  }
  void Read(TCellStreamReader& R) {
    Strings.clear();
    TCellStreamRecord rec;
    if (const TCellStreamValue* v = SingleValue(R, "TGridSLIO", "Strings.Strings", rec)) {
      if (v->Type != svList) R.Fail("invalid property value of Strings.Strings");
      Strings = v->Names;
    }
  }
};

enum class TPayload { None, Bitmap, Icon, Strings, Images, Picture, FilePicture };

TPayload PayloadOf(TCellType Type) {
  switch (Type & 0x7F) {
    case ctBitmap:
    case ctBitButton: return TPayload::Bitmap;
    case ctIcon: return TPayload::Icon;
    case ctRadio: return TPayload::Strings;
    case ctImages: return TPayload::Images;
    case ctPicture: return TPayload::Picture;
    case ctFilePicture: return TPayload::FilePicture;
    default: return TPayload::None;
  }
}

struct TCellStreamRecords {
  explicit TCellStreamRecords(TBaseGrid* Grid) : Prop(Grid) {}
  TGridPropIO Grid;
  TGridCellIO Cell;
  TGridCellPropIO Prop;
  TGridGraphicIO Graphic;
  TGridBMPIO BMP;
  TGridIconIO Icon;
  TGridPicIO Pic;
  TGridFilePicIO FilePic;
  TGridSLIO SL;
};

QString JoinSizes(const std::vector<int>& Sizes) {
  QStringList parts;
  for (int s : Sizes) parts << QString::number(s);
  return parts.join(',');
}

std::vector<int> SplitSizes(const QString& Text) {
  std::vector<int> sizes;
  if (Text.isEmpty()) return sizes;
  for (const QString& part : Text.split(',')) {
    bool ok = false;
    const int v = part.toInt(&ok);
    if (!ok) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(part));
    sizes.push_back(v);
  }
  return sizes;
}

int Percent(double Part, double Whole) { return int(std::lround(Part / std::max(1.0, Whole) * 100.0)); }

}  // namespace

void TPlexStringGrid::SaveRectToBinStream(const TRect& Rect, QIODevice& Stream) {
  TCellStreamRecords io(this);
  TCellStreamWriter w;
  io.Grid.RowCount = Rect.Bottom - Rect.Top + 1;
  io.Grid.ColCount = Rect.Right - Rect.Left + 1;
  io.Grid.FullGrid = SaveFixedCells
                         ? io.Grid.RowCount == RowCount() && io.Grid.ColCount == ColCount()
                         : io.Grid.RowCount == RowCount() - FixedRows() && io.Grid.ColCount == ColCount() - FixedCols();
  io.Grid.ID = FID;
  std::vector<int> widths, heights;
  for (int c = Rect.Left; c <= Rect.Right; ++c) widths.push_back(c >= 0 && c < ColCount() ? ColWidths(c) : DefaultColWidth());
  for (int r = Rect.Top; r <= Rect.Bottom; ++r) heights.push_back(r >= 0 && r < RowCount() ? RowHeights(r) : DefaultRowHeight());
  io.Grid.ColWidths = JoinSizes(widths);
  io.Grid.RowHeights = JoinSizes(heights);
  io.Grid.Write(w);

  ExportNotification(esExportStart, Rect.Top);
  int lastProgress = -1;
  for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
    ExportNotification(esExportNextRow, r);
    for (int c = Rect.Left; c <= Rect.Right; ++c) {
      const bool inside = c >= 0 && c < AllColCount() && r >= 0 && r < RowCount();
      io.Cell.Col = c;
      io.Cell.Row = r;
      io.Cell.Cell = inside ? GetCellEx(c, r) : QString();
      io.Cell.HasProp = inside && HasCellProperties(c, r);
      io.Cell.Write(w);
      if (!io.Cell.HasProp) continue;

      io.Prop.CellProperties.Assign(*GetCellProperties(c, r));
      const TCellType type = GetCellType(c, r);
      TCellGraphic* graphic = GetCellGraphic(c, r);
      if (type == ctEmpty || !graphic)
        io.Prop.HasGraphic = false;
      else if (PayloadOf(type) != TPayload::None)
        io.Prop.HasGraphic = graphic->CellCreated;  // a borrowed bitmap, list or picture is not carried
      else
        io.Prop.HasGraphic = true;
      io.Prop.Write(w);
      if (!io.Prop.HasGraphic) continue;

      io.Graphic.CellGraphic.Assign(*graphic);
      io.Graphic.Write(w);
      switch (PayloadOf(graphic->CellType)) {
        case TPayload::Bitmap:
          if (graphic->Bitmap())
            io.BMP.Bitmap.Assign(*graphic->Bitmap());
          else
            io.BMP.Bitmap.Assign(TBitmap());
          io.BMP.Write(w);
          break;
        case TPayload::Icon:
          io.Icon.Icon = graphic->Icon() ? *graphic->Icon() : TIcon();
          io.Icon.Write(w);
          break;
        case TPayload::Strings:
          io.SL.Strings.clear();
          if (TStringList* list = graphic->Strings())
            for (int i = 0; i < list->Count(); ++i) io.SL.Strings << list->Strings(i);
          io.SL.Write(w);
          break;
        case TPayload::Images:
          io.SL.Strings.clear();
          if (TIntList* list = graphic->Images(); list && list->Count() > 0) io.SL.Strings = list->StrValue().split(',');
          io.SL.Write(w);
          break;
        case TPayload::Picture:
          io.Pic.Picture = graphic->Picture() ? *graphic->Picture() : TPicture();
          io.Pic.Write(w);
          break;
        case TPayload::FilePicture:
          io.FilePic.Picture = TFilePicture();
          if (graphic->FilePicture()) io.FilePic.Picture.Assign(*graphic->FilePicture());
          io.FilePic.Write(w);
          break;
        case TPayload::None: break;
      }
    }
    if (OnFileProgress) {
      const int progress = Percent(r, Rect.Bottom - Rect.Top);
      if (progress != lastProgress) {
        lastProgress = progress;
        OnFileProgress(this, progress);
      }
    }
  }
  ExportNotification(esExportDone, -1);
  if (Stream.write(w.Data()) != w.Data().size()) throw EFilerError(QStringLiteral("Stream write error"));
}

void TPlexStringGrid::SaveToBinStream(QIODevice& Stream) {
  SaveRectToBinStream(TRect(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()), Stream);
}

void TPlexStringGrid::SaveToBinFile(const QString& FileName) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  SaveToBinStream(buffer);
  if (!WriteFileAtomic(FileName, buffer.data()))
    throw EFilerError(QStringLiteral("Cannot create file \"%1\"").arg(FileName));
}

void TPlexStringGrid::LoadFromBinFile(const QString& FileName) {
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly))
    throw EFilerError(QStringLiteral("Cannot open file \"%1\"").arg(FileName));
  QBuffer buffer;
  buffer.setData(file.readAll());
  buffer.open(QIODevice::ReadOnly);
  LoadFromBinStream(buffer);
}

void TPlexStringGrid::LoadFromBinStream(QIODevice& Stream) {
  LoadAtPointFromBinStream(TPoint(0, 0), Stream);
  int nodes = 0;
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (GetCellType(0, r) == ctNode) ++nodes;
  FNodeCount = nodes;
  if (nodes > 0) RepaintCol(0);
}

void TPlexStringGrid::LoadAtPointFromBinStream(const TPoint& Point, QIODevice& Stream) {
  const qint64 start = Stream.pos();
  const QByteArray data = Stream.readAll();
  TCellStreamReader reader(data);
  TCellStreamRecords io(this);
  // The stream is left after what was read, also when reading stops at an error.
  struct Restore {
    QIODevice& Stream;
    qint64 Start;
    const TCellStreamReader& Reader;
    ~Restore() { Stream.seek(Start + Reader.Position()); }
  } restore{Stream, start, reader};

  io.Grid.Read(reader);
  int originCol = 0, originRow = 0;
  if (io.Grid.FullGrid) {
    // Every cell has its record of at least 18 bytes: a grid record asking for
    // more cells than the stream can hold is no reason to size the grid.
    const qint64 remaining = reader.Size() - reader.Position();
    if (io.Grid.ColCount < 0 || io.Grid.RowCount < 0 || qint64(io.Grid.ColCount) * io.Grid.RowCount > remaining / 18)
      reader.Fail(QStringLiteral("the grid record claims more cells than the stream holds"));
    const std::vector<int> widths = SplitSizes(io.Grid.ColWidths);
    const std::vector<int> heights = SplitSizes(io.Grid.RowHeights);
    // A stream saved without its fixed cells still names the grid places of
    // its cells: the grid takes room for them in front of the saved counts.
    int firstCol = 0, firstRow = 0;
    if (reader.Position() < reader.Size() - 1) {
      TCellStreamReader peek(data, reader.Position());
      TGridCellIO first;
      first.Read(peek);
      firstCol = std::max(0, first.Col);
      firstRow = std::max(0, first.Row);
    }
    Clear();
    SetRowCount(firstRow + io.Grid.RowCount);
    SetColCount(firstCol + io.Grid.ColCount);
    for (size_t i = 0; i < widths.size() && firstCol + int(i) < ColCount(); ++i) SetColWidths(firstCol + int(i), widths[i]);
    for (size_t i = 0; i < heights.size() && firstRow + int(i) < RowCount(); ++i)
      SetRowHeights(firstRow + int(i), heights[i]);
  }

  bool first = true;
  int lastTargetRow = -1, lastProgress = -1;
  while (reader.Position() < reader.Size() - 1) {
    io.Cell.Read(reader);
    if (first && !io.Grid.FullGrid) {
      originCol = io.Cell.Col;
      originRow = io.Cell.Row;
    }
    first = false;
    const int col = io.Cell.Col + Point.X - originCol;
    const int row = io.Cell.Row + Point.Y - originRow;
    const bool inside = col >= 0 && col < AllColCount() && row >= 0 && row < RowCount();
    if (inside) SetCellEx(col, row, io.Cell.Cell);
    if (row != lastTargetRow) {
      lastTargetRow = row;
      const int progress = Percent(row, RowCount());
      if (OnFileProgress && progress != lastProgress) {
        lastProgress = progress;
        OnFileProgress(this, progress);
      }
    }
    if (!io.Cell.HasProp) continue;

    if (inside) io.Prop.CellProperties.Assign(*GetCellProperties(col, row));
    io.Prop.Read(reader);
    if (inside) {
      io.Prop.CellProperties.OwnerCol = col;
      io.Prop.CellProperties.OwnerRow = row;
      GetCellProperties(col, row)->Assign(io.Prop.CellProperties);
    }
    if (!io.Prop.HasGraphic) continue;

    io.Graphic.Read(reader);
    const TPayload payload = PayloadOf(io.Graphic.CellGraphic.CellType);
    switch (payload) {
      case TPayload::Bitmap: io.BMP.Read(reader); break;
      case TPayload::Icon: io.Icon.Read(reader); break;
      case TPayload::Strings:
      case TPayload::Images: io.SL.Read(reader); break;
      case TPayload::Picture: io.Pic.Read(reader); break;
      case TPayload::FilePicture: io.FilePic.Read(reader); break;
      case TPayload::None: break;
    }
    if (!inside) continue;
    TCellGraphic* g = CreateCellGraphic(col, row);
    if (!g) continue;
    g->Assign(io.Graphic.CellGraphic);
    // The object given below is the graphic's own, whatever the stream said.
    switch (payload) {
      case TPayload::Bitmap: {
        auto* bmp = new TBitmap();
        bmp->Assign(io.BMP.Bitmap);
        g->CellBitmap = bmp;
        g->CellCreated = true;
        break;
      }
      case TPayload::Icon:
        g->CellIcon = new TIcon(io.Icon.Icon);
        g->CellCreated = true;
        break;
      case TPayload::Strings: {
        auto* list = new TStringList();
        for (const QString& s : io.SL.Strings) list->Add(s);
        g->CellBitmap = list;
        g->CellCreated = true;
        break;
      }
      case TPayload::Images: {
        auto* list = new TIntList(col, row);
        g->CellBitmap = list;
        g->CellCreated = true;
        list->SetStrValue(io.SL.Strings.join(','));
        break;
      }
      case TPayload::Picture:
        g->CellBitmap = new TPicture(io.Pic.Picture);
        g->CellCreated = true;
        break;
      case TPayload::FilePicture: {
        auto* pic = new TFilePicture();
        pic->Assign(io.FilePic.Picture);
        g->CellBitmap = pic;
        g->CellCreated = true;
        break;
      }
      case TPayload::None: break;
    }
    RepaintCell(RealToDisplayCol(col), row);
  }
}
