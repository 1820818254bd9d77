#include "platform/WrappedText.h"

#include "platform/Graphics.h"
#include "platform/internal/Painting.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

int WrapFlags(TAlignment a) {
  const int h = a == taLeftJustify ? Qt::AlignLeft : a == taRightJustify ? Qt::AlignRight : Qt::AlignHCenter;
  return h | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
}

}  // namespace

TSize WrappedTextExtent(TCanvas& canvas, const QString& text, int width) {
  const QRect r = QFontMetrics(ToQFont(canvas.Font()))
                      .boundingRect(QRect(0, 0, std::max(width, 1), 1 << 20), WrapFlags(taLeftJustify), text);
  return TSize{r.width(), r.height()};
}

void DrawWrappedText(TCanvas& canvas, const TRect& r, const QString& text, TAlignment alignment, TColor color,
                     bool smooth) {
  QPainter* painter = CanvasPainter(canvas);
  if (text.isEmpty() || !painter) return;
  painter->save();
  painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  QFont font = ToQFont(canvas.Font());
  if (!smooth) font.setStyleStrategy(QFont::NoAntialias);
  painter->setFont(font);
  painter->setPen(ToQColor(color));
  painter->drawText(r.toQRect(), WrapFlags(alignment), text);
  painter->restore();
}
