#include "platform/CanvasMetrics.h"

#include "platform/Graphics.h"
#include "platform/internal/Painting.h"

#include <QPaintDevice>
#include <QPainter>

namespace {
const QPaintDevice* DeviceOf(const TCanvas& Canvas) {
  QPainter* painter = Canvas.HandleAllocated() ? CanvasPainter(Canvas) : nullptr;
  return painter ? painter->device() : nullptr;
}
}  // namespace

int CanvasPixelsPerInchX(const TCanvas& Canvas) {
  const QPaintDevice* device = DeviceOf(Canvas);
  return device && device->logicalDpiX() > 0 ? device->logicalDpiX() : ScreenPixelsPerInch;
}

int CanvasPixelsPerInchY(const TCanvas& Canvas) {
  const QPaintDevice* device = DeviceOf(Canvas);
  return device && device->logicalDpiY() > 0 ? device->logicalDpiY() : ScreenPixelsPerInch;
}
