// The soft edge of the grid's focus frame: a Gaussian blur of 24-bit
// bitmaps, and the steps it is made of. The blur copies inner rows and
// columns from row and column 15 instead of blurring them, so a frame mask of
// any size costs at most 41 blurred rows and 41 blurred columns; that is
// exact for masks whose inner rows and columns repeat, as frame masks do.
#pragma once

#include "platform/Types.h"

#include <array>

class TBitmap;
struct TRGBTriple;

struct TGaussianKernel {
  BYTE Size = 0;  // 1 to 9 after trimming; weights -Size..Size are used
  std::array<float, 21> Weights{};
  float& Weight(int j) { return Weights[size_t(j + 10)]; }
  float Weight(int j) const { return Weights[size_t(j + 10)]; }
};

void MakeGaussianKernel(TGaussianKernel& Kernel, double ARadius, double MaxData, double DataGranularity);
int ClampIndex(int Lower, int Upper, int Value);
int ClampChannel(int Lower, int Upper, double Value);
// Blurs pixels 0..LastIndex of Line; Scratch holds at least as many.
void BlurLine(TRGBTriple* Line, int LastIndex, const TGaussianKernel& Kernel, TRGBTriple* Scratch);
// Raises Exception "Blur only works for 24-bit bitmaps" for any other
// bitmap; a radius of 0 or less leaves the bitmap as it is.
void GaussianBlur(TBitmap& ABitmap, double ARadius);
