// How every table editor reads its cells: texts compared trimmed, flags
// compared trimmed and upper-cased, integers read one way.
#pragma once

#include <QString>

// The text without blanks and control characters at either end.
QString TableTrim(const QString& Text);

// A signed 32-bit integer: leading blanks, an optional sign, then decimal
// digits, or hexadecimal digits after "$" or "0x". Any other text, an empty
// one or one out of range included, gives -1, so it fails every range that
// starts at 0 or 1.
int TableCellInt(const QString& Text);

// True when the trimmed, upper-cased text is `On` ("Y", or "1" in the tables
// whose Enable column holds digits).
bool TableFlagOn(const QString& Text, const QString& On = QStringLiteral("Y"));
