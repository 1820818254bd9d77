// The button vocabulary of the class library: the states a button paints in,
// where its glyph sits beside the caption, and the accelerator test of captions.
#pragma once

#include <QChar>
#include <QString>

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Whether ch is the caption's accelerator: the character after its last
// single "&", compared without case.
bool IsAccel(QChar ch, const QString& caption);
