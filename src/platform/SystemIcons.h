// The desktop's icons for files and folders, as cell and hint pictures show
// them next to a file name.
#pragma once

#include "platform/Types.h"

#include <QString>

class TCanvas;

// The icon of Name: a number picks one of a small fixed list (computer,
// desktop, trash, network, drive, folder, file); an existing file or folder
// gives its own icon; any other name a generic file icon. Size is 16 small or
// 32 large and is returned even when nothing is drawn. Printing stretches the
// icon by Scale.
TSize DrawSystemIcon(TCanvas& Canvas, int X, int Y, const QString& Name, bool Large, bool Draw, bool Printing,
                     double Scale);
