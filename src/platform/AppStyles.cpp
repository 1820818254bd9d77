#include "platform/AppStyles.h"

#include "platform/Graphics.h"

namespace {

class TNoAppStyles : public IAppStyleServices {
public:
  QString ActiveStyleName() override { return QString::fromLatin1(PlainAppStyleName); }
  void DrawElement(TCanvas&, TAppStyleElement, const TRect&) override {}
};

std::unique_ptr<IAppStyleServices>& Installed() {
  static std::unique_ptr<IAppStyleServices> services = std::make_unique<TNoAppStyles>();
  return services;
}

}  // namespace

IAppStyleServices& AppStyleServices() { return *Installed(); }

void SetAppStyleServices(std::unique_ptr<IAppStyleServices> Services) {
  Installed() = Services ? std::move(Services) : std::make_unique<TNoAppStyles>();
}

void TFakeAppStyleServices::DrawElement(TCanvas& Canvas, TAppStyleElement Element, const TRect& Rect) {
  Calls.push_back({Element, Rect});
  Canvas.Brush().Style = bsSolid;
  Canvas.Brush().Color = ElementColor(Element, ascFill);
  Canvas.FillRect(Rect);
}

TColor TFakeAppStyleServices::ElementColor(TAppStyleElement Element, TAppStyleColor Which) {
  switch (Which) {
    case ascFill:
      return Element == aseGridFixedCell ? FixedColor : Element == aseGridSelectedCell ? SelectedColor : NormalColor;
    case ascBorder: return BorderColors[Element];
    case ascText: return TextColors[Element];
  }
  return clNone;
}
