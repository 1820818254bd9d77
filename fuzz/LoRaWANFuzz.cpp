// A project's ParGen.xml and LoRaWAN_Gateway.xml on any bytes (the two
// documents separated by a NUL byte): the device list reads them without
// failing, what it writes reads back and writes to the same bytes, and the
// image builder either builds both banks or says why not.
#include "FuzzSupport.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "lorawan/ConfigBanks.h"
#include "lorawan/LoRaWANDevices.h"
#include "platform/Dialogs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TScriptedDialogScope dialogs;
  static const bool texts = (FillDefaultTexts(), true);
  (void)texts;
  dialogs->ClearRecords();
  const auto [parGen, gateway] = fuzz::SplitAtNul(fuzz::Bytes(data, size));
  ProjectFolder = fuzz::ScratchFolder();
  ParGenFile = ProjectFolder + "/ParGen.xml";
  LoRaWANGatewayFile = ProjectFolder + "/LoRaWAN_Gateway.xml";
  fuzz::WriteFile(ParGenFile, parGen);
  fuzz::WriteFile(LoRaWANGatewayFile, gateway);

  {
    TConfigBanks banks;
    const TBuildResult built = banks.Make_Config_Banks();
    if (built.Ok == banks.Bank1().isEmpty()) std::abort();
    if (!built.Ok && built.Message.isEmpty()) std::abort();
  }

  TLoRaWANDevices first;
  first.Load_Configuration();
  if (!first.Save_Configuration()) return 0;
  const QByteArray saved = fuzz::ReadFile(LoRaWANGatewayFile);
  TLoRaWANDevices second;
  if (!second.Load_Configuration()) std::abort();
  if (!second.Save_Configuration() || fuzz::ReadFile(LoRaWANGatewayFile) != saved) std::abort();
  return 0;
}
