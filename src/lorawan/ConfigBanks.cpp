#include "lorawan/ConfigBanks.h"

#include "common/ShellState.h"
#include "lorawan/Bank2Image.h"
#include "lorawan/ImageBuildError.h"
#include "platform/Classes.h"
#include "platform/Dialogs.h"
#include "platform/FileGroup.h"
#include "platform/Files.h"
#include "platform/Xml.h"

bool ShowBuildResult(const TBuildResult& result) {
  if (!result.Ok) MessageDlg(result.Message, mtError, {mbOK});
  return result.Ok;
}

TConfigBanks::TConfigBanks() : FOwnXml(std::make_unique<TXmlDocument>()), FXml(*FOwnXml) {}

TConfigBanks::TConfigBanks(TXmlDocument& xml) : FXml(xml) {}

TConfigBanks::~TConfigBanks() = default;

TBuildResult TConfigBanks::Make_Config_Banks() {
  try {
    Build_Config_Banks();
    return {};
  } catch (const Exception& error) {
    FBank1.clear();
    FBank2.clear();
    return {false, error.Message()};
  }
}

void TConfigBanks::Build_Config_Banks() {
  FBank1.clear();
  FBank2.clear();
  // Every build starts from nothing, so no value of an earlier build or
  // project can reach this one's images.
  FParGen = TLoRaWAN_ParGen();
  FParamBlock.Init_Param_Block();
  TLoRaWAN_Infos infos;
  TStringList confLines;

  FParamBlock.Load_ParGen_Block(FXml, ParGenFile, FParGen, infos);
  FParamBlock.SetBank2Address(Bank2LoadAddress);
  Load_LoRaWAN_Devices(FXml, LoRaWANGatewayFile, Bank2LoadAddress, FParGen, infos, confLines);

  QByteArray bank1, bank2;
  FParamBlock.Write_Bank1(0, bank1);
  const int bank2Length = Write_Bank2(0, bank2, infos, confLines);
  if (bank2Length > Bank2AreaSize)
    throw EImageBuildError(Format(ImageBuildTexts::Bank2TooLarge, {bank2Length, Bank2AreaSize}));
  FBank1 = std::move(bank1);
  FBank2 = std::move(bank2);
}

TBuildResult TConfigBanks::Store_Bank_Files() const {
  if (FBank1.isEmpty() || FBank2.isEmpty()) return {false, ImageBuildTexts::NoImages};
  if (ProjectFolder.isEmpty()) return {false, ImageBuildTexts::NoProject};
  const QString binFolder = IncludeTrailingPathDelimiter(ProjectFolder) + "bin";
  const QString bank1File = binFolder + "/bank1.bin";
  const QString bank2File = binFolder + "/bank2.bin";
  if (!DirectoryExists(binFolder) && !ForceDirectories(binFolder))
    return {false, Format(ImageBuildTexts::CannotWrite, {bank1File})};
  // A new bank 1 beside an old bank 2 would describe a device that does not exist.
  const int failed = WriteFilesTogether({{bank1File, FBank1}, {bank2File, FBank2}});
  if (failed >= 0) return {false, Format(ImageBuildTexts::CannotWrite, {failed == 0 ? bank1File : bank2File})};
  return {};
}
