// The faces the forms name (Windows faces) shown in an installed face of the
// same build. The one place that decides it; the program's application object
// applies it at start, a bench or tool that builds its own application calls it.
#pragma once

void SubstituteFormFonts();
