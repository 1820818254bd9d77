// The pictures on the main window's buttons, compiled into the program.
#pragma once

class TBitmap;

enum class TMainGlyph { None, Info, Options, Close, New, Open, Parameters, LoRaWAN, Update };

// Loads one glyph cell into `into`; `into` is left empty for None.
void LoadMainWindowGlyph(TMainGlyph glyph, TBitmap& into);
