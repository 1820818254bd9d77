// The program's own bitmap resources, compiled in and found by name as the
// library finds a named bitmap resource (letter case does not matter).
#pragma once

#include "platform/SysUtils.h"

#include <QString>

class TBitmap;

class EResNotFound : public Exception {
  using Exception::Exception;
};

// Loads the bitmap resource of that name; raises EResNotFound
// "Resource <name> not found" when the program has none.
void LoadBitmapResource(TBitmap& Bitmap, const QString& Name);

// The bytes of the compiled-in data resource of that name (letter case does
// not matter); false when the program has none.
bool LoadDataResource(const QString& Name, QByteArray& Data);
