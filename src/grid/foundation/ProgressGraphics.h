// The value-cell graphics of the string grid: a classic progress bar with a
// formatted text, a progress pie, a range indicator and an XP-style bar with
// colour levels, blocks or a smooth bar, gradients, stacking and a vertical
// orientation. Stateless; they draw on the given canvas only.
#pragma once

#include "platform/Graphics.h"

#include <QString>

// The look the string grid fills from its progress appearance before each call.
struct XPProgressLook {
  TColor Level0Color = clLime;
  TColor Level0ColorTo = clNone;
  TColor Level1Color = clYellow;
  TColor Level1ColorTo = clNone;
  TColor Level2Color = 0x0080FF;
  TColor Level2ColorTo = clNone;
  TColor Level3Color = clRed;
  TColor Level3ColorTo = clNone;
  int Level1Perc = 70;
  int Level2Perc = 90;
  TColor BorderColor = clBlack;
  bool ShowBorder = false;
  bool Stacked = false;
  bool ShowPercentage = true;
  const TFont* Font = nullptr;  // null keeps the canvas font
  TColor CompleteFontColor = clBlue;
  bool CompletionSmooth = true;
  bool ShowGradient = true;
  int Steps = 8;
  TColor UnCompleteColor = clWhite;
  bool Vertical = false;
};

// The text is drawn in two colours split at the completion edge. Flipped is
// set for a canvas whose vertical axis points upwards (printing).
void DrawProgressBar(TCanvas& Canvas, TRect R, TColor CompletedColor, TColor CompletedTextColor, TColor RemainingColor,
                     TColor RemainingTextColor, double Value, int HorzMargin, int VertMargin, double Minimum,
                     double Maximum, const QString& Format, TColor BorderColor, bool Flipped);
void DrawProgressPie(TCanvas& Canvas, const TRect& R, TColor FillColor, int Percent, bool Flipped);
// A bar from the cell's centre to the left (negative) or right; nothing for a range of 0 or less.
void DrawRangeIndicator(TCanvas& Canvas, const TRect& R, int Value, int Range, bool ShowValue, TColor NegativeColor,
                        TColor PositiveColor);
void DrawXPProgress(TCanvas& Canvas, const TRect& R, int Percent, XPProgressLook Look);

// The text of a progress bar: the rounded value and "%" unless Format holds
// exactly one integer or real placeholder.
QString ProgressBarText(double Value, const QString& Format);
