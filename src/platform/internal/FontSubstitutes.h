// The installed face that stands in for a face the forms name (Windows faces).
// One table decides it for the canvas fonts and the widgets' fonts alike.
#pragma once

#include <QString>

QString SubstituteFamily(const QString& name);
