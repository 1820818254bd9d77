// The marks a cell check puts around an error in a cell's text.
#pragma once

#include <QString>

// The text with every "e" tag pair removed (any case) and "&lt;" and "&gt;"
// turned back into "<" and ">".
QString UnMarkText(const QString& S);
