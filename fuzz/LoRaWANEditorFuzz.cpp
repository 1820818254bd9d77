// A project's LoRaWAN_Gateway.xml on any bytes (optionally followed by a NUL
// byte and its ParGen.xml) through the gateway editor: FormShow reads it into
// the device list and the rule grids, which paint; the grids copied back and
// written read again through FormShow and write the same bytes.
#include "FuzzSupport.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "lorawan/ULoRaWAN_Gateway.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

TFLoRaWAN_Gateway* TheForm = nullptr;

void FreeForm() {
  delete TheForm;
  TheForm = nullptr;
}

// One form for the run, as in the program: it is shown again for every input.
TFLoRaWAN_Gateway& Form() {
  if (!TheForm) {
    FillDefaultTexts();
    SoftwareCode = "CFZ9KAD";
    TheForm = new TFLoRaWAN_Gateway(nullptr);
    TheForm->DoCreate();
    qAddPostRoutine(FreeForm);
  }
  return *TheForm;
}

QByteArray ShowAndWrite(TFLoRaWAN_Gateway& F) {
  F.FormShow(&F);
  F.Widget()->grab();
  F.Save_Device_List();
  F.Save_UpLink_Rules_List();
  F.Save_DownLink_Rules_List();
  if (!F.Model.Save_Configuration()) return {};
  return fuzz::ReadFile(LoRaWANGatewayFile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::EnsureApplication();
  static TScriptedDialogScope dialogs;
  const auto [gateway, parGen] = fuzz::SplitAtNul(fuzz::Bytes(data, size));
  ProjectFolder = fuzz::ScratchFolder();
  ParGenFile = ProjectFolder + "/ParGen.xml";
  LoRaWANGatewayFile = ProjectFolder + "/LoRaWAN_Gateway.xml";
  fuzz::WriteFile(LoRaWANGatewayFile, gateway);
  if (parGen.isEmpty())
    QFile::remove(ParGenFile);
  else
    fuzz::WriteFile(ParGenFile, parGen);

  TFLoRaWAN_Gateway& f = Form();
  const QByteArray saved = ShowAndWrite(f);
  if (saved.isEmpty()) return 0;
  if (ShowAndWrite(f) != saved) std::abort();
  return 0;
}
