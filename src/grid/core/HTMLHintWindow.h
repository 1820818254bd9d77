// The hint window of the grid's mini-HTML and wide-text hints, and of its
// sizing hint: the text drawn by the mini-HTML renderer (a wide text in the
// font of the grid hinted last), framed with raised edges, and kept inside
// the monitor it appears on.
#pragma once

#include "platform/HintWindow.h"

#include <QString>

class TImageList;
class TPictureContainer;

class THTMLHintWindow : public THintWindow {
public:
  explicit THTMLHintWindow(TComponent* AOwner);

  TRect CalcHintRect(int MaxWidth, const QString& AHint) override;
  void ActivateHint(const TRect& ARect, const QString& AHint) override;
  // Data is the grid that asked for the hint: its images and pictures draw it.
  void ActivateHintData(const TRect& ARect, const QString& AHint, void* AData) override;
  // The decoded text of a wide hint, empty for any other.
  QString WideCaption() const { return FWideCaption; }
  TImageList* Images() const { return FImages; }

  // The font of the grid hinted last; wide hints are drawn in it.
  static QString GridFontName();
  static void SetGridFontName(const QString& Name);

protected:
  void Paint() override;

private:
  TSize Measure(int MaxWidth, const QString& AHint);
  TImageList* FImages = nullptr;
  TPictureContainer* FPictures = nullptr;
  int FTextHeight = 0;
  int FTextWidth = 0;
  QString FWideCaption;
};
