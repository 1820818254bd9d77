#include "platform/Themes.h"

#include "platform/Graphics.h"

namespace {

class TNoThemeServices : public IThemeServices {
public:
  bool IsThemeActive() override { return false; }
  bool GetCurrentThemeName(QString& FileName, QString& ColorName, QString& SizeName) override {
    FileName.clear();
    ColorName.clear();
    SizeName.clear();
    return false;
  }
  HTHEME OpenThemeData(TWinControl*, const QString&) override { return nullptr; }
  bool DrawThemeBackground(HTHEME, TCanvas&, int, int, const TRect&, const TRect*) override { return false; }
  void CloseThemeData(HTHEME) override {}
};

std::unique_ptr<IThemeServices>& Installed() {
  static std::unique_ptr<IThemeServices> services = std::make_unique<TNoThemeServices>();
  return services;
}

}  // namespace

IThemeServices& ThemeServices() { return *Installed(); }

void SetThemeServices(std::unique_ptr<IThemeServices> Services) {
  Installed() = Services ? std::move(Services) : std::make_unique<TNoThemeServices>();
}

bool TFakeThemeServices::GetCurrentThemeName(QString& AFileName, QString& AColorName, QString& ASizeName) {
  if (!Active) return false;
  AFileName = FileName;
  AColorName = ColorName;
  ASizeName = SizeName;
  return true;
}

HTHEME TFakeThemeServices::OpenThemeData(TWinControl*, const QString& ClassList) {
  if (!Active) return nullptr;
  ++OpenCount;
  FOpened.push_back(std::make_unique<QString>(ClassList));
  return FOpened.back().get();
}

bool TFakeThemeServices::DrawThemeBackground(HTHEME Theme, TCanvas&, int PartId, int StateId, const TRect& Rect,
                                             const TRect*) {
  if (!Theme) return false;
  Calls.push_back({*static_cast<QString*>(Theme), PartId, StateId, Rect});
  return true;
}

void TFakeThemeServices::CloseThemeData(HTHEME Theme) {
  if (Theme) ++CloseCount;
}
