#include "platform/FontSubstitutes.h"

#include <QFont>

namespace {

// The faces the system's forms and controls name.
constexpr const char* FormFaces[] = {"Verdana", "Tahoma", "Segoe UI", "MS Sans Serif"};
// Installed with the program's dependencies; metrics close to the named faces.
constexpr const char* InstalledFace = "DejaVu Sans";

}  // namespace

void SubstituteFormFonts() {
  for (const char* face : FormFaces) QFont::insertSubstitution(face, InstalledFace);
}
