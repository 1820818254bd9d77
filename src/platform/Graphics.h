// GDI-style painting state and the canvas over QPainter: fonts, pens, brushes,
// and the drawing calls owner-drawn controls use, with the GDI pixel rules
// (FillRect and Rectangle cover Left..Right-1, LineTo leaves its end point out).
#pragma once

#include "platform/Classes.h"
#include "platform/Opaque.h"
#include "platform/Types.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QColor;
class QImage;
class QPainter;
class QRegion;

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
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
  // The escapement of the text line; the same angle as Orientation here.
  int Escapement() const { return FOrientation; }
  void SetEscapement(int v) { SetOrientation(v); }
  void Assign(const TFont& other);
  bool operator==(const TFont& o) const;
  TNotifyEvent OnChange;

private:
  void Changed();
  QString FName = "Tahoma";
  int FSize = 8;
  int FHeight = 0;  // pixels, when set through SetHeight; 0 follows FSize
  TColor FColor = clWindowText;
  TFontStyles FStyle;
  int FOrientation = 0;
};

// Measures and draws one line of text for a canvas. The font measurer is the
// normal one; the fixed one (every character 7 x 13 pixels, drawn as a block)
// gives tests exact layout numbers whatever fonts are installed.
class TTextMeasurer {
public:
  virtual ~TTextMeasurer() = default;
  virtual int Width(const TFont& font, const QString& text) const = 0;
  virtual int LineHeight(const TFont& font) const = 0;
  virtual int Ascent(const TFont& font) const = 0;
  virtual int AverageCharWidth(const TFont& font) const = 0;
  // Draws text whose cell starts at (x, y), top-left, in colour.
  virtual void Draw(QPainter& painter, const TFont& font, int x, int y, const QString& text,
                    const QColor& colour) const = 0;
  static const TTextMeasurer& FontMetrics();
  static const TTextMeasurer& Fixed();
};
constexpr int FixedCharWidth = 7;
constexpr int FixedCharHeight = 13;
// The measurer of canvases that have none of their own; nullptr restores the
// font measurer. Tests set the fixed one around code that makes its own bitmaps.
void SetDefaultTextMeasurer(const TTextMeasurer* measurer);
const TTextMeasurer& DefaultTextMeasurer();

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};
class TPen;

// One setting of a pen: read and written like a plain value; writing another
// value tells the pen, which fires its change event.
template <class T>
class TPenSetting {
public:
  TPenSetting(TPen& Pen, T Value) : FPen(Pen), FValue(Value) {}
  TPenSetting(const TPenSetting&) = delete;
  TPenSetting& operator=(const TPenSetting& Other) { return *this = Other.FValue; }
  TPenSetting& operator=(T Value);
  operator T() const { return FValue; }
  T operator()() const { return FValue; }

private:
  friend class TPen;
  TPen& FPen;
  T FValue;
};

class TPen : public TObject {
public:
  TPen() = default;
  // A copy takes the settings; who listens to a pen is not copied.
  TPen(const TPen& o)
      : TObject(), Color(*this, o.Color), Width(*this, o.Width), Style(*this, o.Style), Mode(*this, o.Mode) {}
  TPen& operator=(const TPen& o) {
    Assign(o);
    return *this;
  }
  TPenSetting<TColor> Color{*this, clBlack};
  TPenSetting<int> Width{*this, 1};
  TPenSetting<TPenStyle> Style{*this, psSolid};
  TPenSetting<TPenMode> Mode{*this, pmCopy};
  // Fired after a setting took another value; once for an Assign.
  TNotifyEvent OnChange;
  void Assign(const TPen& o) {
    if (Color == o.Color && Width == o.Width && Style == o.Style && Mode == o.Mode) return;
    Color.FValue = o.Color;
    Width.FValue = o.Width;
    Style.FValue = o.Style;
    Mode.FValue = o.Mode;
    Changed();
  }
  void Changed() {
    if (OnChange) OnChange(this);
  }
};

template <class T>
TPenSetting<T>& TPenSetting<T>::operator=(T Value) {
  if (FValue == Value) return *this;
  FValue = Value;
  FPen.Changed();
  return *this;
}

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
class TBrush : public TObject {
public:
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  void Assign(const TBrush& o) {
    Color = o.Color;
    Style = o.Style;
  }
};

// Region kinds and combine modes, numbered as GDI numbers them.
constexpr int NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3;
constexpr int RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5;
constexpr int ALTERNATE = 1, WINDING = 2;

// A clip region in device pixels (a set of rectangles), held by value.
class TRegion {
public:
  TRegion() = default;
  explicit TRegion(const TRect& r);
  static TRegion CreateRectRgn(int l, int t, int r, int b) { return TRegion(TRect(l, t, r, b)); }
  // The inside of a closed polygon; FillMode ALTERNATE or WINDING.
  static TRegion CreatePolygonRgn(const std::vector<TPoint>& Points, int FillMode);
  static TRegion FromQRegion(const QRegion& Region);
  // This region becomes a combined with b (b unused for RGN_COPY); gives the kind.
  int Combine(const TRegion& a, const TRegion& b, int mode);
  int Kind() const;
  bool Contains(const TPoint& p) const;
  TRect Bounds() const;
  const QRegion& ToQRegion() const { return *FRegion; }

private:
  TOpaque<QRegion> FRegion;
};

// Background mode of text: the brush's colour behind the glyph cells, or nothing.
constexpr int TRANSPARENT = 1, OPAQUE = 2;
enum TFillStyle { fsSurface, fsBorder };

class TBitmap;
class TGraphic;

// A canvas draws on a painter that someone else opened (a widget's paint
// event, a bitmap or a printer page).
class TCanvas : public TObject {
public:
  TCanvas();
  ~TCanvas() override;
  bool HandleAllocated() const { return FPainter != nullptr || FAcquire != nullptr; }

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
  // Fills with the brush from (x, y): fsSurface over the pixels of colour c,
  // fsBorder up to pixels of colour c. Needs a bitmap or image device.
  void FloodFill(int x, int y, TColor c, TFillStyle style);
  void DrawFocusRect(const TRect& r);

  void TextOut(int x, int y, const QString& text);
  void TextRect(const TRect& r, int x, int y, const QString& text);
  int TextWidth(const QString& text) const;
  int TextHeight(const QString& text) const;
  TSize TextExtent(const QString& text) const;
  // nullptr returns to the process default (see SetDefaultTextMeasurer).
  void SetTextMeasurer(const TTextMeasurer* measurer) { FMeasurer = measurer; }
  const TTextMeasurer& TextMeasurer() const { return FMeasurer ? *FMeasurer : DefaultTextMeasurer(); }
  // SetBkMode: TRANSPARENT or OPAQUE until the brush changes; the brush's style decides again after.
  void SetBkMode(int mode);
  int BkMode() const;

  void Draw(int x, int y, const QImage& image);
  void StretchDraw(const TRect& r, const QImage& image);
  // Graphics draw with their own transparency (a bitmap's key colour, alpha).
  void Draw(int x, int y, const TGraphic& graphic);
  void StretchDraw(const TRect& r, const TGraphic& graphic);
  // Draws the bitmap with every pixel of the key colour left out.
  void DrawTransparent(int x, int y, const TBitmap& bitmap, TColor key);
  // Copies a part of another canvas (a bitmap's); the parts may differ in size.
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);

  // Clip regions, in device pixels, always within the painter's own clip.
  int SelectClipRgn(const TRegion* region);
  int IntersectClipRect(const TRect& r);
  int ExcludeClipRect(const TRect& r);
  bool HasClipRegion() const { return FClip.has_value(); }
  TRect ClipRect() const;

  // Keeps and restores the whole painting state (font, pen, brush, clip).
  void Save();
  void Restore();

private:
  friend class TBitmap;
  // The painter behind the canvas belongs to the platform (internal/CanvasPainter.h).
  friend QPainter* CanvasPainter(const TCanvas& canvas);
  friend void SetCanvasPainter(TCanvas& canvas, QPainter* painter);
  // A new painter is a new device context: clip region, saved states and
  // background mode start afresh; the painter's own clip stays the limit.
  void SetPainter(QPainter* painter);
  QPainter* Painter() const;
  void SetPainterSource(std::function<QPainter*()> acquire);
  void DropPainter();
  void ApplyPen(bool forLines);
  void ApplyBrush();
  void ApplyFont();
  void ApplyClip();
  QImage* ImageDevice() const;
  void PixelLine(int x0, int y0, int x1, int y1);
  void WideLine(int x0, int y0, int x1, int y1);
  bool BrushVisible() const { return FBrush.Style != bsClear && FBrush.Color != clNone; }
  QRegion DeviceRegion() const;
  mutable QPainter* FPainter = nullptr;
  std::function<QPainter*()> FAcquire;
  const TTextMeasurer* FMeasurer = nullptr;
  TFont FFont;
  TPen FPen;
  TBrush FBrush;
  TPoint FPenPos;
  std::optional<TOpaque<QRegion>> FBaseClip;
  std::optional<TOpaque<QRegion>> FClip;
  int FBkMode = 0;  // 0: follows the brush
  TBrush FBkBrush;
  struct SavedState {
    TFont Font;
    TPen Pen;
    TBrush Brush;
    TPoint PenPos;
    std::optional<TOpaque<QRegion>> Clip;
    int BkMode = 0;
    TBrush BkBrush;
  };
  std::vector<SavedState> FSaved;
};

// Anything a picture can hold: a bitmap, a JPEG, an icon, a GIF's first frame.
class TGraphic : public TObject {
public:
  ~TGraphic() override;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const = 0;
  // The pixels to paint; key colours already made transparent. The default
  // gives the pixels of Shown(), or none.
  virtual QImage PaintImage() const;
  // A graphic that shows another one (a decoded frame of its file) names it here.
  virtual const TGraphic* Shown() const { return nullptr; }
  // Decodes a whole file's bytes; false with ErrorText() when they are no such picture.
  virtual bool LoadFromBytes(const QByteArray& data) = 0;
  virtual bool SaveToBytes(QByteArray& data) const = 0;
  virtual std::unique_ptr<TGraphic> Clone() const = 0;
  bool LoadFromFile(const QString& path);
  bool SaveToFile(const QString& path) const;
  QString ErrorText() const { return FError; }

protected:
  bool Fail(const QString& text) const;
  mutable QString FError;
};

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TAlphaFormat { afIgnored, afDefined, afPremultiplied };
// Pixels of 24- and 32-bit scan lines, in the order they lie in memory.
struct TRGBTriple {
  BYTE rgbtBlue, rgbtGreen, rgbtRed;
};
struct TRGBQuad {
  BYTE rgbBlue, rgbGreen, rgbRed, rgbReserved;
};

// A device-independent bitmap with its own canvas.
class TBitmap : public TGraphic {
public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;
  int Width() const override;
  int Height() const override;
  void SetSize(int width, int height);
  bool Empty() const override;
  TCanvas& Canvas();
  // Ends painting on the canvas so the image is complete.
  void EndCanvas();
  QImage& Image();
  const QImage& Image() const;
  bool LoadFromFile(const QString& path);
  bool Transparent = false;
  // The key colour of a transparent bitmap; clNone takes the bottom-left pixel's.
  TColor TransparentColor = clNone;

  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat v);
  TAlphaFormat AlphaFormat() const { return FAlphaFormat; }
  void SetAlphaFormat(TAlphaFormat v);
  // Row y (0 is the top): TRGBTriple for pf24bit, TRGBQuad for pf32bit and pfDevice.
  void* ScanLine(int y);
  virtual void Assign(const TBitmap& source);
  // Takes over an image's pixels in 32 bits (alpha defined when it has one).
  void SetImage(const QImage& image);
  TColor KeyColor() const;
  TColor TopLeftColor() const { return PixelColor(0, 0); }
  TColor BottomLeftColor() const { return PixelColor(0, Height() - 1); }
  QImage PaintImage() const override;
  bool LoadFromBytes(const QByteArray& data) override;
  bool SaveToBytes(QByteArray& data) const override;
  std::unique_ptr<TGraphic> Clone() const override;

private:
  TColor PixelColor(int x, int y) const;
  QPainter* OpenPainter();
  TOpaque<QImage> FImage;
  TPixelFormat FPixelFormat = pfDevice;
  TAlphaFormat FAlphaFormat = afIgnored;
  mutable std::unique_ptr<QPainter> FPainter;
  std::unique_ptr<TCanvas> FCanvas;
};

// A JPEG picture, decoded and encoded by libjpeg.
class TJPEGImage : public TGraphic {
public:
  int Width() const override;
  int Height() const override;
  bool Empty() const override;
  QImage PaintImage() const override;
  bool LoadFromBytes(const QByteArray& data) override;
  bool SaveToBytes(QByteArray& data) const override;
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TJPEGImage>(*this); }
  void Assign(const TBitmap& bitmap);
  void SetImage(const QImage& image);
  // 1..100, used when saving.
  int CompressionQuality = 90;

private:
  TOpaque<QImage> FImage;
};

// Pictures whose files Qt's readers decode: GIF (first frame), icon, PNG.
class TDecodedImage : public TGraphic {
public:
  int Width() const override;
  int Height() const override;
  bool Empty() const override;
  QImage PaintImage() const override;
  bool LoadFromBytes(const QByteArray& data) override;
  bool SaveToBytes(QByteArray& data) const override;

protected:
  explicit TDecodedImage(const char* format) : FFormat(format) {}
  virtual bool CheckComplete(const QByteArray& data) const;

private:
  const char* FFormat;
  QByteArray FBytes;
  TOpaque<QImage> FImage;
};
class TGIFImage : public TDecodedImage {
public:
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TGIFImage>(*this); }
  TGIFImage() : TDecodedImage("gif") {}

protected:
  bool CheckComplete(const QByteArray& data) const override;
};
class TIcon : public TDecodedImage {
public:
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TIcon>(*this); }
  TIcon() : TDecodedImage("ico") {}
};
class TPngImage : public TDecodedImage {
public:
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TPngImage>(*this); }
  TPngImage() : TDecodedImage("png") {}
};

// Holds one picture loaded from a file (BMP, GIF, ICO, PNG, JPEG).
class TPicture : public TObject {
public:
  TPicture() = default;
  TPicture(const TPicture& other) : TObject() { Assign(other); }
  TPicture& operator=(const TPicture& other) {
    Assign(other);
    return *this;
  }
  bool LoadFromFile(const QString& path);
  void Assign(const TPicture& other);
  // Holds a copy of the graphic (a bitmap drawn by the program, say).
  void Assign(const TGraphic& graphic);
  void SetImage(const QImage& image);
  const QImage& Image() const { return *FImage; }
  bool Empty() const;
  int Width() const;
  int Height() const;
  // The kind is told by the bytes, not the file name.
  bool LoadFromBytes(const QByteArray& data);
  bool SaveToFile(const QString& path) const;
  TGraphic* Graphic() const { return FGraphic.get(); }
  QString ErrorText() const { return FError; }
  // A new graphic of the kind the bytes start with, or nullptr.
  static std::unique_ptr<TGraphic> GraphicForData(const QByteArray& data);

private:
  std::unique_ptr<TGraphic> FGraphic;
  TOpaque<QImage> FImage;
  QString FError;
};

#include "platform/GdiDraw.h"
