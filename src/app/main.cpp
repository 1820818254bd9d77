// Program entry: the application object, the forms in their order, the event
// loop until the main window closes. No command line is read.
#include "app/UStartup.h"
#include "grid/foundation/GridUnits.h"
#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/Screenshot.h"
#include "platform/SysUtils.h"

int main(int argc, char** argv) {
  TApplicationHost host(argc, argv);
  LoadLocaleFormatSettings();
  // The grid library's units start before the application object.
  InitGridUnits();
  Application()->MainFormOnTaskBar = true;
  CreateForms();
  ScheduleStartupScreenshot(Application()->MainForm()->Widget());
  int rc = Application()->Run();
  DestroyApplication();
  FinalizeGridUnits();
  return rc;
}
