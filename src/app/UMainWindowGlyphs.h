// The pictures on the main window's buttons, compiled into the program.
#pragma once

#include <QImage>

enum class TMainGlyph { None, Info, Options, Close, New, Open, Parameters, LoRaWAN, Update };

// One glyph cell; an empty image for None.
QImage MainWindowGlyph(TMainGlyph glyph);
