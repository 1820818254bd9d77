// Which look the grid follows: the platform checks the themed painters make,
// the desktop's colour scheme, and the colour scheme of an installed office
// suite read from its settings. On Linux there is neither a visual style nor
// an office suite, so the answer is the classic look.
#pragma once

#include "grid/foundation/Looks.h"
#include "platform/SystemProbes.h"

#include <QString>

class TRegistry;

// "Segoe UI" on the newer systems, "Tahoma" before.
QString DefaultUiFontName();

// 0 none, 1 blue ("NormalColor"), 2 olive ("HomeStead"), 3 silver ("Metallic").
int GetXPColorScheme();
// 0 no newer office suite, 1 version 12.0, 2 version 14.0.
int GetOfficeVersion();
// The integer value "Theme" under the key (root already set), or -1.
int ReadOfficeThemeValue(TRegistry& Reg, const QString& Key);
TOfficeTheme GetOfficeTheme();

// The office suite's settings keys under HKEY_CURRENT_USER.
inline const QString Office14CommonKey = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");
inline const QString Office12CommonKey = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common");
