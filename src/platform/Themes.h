// The visual-style services the grid's painters consult: whether a theme is
// active, its colour scheme name, and themed part drawing. Linux has no
// visual styles, so the platform's own service answers "not active" and
// draws nothing; tests install a fake that is active and records each call.
#pragma once

#include "platform/Types.h"

#include <QString>

#include <memory>
#include <set>
#include <vector>

class TCanvas;
class TWinControl;

using HTHEME = void*;

class IThemeServices {
public:
  virtual ~IThemeServices() = default;
  virtual bool IsThemeActive() = 0;
  // File, colour and size names of the current theme; false when none.
  virtual bool GetCurrentThemeName(QString& FileName, QString& ColorName, QString& SizeName) = 0;
  // Null when the class has no theme data.
  virtual HTHEME OpenThemeData(TWinControl* Window, const QString& ClassList) = 0;
  virtual bool DrawThemeBackground(HTHEME Theme, TCanvas& Canvas, int PartId, int StateId, const TRect& Rect,
                                   const TRect* Clip) = 0;
  virtual void CloseThemeData(HTHEME Theme) = 0;
  // Whether the visual-styles library loads at all, and whether it has an
  // entry point of that name; the grid fills its operation tables from these.
  virtual bool LibraryLoads() { return true; }
  virtual bool HasEntryPoint(const QString& Name) { return true; }
};

// The process-wide service; the platform's own until a test installs another.
IThemeServices& ThemeServices();
// Installs a service (null puts the platform's own back).
void SetThemeServices(std::unique_ptr<IThemeServices> Services);

// An active theme for tests: answers with the chosen names and records every
// themed drawing call (class, part, state, rectangle).
class TFakeThemeServices : public IThemeServices {
public:
  struct TDrawCall {
    QString ClassList;
    int PartId = 0;
    int StateId = 0;
    TRect Rect;
  };

  bool Active = true;
  QString FileName = "Luna.msstyles";
  QString ColorName = "NormalColor";
  QString SizeName = "NormalSize";
  bool Loads = true;
  std::set<QString> MissingEntryPoints;
  std::vector<TDrawCall> Calls;
  int OpenCount = 0;
  int CloseCount = 0;

  bool IsThemeActive() override { return Active; }
  bool GetCurrentThemeName(QString& AFileName, QString& AColorName, QString& ASizeName) override;
  HTHEME OpenThemeData(TWinControl* Window, const QString& ClassList) override;
  bool DrawThemeBackground(HTHEME Theme, TCanvas& Canvas, int PartId, int StateId, const TRect& Rect,
                           const TRect* Clip) override;
  void CloseThemeData(HTHEME Theme) override;
  bool LibraryLoads() override { return Loads; }
  bool HasEntryPoint(const QString& Name) override { return Loads && !MissingEntryPoints.count(Name); }

private:
  std::vector<std::unique_ptr<QString>> FOpened;
};
