// The painter behind TCanvas and the translation of the library's colours and
// fonts into the toolkit's. Private to the platform: code above it paints
// through TCanvas only.
#pragma once

#include "platform/Graphics.h"
#include "platform/Types.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>

// The painter's colour; clNone gives a transparent colour.
QColor ToQColor(TColor c);
TColor FromQColor(const QColor& c);
// The font the painter uses; the faces the forms name map to installed faces.
QFont ToQFont(const TFont& font);

// The painter the canvas draws on now (opened on demand for a bitmap), or null.
QPainter* CanvasPainter(const TCanvas& canvas);
// Puts the canvas on a painter someone else opened (null: on none).
void SetCanvasPainter(TCanvas& canvas, QPainter* painter);
