// Program entry: the application object, the forms in their order, the event loop.
#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/Screenshot.h"
#include "platform/SysUtils.h"

#include <QFont>

int main(int argc, char** argv) {
  TQtApplication app(argc, argv);
  // The forms name Windows faces; show them in an installed face of the same build.
  for (const char* face : {"Verdana", "Tahoma", "Segoe UI", "MS Sans Serif"}) QFont::insertSubstitution(face, "DejaVu Sans");
  LoadLocaleFormatSettings();
  TForm* mainForm = nullptr;
  Application()->CreateForm(mainForm);
  mainForm->SetClientWidth(694);
  mainForm->SetClientHeight(396);
  mainForm->Position = poScreenCenter;
  ScheduleStartupScreenshot(mainForm->Widget());
  int rc = Application()->Run();
  DestroyApplication();
  return rc;
}
