// Building both configuration images for a full gateway project (1,000
// devices with 10 rules each), against loading the same LoRaWAN_Gateway.xml
// through the XML document alone.
#include "lorawan/ConfigBanks.h"
#include "common/ShellState.h"
#include "platform/Files.h"
#include "platform/Xml.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Devices = 1000;
constexpr int UpLinksPerDevice = 5;
constexpr int DownLinksPerDevice = 5;

QString UpLink(int i) {
  return QString(R"(<Rule Enable="Y" Port="%1" StartTest="0" LenTest="4" HexTest="Y" ValueTest="0A0B0C0D" )"
                 R"(StartBit="%2" NumberBits="4" PositionBit="%3" Mnemonic="uplink %1"/>)")
      .arg(i + 1)
      .arg(i % 100)
      .arg(i % 1500);
}

QString DownLink(int i) {
  return QString(R"(<Rule Enable="Y" Port="%1" StartBit="0" NumberBits="2" OnChange="Y" OnCommand="N" OnTimer="Y" )"
                 R"(Time="60000" PositionBit="%2" Mnemonic="downlink %1"/>)")
      .arg(i + 100)
      .arg(i % 1500);
}

QString DevicesXml() {
  QString xml = "<LoRaWAN_Gateway>\n  <LoRaWAN_Devices_List>\n";
  for (int d = 0; d < Devices; ++d) {
    const QString eui = QString::number(0x70B3D57ED0000000ull + d, 16).toUpper().rightJustified(16, '0');
    xml += QString(R"(    <LoRaWAN_Device Enable="Y" DeviceEUI="%1" JoinEUI="70B3D57ED0000001" DeviceName="Sensor %2" )"
                   R"(ActivationMethod="Activation by Personalization [ABP]" )"
                   R"(NetworkSessionKey="000102030405060708090A0B0C0D0E0F" )"
                   R"(ApplicationSessionKey="F0E0D0C0B0A090807060504030201000" ApplicationKey="" )"
                   R"(DeviceAddress="%3" Class="A" DiagTimeOut="600000" RX2_Datarate="SF12BW125" Mnemonic="">)")
               .arg(eui)
               .arg(d)
               .arg(QString::number(0x26000000 + d, 16).toUpper());
    xml += "\n      <LoRaWAN_Rules>\n        <LoRaWAN_UpLink_Rules>\n";
    for (int r = 0; r < UpLinksPerDevice; ++r) xml += "          " + UpLink(d * 10 + r) + "\n";
    xml += "        </LoRaWAN_UpLink_Rules>\n        <LoRaWAN_DownLink_Rules>\n";
    for (int r = 0; r < DownLinksPerDevice; ++r) xml += "          " + DownLink(d * 10 + r) + "\n";
    xml += "        </LoRaWAN_DownLink_Rules>\n      </LoRaWAN_Rules>\n    </LoRaWAN_Device>\n";
  }
  return xml + "  </LoRaWAN_Devices_List>\n</LoRaWAN_Gateway>\n<!--SW_VERSION = 1.007-->\n";
}

const char* const ParGenXml =
    "<Par_Gen><LoRaWAN_Mode>Gateway</LoRaWAN_Mode><LoRaWAN_RF_Band>EU868</LoRaWAN_RF_Band>"
    "<LoRaWAN_Server_Address>lns.example.net</LoRaWAN_Server_Address>"
    "<LoRaWAN_RX2_Datarate>SF9BW125</LoRaWAN_RX2_Datarate><Modbus_TCP_Slave_EN_GAT>1</Modbus_TCP_Slave_EN_GAT>"
    "</Par_Gen>";

class TBenchProject {
public:
  TBenchProject() {
    ProjectFolder = FDir.path();
    ParGenFile = ProjectFolder + "/ParGen.xml";
    LoRaWANGatewayFile = ProjectFolder + "/LoRaWAN_Gateway.xml";
    WriteFileAtomic(ParGenFile, ParGenXml);
    WriteFileAtomic(LoRaWANGatewayFile, DevicesXml().toUtf8());
  }

private:
  QTemporaryDir FDir;
};

TBenchProject& Project() {
  static TBenchProject project;
  return project;
}

void BM_LoadDevicesXmlOnly(benchmark::State& state) {
  Project();
  for (auto _ : state) {
    TXmlDocument xml;
    benchmark::DoNotOptimize(xml.LoadFromFile(LoRaWANGatewayFile));
  }
}
BENCHMARK(BM_LoadDevicesXmlOnly)->Unit(benchmark::kMillisecond);

void BM_MakeConfigBanks(benchmark::State& state) {
  Project();
  TConfigBanks banks;
  for (auto _ : state) {
    const TBuildResult result = banks.Make_Config_Banks();
    if (!result.Ok) state.SkipWithError(result.Message.toStdString().c_str());
    benchmark::DoNotOptimize(banks.Bank2().size());
  }
  state.counters["bank2_bytes"] = double(banks.Bank2().size());
}
BENCHMARK(BM_MakeConfigBanks)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
