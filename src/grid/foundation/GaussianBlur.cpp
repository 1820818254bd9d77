#include "grid/foundation/GaussianBlur.h"

#include "platform/Graphics.h"
#include "platform/SysUtils.h"

#include <cmath>
#include <vector>

namespace {

// Rows and columns past this distance from both ends repeat the one at CopySource.
constexpr int BlurredBorder = 20;
constexpr int CopySource = 15;

BYTE& Channel(TRGBTriple& p, int c) { return c == 0 ? p.rgbtBlue : c == 1 ? p.rgbtGreen : p.rgbtRed; }

bool IsInner(int i, int count) { return i > BlurredBorder && i < count - BlurredBorder; }

void BlurRows(TBitmap& b, const TGaussianKernel& k, std::vector<TRGBTriple>& scratch) {
  const int w = b.Width(), h = b.Height();
  for (int r = 0; r < h; ++r) {
    auto* row = static_cast<TRGBTriple*>(b.ScanLine(r));
    if (IsInner(r, h)) {
      const auto* source = static_cast<const TRGBTriple*>(b.ScanLine(CopySource));
      std::copy(source, source + w, row);
    } else {
      BlurLine(row, w - 1, k, scratch.data());
    }
  }
}

void BlurColumns(TBitmap& b, const TGaussianKernel& k, std::vector<TRGBTriple>& scratch) {
  const int w = b.Width(), h = b.Height();
  std::vector<TRGBTriple*> rows(static_cast<size_t>(h));
  for (int r = 0; r < h; ++r) rows[size_t(r)] = static_cast<TRGBTriple*>(b.ScanLine(r));
  std::vector<TRGBTriple> column(static_cast<size_t>(h));
  for (int c = 0; c < w; ++c) {
    if (IsInner(c, w)) {
      for (TRGBTriple* row : rows) row[c] = row[CopySource];
      continue;
    }
    for (int r = 0; r < h; ++r) column[size_t(r)] = rows[size_t(r)][c];
    BlurLine(column.data(), h - 1, k, scratch.data());
    for (int r = 0; r < h; ++r) rows[size_t(r)][c] = column[size_t(r)];
  }
}

}  // namespace

void MakeGaussianKernel(TGaussianKernel& Kernel, double ARadius, double MaxData, double DataGranularity) {
  for (int j = -10; j <= 10; ++j) {
    const double x = j / ARadius;
    Kernel.Weight(j) = float(std::exp(-x * x / 2));
  }
  double sum = 0;
  for (float w : Kernel.Weights) sum += w;
  for (float& w : Kernel.Weights) w = float(w / sum);
  // Drop the outer weights while together they stay below half a step of the data.
  int size = 10;
  double dropped = 0;
  do {
    dropped += 2.0 * Kernel.Weight(size);
    --size;
  } while (dropped < DataGranularity / (2 * MaxData) && size > 1);
  Kernel.Size = BYTE(size);
  sum = 0;
  for (int j = -size; j <= size; ++j) sum += Kernel.Weight(j);
  for (int j = -size; j <= size; ++j) Kernel.Weight(j) = float(Kernel.Weight(j) / sum);
}

int ClampIndex(int Lower, int Upper, int Value) {
  if (Value > Upper) return Upper;
  if (Value < Lower) return Lower;
  return Value;
}

int ClampChannel(int Lower, int Upper, double Value) {
  if (Value >= Upper) return Upper;
  if (Value < Lower) return Lower;
  return int(std::trunc(Value));
}

void BlurLine(TRGBTriple* Line, int LastIndex, const TGaussianKernel& Kernel, TRGBTriple* Scratch) {
  const int size = Kernel.Size;
  for (int j = 0; j <= LastIndex; ++j) {
    for (int c = 0; c < 3; ++c) {
      double sum = 0;
      for (int n = -size; n <= size; ++n)
        sum += double(Kernel.Weight(n)) * Channel(Line[ClampIndex(0, LastIndex, j - n)], c);
      Channel(Scratch[j], c) = BYTE(ClampChannel(0, 255, sum));
    }
  }
  std::copy(Scratch, Scratch + LastIndex + 1, Line);
}

void GaussianBlur(TBitmap& ABitmap, double ARadius) {
  if (ABitmap.PixelFormat() != pf24bit) throw Exception("Blur only works for 24-bit bitmaps");
  // The kernel divides by the radius.
  if (ARadius <= 0 || ABitmap.Empty()) return;
  TGaussianKernel kernel;
  MakeGaussianKernel(kernel, ARadius, 255, 1);
  std::vector<TRGBTriple> scratch(static_cast<size_t>(std::max(ABitmap.Width(), ABitmap.Height())));
  BlurRows(ABitmap, kernel, scratch);
  BlurColumns(ABitmap, kernel, scratch);
}
