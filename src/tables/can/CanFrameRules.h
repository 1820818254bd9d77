// The rules the CAN receive and transmit tables share: the identifier by the
// row's own frame format, and the byte positions of the frame's data bytes.
#pragma once

#include <QString>

class TPlexStringGrid;

inline constexpr int CanMaxId11 = 2047;
inline constexpr int CanMaxId29 = 536870911;
inline constexpr int CanMaxDimension = 8;

// The two frame formats, as the Type drop-down offers them.
QString CanType11Bits();
QString CanType29Bits();

// The identifier range follows the Type: 11 bits only when the trimmed Type is
// exactly the 2.0A item; any other text, an empty one included, allows 29 bits.
bool CanIs11Bits(const QString& Type);
bool CanCobIdFits(const QString& CobId, const QString& Type);

// The first data byte K of 1 .. Dimension whose position cell (column
// FirstByteCol + K - 1) is neither empty nor exactly "None" after trimming,
// nor a position 0 .. MaxByte - 1; 0 when every one fits.
int CanFirstBadByte(TPlexStringGrid* Grid, int ARow, int FirstByteCol, int Dimension, int MaxByte);
