// A cell's content: the displayed text with its number format, alignment,
// word wrap and clipping, mini-HTML and rich text, links, error marks, the
// selection rectangle, the sort glyph's place; and the size a text needs.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/BackGround.h"
#include "grid/core/ControlLook.h"
#include "grid/core/PlexStringGridPaintCell.h"
#include "grid/editing/RichEditRenderer.h"
#include "grid/features/Filter.h"
#include "grid/features/FilterDropDown.h"
#include "grid/features/HTMLSettings.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/CellDrawing.h"
#include "grid/foundation/NumberDateRoutines.h"
#include "grid/foundation/PsgHTMLE.h"
#include "grid/foundation/SortIndexList.h"
#include "grid/foundation/TextRoutines.h"
#include "platform/GdiDraw.h"
#include "platform/Resources.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr unsigned HAlignFlags[] = {0, DT_RIGHT, DT_CENTER};    // taLeftJustify, taRightJustify, taCenter
constexpr unsigned VAlignFlags[] = {0, DT_VCENTER, DT_BOTTOM};  // vtaTop, vtaCenter, vtaBottom
constexpr int FilterGlyphSize = 16;
constexpr int ScrollBarRoom = 17;
constexpr int RotatedMargin = 12;

bool IsNumericKind(int Kind) { return Kind == ntkInteger || Kind == ntkFloat || Kind == ntkScientific; }

// Keeps font, pen, brush and clip of the content step to itself.
class TContentStateGuard {
public:
  explicit TContentStateGuard(TCanvas& C) : FCanvas(C) { C.Save(); }
  ~TContentStateGuard() { FCanvas.Restore(); }
  TContentStateGuard(const TContentStateGuard&) = delete;
  TContentStateGuard& operator=(const TContentStateGuard&) = delete;

private:
  TCanvas& FCanvas;
};
}  // namespace

IRichTextRenderer& TPlexStringGrid::RichTextRenderer() {
  if (!FRichTextRenderer) FRichTextRenderer = std::make_unique<TRichEditRenderer>(this);
  return *FRichTextRenderer;
}

void TPlexStringGrid::SetRichTextRenderer(std::unique_ptr<IRichTextRenderer> Value) {
  FRichTextRenderer = std::move(Value);
  Invalidate();
}

QString TPlexStringGrid::GetFormattedCell(int ACol, int ARow) {
  const QString text = GetCellEx(ACol, ARow);
  if (!OnGetFloatFormat || !IsNumericKind(NumericTextKind(text))) return text;
  bool isFloat = true;
  QString format = FloatFormat;
  OnGetFloatFormat(this, ACol, ARow, isFloat, format);
  if (!isFloat || format.isEmpty()) return text;
  try {
    // "d" asks for the integer value; a text that has none keeps its own form.
    if (format.contains('d')) return Format(format, {Ints(ACol, ARow)});
    return Format(format, {Floats(ACol, ARow)});
  } catch (const Exception&) {
    return text;
  }
}

void TPlexStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA) {
  HA = DefaultAlignment;
  VA = VAlignment();
  const QString raw = GetCellEx(ACol, ARow);
  const bool formula = raw.startsWith('=') || (raw.startsWith(WideTextPrefix) && raw.size() > 3 && raw[3] == '=');
  if (AutoNumAlign) {
    const QString text = formula ? GetCalculatedCell(ACol, ARow) : raw;
    if (IsNumericKind(NumericTextKind(text.trimmed()))) HA = taRightJustify;
  }
  if (const TCellProperties* props = PropsOf(ACol, ARow); props && !raw.startsWith('=')) HA = props->Alignment();
  DoGetAlignment(ACol, ARow, HA, VA);
}

TCellGraphicLayout TPlexStringGrid::GetCellGraphicLayout(int ACol, int ARow) {
  TCellGraphicLayout L;
  L.Graphic = GetCellGraphic(ACol, ARow);
  if (!L.Graphic) return L;
  const TCellGraphic& g = *L.Graphic;
  L.HAlign = g.CellHAlign;
  L.VAlign = g.CellVAlign;
  const int check = FControlLook->CheckSize();
  auto size = [&L](int W, int H, bool Text) {
    L.Width = W;
    L.Height = H;
    L.TextBeside = Text;
  };
  switch (g.CellType) {
    case ctBitmap:
    case ctIcon:
    case ctImageList:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
    case ctInterface: {
      const TPoint s = CalcCellGraphicSize(ACol, ARow);
      size(s.X, s.Y, true);
      break;
    }
    case ctDataImage: {
      const TPoint s = CalcCellGraphicSize(ACol, ARow);
      size(s.X, s.Y, false);
      break;
    }
    case ctCheckBox:
    case ctTriStateCheckBox: size(check, check, true); break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox: size(check, check, false); break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress: size(0, 0, false); break;
    case ctButton:
    case ctBitButton: size(g.CellIndex & 0xFFFF, (g.CellIndex >> 16) & 0xFFFF, true); break;
    case ctProgressPie: size(20, 20, true); break;
    case ctRadioButton: size(FControlLook->RadioSize() + 4, FControlLook->RadioSize() + 4, true); break;
    case ctShape: {
      const int side = RowHeights(std::clamp(ARow, 0, std::max(0, RowCount() - 1))) - 2 * XYOffset.Y;
      size(side, side, true);
      break;
    }
    case ctRating: size(g.CellAngle * 18, 16, false); break;
    default: break;
  }
  return L;
}

bool TPlexStringGrid::IsSortHeader(int ACol, int ARow) {
  const TSortSettings& s = *FSortSettings;
  if (!s.Show() || ARow != s.Row() || RowCount() <= FixedRows() + 1 || FixedRows() <= 0) return false;
  if (ACol < FixedCols() && !s.FixedCols) return false;
  const int rcol = RealColIndex(ACol);
  if (rcol == s.Column) return true;
  const int index = FSortIndexes->FindIndex(rcol);
  return index == 0 || (index > 0 && s.IndexShow);
}

void TPlexStringGrid::PlaceSortGlyph(TCanvas& C, TPaintCellState& P, int X, const TRect& R) {
  int y = R.Top + 8;
  if (P.VA == vtaCenter) y = (R.Top + R.Bottom) / 2;
  if (P.VA == vtaBottom) y = R.Bottom - 8;
  DrawSortIndicator(C, P.ACol, y, X);
}

void TPlexStringGrid::DrawCellContent(TCanvas& C, TPaintCellState& P) {
  TContentStateGuard guard(C);
  const bool fixed = IsFixed(P.ACol, P.ARow) || P.ACol < FixedCols() || P.ARow < FixedRows();
  // 1. selection colours
  P.LinkColor = URLColor();
  const bool rowShownSelected = RowSelect(FlagRow(P.ARow)) && Options().Contains(goRowSelect) &&
                                P.ACol >= FixedCols() && P.ACol < ColCount() - FFixedRightCols;
  if ((P.State.Contains(gdSelected) || rowShownSelected) && !fixed) {
    if (ShowSelection()) {
      if (SelectionColor() != clNone) C.Brush().Color = SelectionColor();
      if (SelectionTextColor() != clNone && Enabled()) C.Font().SetColor(SelectionTextColor());
      if (SelectionTextColor() != clNone) P.LinkColor = SelectionTextColor();
    } else if (!Focused() || HasCheckBox(P.RCol, P.ARow)) {
      C.Brush().Color = P.PlainBrush;
      C.Font().SetColor(P.PlainFont);
    }
  }
  // 2. the text shown
  QString text = GetFormattedCell(P.RCol, P.ARow);
  int kind = CellTextKind(text, EnableHTML);
  if (kind == ctkFormula) {
    text = GetCalculatedCell(P.RCol, P.ARow);
    kind = CellTextKind(text, EnableHTML);
  }
  if (kind == ctkWide) {
    text = DecodeWideText(text);
    kind = ctkPlain;
  }
  int markStart = 0, markLength = 0;
  GetMarker(P.RCol, P.ARow, markStart, markLength);
  bool password = false;
  DoIsPasswordCell(P.RCol, P.ARow, password);
  if (password) FillTextChars(text, PasswordChar);
  // 3
  TRect r = P.R;
  if (fixed) {
    r.Left += GridLineWidth();
    r.Top += GridLineWidth();
  }
  if (P.ScrollOffset > 0) {
    C.IntersectClipRect(r);
    r.Top -= P.ScrollOffset;
  }
  // 4. the filter glyph; the program's own glyph when none is set
  if (P.FilterGlyph) {
    TBitmap& glyph = FFilter->HasFilter(P.RCol) ? FFilterDropDown->GlyphActive() : FFilterDropDown->Glyph();
    const TRect at(r.Right - FilterGlyphSize, r.Top, r.Right, r.Top + FilterGlyphSize);
    try {
      if (glyph.Empty())
        DrawResourceBitmap(C, FixedColor(), at, "PSGFILT");
      else
        C.DrawTransparent(at.Left, at.Top, glyph, glyph.KeyColor());
    } catch (const Exception&) {
    }
  }
  // 5. cells that a disjunct selection leaves unselected take their plain colours
  const bool disjRow = FMouseActions->DisjunctRowSelect(), disjCol = FMouseActions->DisjunctColSelect();
  if (!fixed && !FMouseDown && ((disjRow && !RowSelect(FlagRow(P.ARow))) || (disjCol && !ColSelect(P.RCol)))) {
    P.LinkColor = URLColor();
    C.Brush().Color = Color();
    C.Font().SetColor(Font().Color());
    DoGetCellColor(P.RCol, P.ARow, P.State, C.Brush(), C.Font());
  }
  // 6. the background gradient of the cells that take it
  TBackGround& bg = *FBackGround;
  const bool bgCells = bg.Cells() == bcAll || (bg.Cells() == bcFixed) == P.State.Contains(gdFixed);
  if (bgCells && !bg.Bitmap().Empty() && Colors(P.RCol, P.ARow) == clNone &&
      !(ShowSelection() && P.State.Contains(gdSelected))) {
    const TRect at(r.Left - GridLineWidth() + 1, r.Top - GridLineWidth() + 1, r.Right, r.Bottom);
    if (bg.Display() == bdTile)
      PaintCellTiles(C, P.ACol, P.ARow, at);
    else
      PaintCellBitmap(C, at);
  }
  if (bgCells && bg.IsGradient()) {
    const TCellType type = GetCellType(P.RCol, P.ARow);
    const bool takes = Colors(P.RCol, P.ARow) == clNone || type == ctCheckBox || type == ctDataCheckBox ||
                       type == ctRadio || type == ctButton || type == ctRadioButton;
    const bool shownSelected = ((P.State.Contains(gdSelected) && !P.State.Contains(gdFocused)) ||
                                (P.State.Contains(gdFocused) && Options().Contains(goDrawFocusSelected))) &&
                               ShowSelection();
    if (takes && !shownSelected)
      PaintCellGradient(C, TRect(r.Left - 1, r.Top - GridLineWidth(), r.Right, r.Bottom + GridLineWidth() - 1));
  }
  // 7
  if (SelectionRectangle() && !fixed) DrawSelectionRectangle(C, P);
  // 8
  if (P.Layout.TextBeside) {
    r.Left += XYOffset.X;
    r.Top += XYOffset.Y;
    if (!XYOffsetTopLeftOnly) r.Right -= XYOffset.X;
    const TCellGraphicLayout& L = P.Layout;
    if (L.HAlign == haBeforeText) r.Left += L.Width;
    if (L.HAlign == haAfterText) r.Right -= L.Width;
    if (L.VAlign == vaAboveText) r.Top += L.Height;
    if (L.VAlign == vaUnderText) r.Bottom -= L.Height;
    if (L.HAlign == haLeft || (L.HAlign == haBeforeText && P.HA == taLeftJustify)) P.SortGlyphShift = L.Width;
    if (P.RCol == 0 && HasNodes() && GetCellType(0, P.ARow) != ctNode) r.Left += GetNodeIndent(P.ARow);
    if (kind == ctkHtml) {
      DrawCellHtmlText(C, P, text, r);
    } else if (kind == ctkRichText) {
      C.Pen().Color = C.Brush().Color;
      const bool selectedNoFocus = P.State.Contains(gdSelected) && !P.State.Contains(gdFocused);
      if (!(selectedNoFocus && SelectionColor() == clNone)) C.FillRect(r);
      C.Brush().Style = bsClear;
      DrawRichCell(P.RCol, P.ARow, r, C);
      C.Brush().Style = bsSolid;
      C.Font().SetColor(clBlack);
    } else {
      if (markLength > 0 && P.Layout.Graphic && P.Layout.Graphic->CellType != ctEmpty &&
          P.Layout.Graphic->CellType != ctValue)
        markLength = 0;
      const TRect before = r;
      DrawCellPlainText(C, P, text, r);
      if (markLength > 0) DrawErrorUnderline(this, C, text, before, 0, markStart, markLength);
    }
  }
}

void TPlexStringGrid::DrawCellPlainText(TCanvas& C, TPaintCellState& P, QString Text, TRect R) {
  const bool sortHeader = IsSortHeader(P.ACol, P.ARow);
  if (sortHeader && P.HA == taCenter) R.Left += 10;
  const TFontStyles style = C.Font().Style();
  if (URLShow() && IsUrlText(Text)) {
    if (!URLFull()) StripUrlPrefix(Text);
    TFontStyles underlined = style;
    underlined.Include(fsUnderline);
    C.Font().SetStyle(underlined);
    C.Font().SetColor(P.LinkColor);
  }
  unsigned flags = DT_EDITCONTROL;
  if (CountLines(Text, Multilinecells) <= 1 && !P.WW) {
    QString first;
    CutFirstLine(Text, false, first);
    Text = first;
    flags = DT_SINGLELINE | (EnhTextSize ? DT_END_ELLIPSIS : 0u);
  }
  if (P.WW && !Multilinecells && EnhTextSize) flags |= DT_END_ELLIPSIS;
  FVAlignFlag = VAlignFlags[P.VA];
  flags |= DT_EXPANDTABS | DT_NOPREFIX | HAlignFlags[P.HA] | FVAlignFlag;
  flags |= (P.WW || Multilinecells) ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
  flags = BiDiTextFlags(flags, BiDiMode());
  C.SetBkMode(TRANSPARENT);
  if (P.FilterGlyph) R.Right -= FilterGlyphSize;
  if (P.Layout.Graphic || sortHeader) {
    TRect m = R;
    DrawText(C, Text, m, flags | DT_CALCRECT);
    P.TextWidth = m.Width() + 2;
  }
  TRect drawn = R;
  DrawText(C, Text, drawn, flags);
  C.Font().SetStyle(style);
  if (!sortHeader) return;
  const int q = std::max(0, std::min(R.Width() - 16, P.TextWidth));
  int x = R.Left + 8;
  if (P.HA == taLeftJustify) x = R.Left + q + P.SortGlyphShift + 10;
  if (P.HA == taRightJustify) x = R.Right - q - 10;
  PlaceSortGlyph(C, P, x, R);
}

void TPlexStringGrid::DrawCellHtmlText(TCanvas& C, TPaintCellState& P, const QString& Text, TRect R) {
  const bool sortHeader = IsSortHeader(P.ACol, P.ARow);
  if (P.FilterGlyph) R.Right -= 18;
  if (sortHeader) R.Right -= 10;
  R.Left -= 1;
  THtmlDrawParams params;
  params.AnchorColor = P.LinkColor;
  params.UnderlineOnHover = URLUnderlineOnHover;
  params.WindowHandle = this;
  params.BiDiMode = BiDiMode();
  params.Selected = P.State.Contains(gdSelected);
  params.HoverAnchor = -1;
  params.WordWrap = P.WW;
  THtmlDrawResults results;
  DrawHtmlText(C, Text, R, params, results);
  P.TextWidth = results.ContentWidth + 2;
  if (sortHeader) PlaceSortGlyph(C, P, R.Right + 2, R);
}

void TPlexStringGrid::DrawSelectionRectangle(TCanvas& C, TPaintCellState& P) {
  const TGridRect sel = Selection();
  if (P.ACol < sel.Left || P.ACol > sel.Right || P.ARow < sel.Top || P.ARow > sel.Bottom) return;
  const TRect& r = P.R;
  const int lw = GridLineWidth();
  C.Pen().Color = SelectionRectangleColor;
  C.Pen().Width = 2;
  auto line = [&C](int x0, int y0, int x1, int y1) {
    C.MoveTo(x0, y0);
    C.LineTo(x1, y1);
  };
  const int right = P.ACol == sel.Right ? r.Right - 1 : r.Right;
  if (P.ACol == sel.Left) line(r.Left - lw + 1, r.Bottom, r.Left - lw + 1, r.Top - lw);
  if (P.ACol == sel.Right) line(r.Right - 1, r.Top - lw, r.Right - 1, r.Bottom);
  if (P.ARow == sel.Top) line(r.Left - lw, r.Top - lw + 1, right, r.Top - lw + 1);
  if (P.ARow == sel.Bottom) line(r.Left - lw, r.Bottom, right, r.Bottom);
  if (SelectionResizer() && P.ACol == sel.Right && P.ARow == sel.Bottom) {
    const TRect cell = CellRect(P.ACol, P.ARow);
    FillRectColor(C, TRect(r.Right - 4, r.Bottom - 4, cell.Right, cell.Bottom), SelectionRectangleColor);
  }
  C.Pen().Width = 1;
}

void TPlexStringGrid::DrawRichCell(int ACol, int ARow, const TRect& ARect, TCanvas& ACanvas) {
  if (IsDesigning()) return;
  const TGridRect sel = Selection();
  const int dcol = RealToDisplayCol(ACol);
  const bool focusedCurrent = dcol == Col() && ARow == Row() && !Options().Contains(goDrawFocusSelected);
  bool selected = dcol >= sel.Left && dcol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom && !focusedCurrent &&
                  !FMouseActions->DisjunctRowSelect();
  if (FMouseActions->DisjunctRowSelect() && RowSelect(FlagRow(ARow))) selected = true;
  if (FMouseActions->DisjunctColSelect() && ColSelect(ACol)) selected = true;
  TRect r = ARect;
  InflateRect(r, -XYOffset.X, -XYOffset.Y);
  RichTextRenderer().Draw(ACanvas, GetCellEx(ACol, ARow), r, selected && !SelectionRTFKeep, SelectionTextColor());
}

TSize TPlexStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB) {
  TCanvas& C = Canvas();
  TContentStateGuard guard(C);
  const int dcol = RealToDisplayCol(ACol);
  // The cell being typed in measures what is typed: it grows while the user types.
  const TInplaceEdit* editor = InplaceEditor();
  const bool typing = EditorMode() && editor && editor->Visible() && Col() == dcol && Row() == ARow;
  QString text = typing ? editor->Text() : GetFormattedCell(ACol, ARow);
  int kind = CellTextKind(text, EnableHTML);
  TGridDrawState state;
  GetFontProperties(dcol, ACol, ARow, state, C.Font(), C.Brush(), false);
  const bool fixed = IsFixed(dcol, ARow) || dcol < FixedCols() || ARow < FixedRows();
  if (fixed && ActiveCellShow() && FActiveCellFont->Style().Contains(fsBold)) {
    TFontStyles bold = C.Font().Style();
    bold.Include(fsBold);
    C.Font().SetStyle(bold);
  }
  C.Font().SetSize(C.Font().Size() + ZoomFactor);
  if (kind == ctkFormula) {
    text = GetCalculatedCell(ACol, ARow);
    kind = CellTextKind(text, EnableHTML);
  }
  if (kind == ctkWide) text = DecodeWideText(text);
  TRect r = CellRect(dcol, ARow);
  r.Left += XYOffset.X;
  r.Top += XYOffset.Y;
  if (!XYOffsetTopLeftOnly) {
    r.Right -= XYOffset.X;
    r.Bottom -= XYOffset.Y;
  }
  if (VS) r.Right -= ScrollBarRoom;
  if (kind == ctkHtml) {
    r.Bottom = 65535;
    if (!SB) r.Right = 65535;
    THtmlDrawParams params;
    params.MeasureOnly = true;
    params.WordWrap = SB;
    THtmlDrawResults results;
    DrawHtmlText(C, text, r, params, results);
    return TSize{results.ContentWidth + 2, results.ContentHeight + 2};
  }
  if (kind == ctkRichText && !IsDesigning()) {
    const TSize s = RichTextRenderer().RequestedSize(C, text, r.Width(), WordWrapEx);
    return TSize{s.cx, s.cy + 4};
  }
  int angle = 0;
  const bool rotated = IsRotated(ACol, ARow, angle);
  int w = 0, h = 0;
  if (SB) {
    InflateRect(r, -2, -2);
    if (EditorMode() && Col() == dcol && Row() == ARow && text.endsWith('\n')) text += 'w';
    h = DrawTextEx(
        C, text, r,
        DT_CALCRECT | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS | (rotated ? DT_SINGLELINE : DT_WORDBREAK));
    w = r.Width();
  } else {
    int lines = 0;
    do {
      QString line;
      CutFirstLine(text, Multilinecells, line);
      if (URLShow() && !URLFull() && IsUrlText(line)) StripUrlPrefix(line);
      w = std::max(w, C.TextWidth(line));
      ++lines;
    } while (!text.isEmpty());
    h = C.TextHeight("gh") * lines;
  }
  if (!rotated) return TSize{w, h};
  const double a = angle * std::numbers::pi / 180.0;
  const int p = int(std::abs(h * std::sin(a))), q = int(std::abs(w * std::cos(a)));
  const int rr = int(std::abs(h * std::cos(a))), t = int(std::abs(w * std::sin(a)));
  return TSize{std::abs(p - q) + RotatedMargin, std::abs(rr - t) + RotatedMargin};
}
