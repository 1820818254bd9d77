#include "app/UStartup.h"

#include "app/FormRegistry.h"
#include "platform/Application.h"

void CreateForms() {
  for (const TFormEntry& form : FormRegistry()) form.Create(*Application());
}
