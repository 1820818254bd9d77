// Pictures of drawn bitmaps as text with a legend of colours, and the
// colour runs of one pixel row, for the drawing tests of the grid.
#pragma once

#include "support/PaintProbe.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace drawprobe {

using TLegend = std::map<TColor, char>;

// One character a pixel: the legend's letter, '.' for white, '?' for the rest.
inline std::string Art(TBitmap& b, const TLegend& legend, int w = -1, int h = -1) {
  b.EndCanvas();
  std::string s;
  for (int y = 0; y < (h < 0 ? b.Height() : h); ++y) {
    for (int x = 0; x < (w < 0 ? b.Width() : w); ++x) {
      const TColor c = paintprobe::At(b, x, y);
      const auto it = legend.find(c);
      s += it != legend.end() ? it->second : c == clWhite ? '.' : '?';
    }
    s += '\n';
  }
  return s;
}

inline TColor At(TBitmap& b, int x, int y) {
  b.EndCanvas();
  return paintprobe::At(b, x, y);
}

struct TRun {
  int Start;
  int Length;
  bool operator==(const TRun&) const = default;
};

// Runs of the colour along row y (or column x when Vertical).
inline std::vector<TRun> Runs(TBitmap& b, TColor color, int line, bool Vertical = false) {
  b.EndCanvas();
  std::vector<TRun> runs;
  const int n = Vertical ? b.Height() : b.Width();
  for (int i = 0; i < n; ++i) {
    const bool on = (Vertical ? paintprobe::At(b, line, i) : paintprobe::At(b, i, line)) == color;
    if (!on) continue;
    if (!runs.empty() && runs.back().Start + runs.back().Length == i)
      ++runs.back().Length;
    else
      runs.push_back({i, 1});
  }
  return runs;
}

inline int Count(TBitmap& b, TColor color) {
  b.EndCanvas();
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += paintprobe::At(b, x, y) == color;
  return n;
}

}  // namespace drawprobe

inline void PrintTo(const drawprobe::TRun& r, std::ostream* os) { *os << "{" << r.Start << ", " << r.Length << "}"; }

#include "platform/ControlPicture.h"

#include <QDir>

namespace drawprobe {
// Saves a picture for a person to look at when QUILLORE_SHOT_DIR names a folder.
inline void SaveShot(const TBitmap& b, const QString& name) {
  const QString dir = qEnvironmentVariable("QUILLORE_SHOT_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  SaveBitmapAsPng(b, QDir(dir).filePath(name + ".png"));
}
}  // namespace drawprobe
