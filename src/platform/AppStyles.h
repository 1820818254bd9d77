// Application-wide styles: a named style that draws the elements of the
// controls itself. Linux has none, so the platform's own service answers with
// the plain style and draws nothing; tests install a fake that is styled and
// records each element it is asked to draw.
#pragma once

#include "platform/Types.h"

#include <QString>

#include <memory>
#include <vector>

class TCanvas;

// The name of the plain style, under which controls draw themselves.
inline constexpr const char* PlainAppStyleName = "Windows";

enum TAppStyleElement { aseGridFixedCell, aseGridSelectedCell, aseGridNormalCell };
// The colours a style reports for an element.
enum TAppStyleColor { ascFill, ascBorder, ascText };

class IAppStyleServices {
public:
  virtual ~IAppStyleServices() = default;
  virtual QString ActiveStyleName() = 0;
  virtual void DrawElement(TCanvas& Canvas, TAppStyleElement Element, const TRect& Rect) = 0;
  // clNone when the style reports no such colour.
  virtual TColor ElementColor(TAppStyleElement Element, TAppStyleColor Which) { return clNone; }
};

// The process-wide service; the platform's own until a test installs another.
IAppStyleServices& AppStyleServices();
// Installs a service (null puts the platform's own back).
void SetAppStyleServices(std::unique_ptr<IAppStyleServices> Services);

// A styled application for tests: fills each element in its colour and records it.
class TFakeAppStyleServices : public IAppStyleServices {
public:
  struct TDrawCall {
    TAppStyleElement Element;
    TRect Rect;
  };
  QString StyleName = "Carbon";
  TColor FixedColor = 0x404040;
  TColor SelectedColor = 0x806040;
  TColor NormalColor = 0x303030;
  // Border and text colours by element: fixed, selected, normal.
  TColor BorderColors[3] = {0x202020, clNone, 0x505050};
  TColor TextColors[3] = {0xE0E0E0, 0xFFFFFF, 0xC0C0C0};
  std::vector<TDrawCall> Calls;

  QString ActiveStyleName() override { return StyleName; }
  void DrawElement(TCanvas& Canvas, TAppStyleElement Element, const TRect& Rect) override;
  TColor ElementColor(TAppStyleElement Element, TAppStyleColor Which) override;
};
