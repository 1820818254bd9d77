#include "grid/foundation/PlexStringGridCheck.h"

QString TPlexStringGridCheck::MarkError(int, int, const QString& Value) { return Value; }

QString TPlexStringGridCheck::Correct(int, int, const QString& Value) { return Value; }

void TPlexStringGridCheck::StartCheck() {}

void TPlexStringGridCheck::StopCheck() {}
