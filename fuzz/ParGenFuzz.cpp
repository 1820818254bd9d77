// ParGen.xml on any bytes, through the general-parameters form as the user
// meets it (shown, then OK): reading never fails, and once OK has written the
// file, showing the form again and pressing OK writes the same bytes.
#include "FuzzSupport.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "parameters/UParGen.h"
#include "platform/Dialogs.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::EnsureApplication();
  static TScriptedDialogScope dialogs;
  static const bool texts = (FillDefaultTexts(), true);
  (void)texts;
  SoftwareCode = "CFZ9KAD";
  ProjectFolder = fuzz::ScratchFolder();
  const auto form = std::make_unique<TFParGen>(nullptr);
  form->DoCreate();
  ParGenFile = fuzz::ScratchFolder() + "/ParGen.xml";
  fuzz::WriteFile(ParGenFile, fuzz::Bytes(data, size));
  dialogs->ClearRecords();
  const auto showAndPressOK = [&form] {
    form->Show();
    form->SetModalResult(mrNone);
    form->Btn_OKClick(nullptr);
    const bool written = form->ModalResult() == mrOk;
    form->Hide();
    return written;
  };
  if (!showAndPressOK()) return 0;  // a check refused the values read
  const QByteArray first = fuzz::ReadFile(ParGenFile);
  if (!showAndPressOK() || fuzz::ReadFile(ParGenFile) != first) std::abort();
  return 0;
}
