// The configuration image builder: turns the project's ParGen.xml and
// LoRaWAN_Gateway.xml into bank1.bin (the parameter block) and bank2.bin (the
// LoRaWAN devices, rules and concentrator text) for the device update.
#pragma once

#include "lorawan/LoRaWANRecords.h"
#include "lorawan/ParamBlock.h"

#include <QByteArray>
#include <QString>

#include <memory>

class TXmlDocument;

// What a build or a store answers; the caller shows Message when not Ok.
struct TBuildResult {
  bool Ok = true;
  QString Message;
};

// Shows a failed result's message in an error dialog; answers whether the
// result was Ok, so the update can stop at the first failure.
bool ShowBuildResult(const TBuildResult& result);

class TConfigBanks {
public:
  // With a document of its own, or sharing the caller's one operation at a time.
  TConfigBanks();
  explicit TConfigBanks(TXmlDocument& xml);
  ~TConfigBanks();
  TConfigBanks(const TConfigBanks&) = delete;
  TConfigBanks& operator=(const TConfigBanks&) = delete;

  // Builds both images in memory from ParGenFile and LoRaWANGatewayFile. On a
  // failure no image is kept, so Store_Bank_Files has nothing to write.
  TBuildResult Make_Config_Banks();
  // Writes <ProjectFolder>/bin/bank1.bin and bank2.bin, creating the bin folder
  // when it is missing; each file is replaced whole or left as it was.
  TBuildResult Store_Bank_Files() const;

  const QByteArray& Bank1() const { return FBank1; }
  const QByteArray& Bank2() const { return FBank2; }
  // The LoRaWAN settings of the last build.
  const TLoRaWAN_ParGen& LoRaWAN_ParGen() const { return FParGen; }

private:
  void Build_Config_Banks();

  std::unique_ptr<TXmlDocument> FOwnXml;
  TXmlDocument& FXml;
  TParamBlock FParamBlock;
  TLoRaWAN_ParGen FParGen;
  QByteArray FBank1;
  QByteArray FBank2;
};
