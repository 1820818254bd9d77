// GDI-style painting state and the canvas over QPainter: fonts, pens, brushes,
// and the drawing calls owner-drawn controls use, with the GDI pixel rules
// (FillRect and Rectangle cover Left..Right-1, LineTo leaves its end point out).
#pragma once

#include "platform/Classes.h"
#include "platform/Types.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <memory>

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
struct TFontStyles {
  unsigned bits = 0;
  constexpr TFontStyles() = default;
  constexpr TFontStyles(std::initializer_list<TFontStyle> l) { for (auto f : l) bits |= 1u << unsigned(f); }
  constexpr bool Contains(TFontStyle f) const { return bits & (1u << unsigned(f)); }
  constexpr void Include(TFontStyle f) { bits |= 1u << unsigned(f); }
  constexpr void Exclude(TFontStyle f) { bits &= ~(1u << unsigned(f)); }
  constexpr bool operator==(const TFontStyles&) const = default;
};
constexpr TFontStyle fsBold = TFontStyle::fsBold;
constexpr TFontStyle fsItalic = TFontStyle::fsItalic;
constexpr TFontStyle fsUnderline = TFontStyle::fsUnderline;
constexpr TFontStyle fsStrikeOut = TFontStyle::fsStrikeOut;

// Screen resolution the forms were laid out for.
constexpr int ScreenPixelsPerInch = 96;

class TFont : public TObject {
public:
  TFont();
  QString Name() const { return FName; }
  void SetName(const QString& v);
  // Size in points; Height in pixels, negative for the character height.
  int Size() const { return FSize; }
  void SetSize(int v);
  int Height() const;
  void SetHeight(int v);
  TColor Color() const { return FColor; }
  void SetColor(TColor v);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles v);
  // Tenths of a degree, counter-clockwise (rotated text).
  int Orientation() const { return FOrientation; }
  void SetOrientation(int v);
  void Assign(const TFont& other);
  bool operator==(const TFont& o) const;
  // The font the painter uses; names of the original forms map to installed faces.
  QFont ToQFont() const;
  TNotifyEvent OnChange;

private:
  void Changed();
  QString FName = "Tahoma";
  int FSize = 8;
  TColor FColor = clWindowText;
  TFontStyles FStyle;
  int FOrientation = 0;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, pmMergeNotPen,
                pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor };
class TPen : public TObject {
public:
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  TPenMode Mode = pmCopy;
  void Assign(const TPen& o) { Color = o.Color; Width = o.Width; Style = o.Style; Mode = o.Mode; }
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
class TBrush : public TObject {
public:
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  void Assign(const TBrush& o) { Color = o.Color; Style = o.Style; }
};

// A canvas draws on a painter that someone else opened (a widget's paint
// event, a bitmap or a printer page).
class TCanvas : public TObject {
public:
  TCanvas();
  explicit TCanvas(QPainter* painter);
  ~TCanvas() override;
  void SetPainter(QPainter* painter);
  QPainter* Painter() const { return FPainter; }
  bool HandleAllocated() const { return FPainter != nullptr; }

  TFont& Font() { return FFont; }
  TPen& Pen() { return FPen; }
  TBrush& Brush() { return FBrush; }
  TPoint PenPos() const { return FPenPos; }
  void SetPenPos(const TPoint& p) { FPenPos = p; }

  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  void Rectangle(const TRect& r);
  void Rectangle(int l, int t, int r, int b) { Rectangle(TRect(l, t, r, b)); }
  void RoundRect(int l, int t, int r, int b, int rx, int ry);
  void Ellipse(int l, int t, int r, int b);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polygon(const std::vector<TPoint>& pts);
  void Polyline(const std::vector<TPoint>& pts);
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor c);

  void TextOut(int x, int y, const QString& text);
  void TextRect(const TRect& r, int x, int y, const QString& text);
  int TextWidth(const QString& text) const;
  int TextHeight(const QString& text) const;
  TSize TextExtent(const QString& text) const;
  void Draw(int x, int y, const QImage& image);
  void StretchDraw(const TRect& r, const QImage& image);

  // Keeps and restores the whole painting state (font, pen, brush, clip).
  void Save();
  void Restore();

private:
  void ApplyPen(bool forLines);
  void ApplyBrush();
  void ApplyFont();
  QPainter* FPainter = nullptr;
  TFont FFont;
  TPen FPen;
  TBrush FBrush;
  TPoint FPenPos;
  struct SavedState {
    TFont Font;
    TPen Pen;
    TBrush Brush;
    TPoint PenPos;
  };
  std::vector<SavedState> FSaved;
};

// A device-independent bitmap with its own canvas.
class TBitmap : public TObject {
public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;
  int Width() const { return FImage.width(); }
  int Height() const { return FImage.height(); }
  void SetSize(int width, int height);
  bool Empty() const { return FImage.isNull(); }
  TCanvas& Canvas();
  // Ends painting on the canvas so the image is complete.
  void EndCanvas();
  QImage& Image();
  const QImage& Image() const { return FImage; }
  bool LoadFromFile(const QString& path);
  bool Transparent = false;
  TColor TransparentColor = clNone;

private:
  QImage FImage;
  std::unique_ptr<QPainter> FPainter;
  std::unique_ptr<TCanvas> FCanvas;
};

// Holds one picture loaded from a file (BMP, GIF, ICO, PNG, JPEG).
class TPicture : public TObject {
public:
  bool LoadFromFile(const QString& path);
  void Assign(const TPicture& other) { FImage = other.FImage; }
  void SetImage(const QImage& image) { FImage = image; }
  const QImage& Image() const { return FImage; }
  bool Empty() const { return FImage.isNull(); }
  int Width() const { return FImage.width(); }
  int Height() const { return FImage.height(); }

private:
  QImage FImage;
};
