// Reading hostile SCL files: a type that names itself and a 2.5 KB file whose
// templates each name the next eight times (8^8 attributes unbounded). The
// goal: each read ends, with a tree or a refusal, within a second.
#include "tables/iec_opcua_mqtt/UIEC_Client_Decode.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const char* const SelfNaming =
    "<SCL><IED name='LOOP'><AccessPoint><Server><LDevice inst='LD0'><LN0 lnClass='LLN0' lnType='L'/></LDevice>"
    "</Server></AccessPoint></IED><DataTypeTemplates><LNodeType id='L'><DO name='Mod' type='D'/></LNodeType>"
    "<DOType id='D'><DA name='v' bType='Struct' type='S'/></DOType><DAType id='S'><BDA name='x' bType='INT32'/>"
    "<BDA name='self' bType='Struct' type='S'/></DAType></DataTypeTemplates></SCL>";

QByteArray FanOut() {
  QByteArray text =
      "<SCL><IED name='BOMB'><AccessPoint><Server><LDevice inst='LD0'><LN0 lnClass='LLN0' lnType='L'/></LDevice>"
      "</Server></AccessPoint></IED><DataTypeTemplates><LNodeType id='L'><DO name='D' type='D'/></LNodeType>"
      "<DOType id='D'><DA name='a' bType='S' type='T0'/></DOType>";
  for (int i = 0; i < 7; ++i) {
    text += QStringLiteral("<DAType id='T%1'>").arg(i).toUtf8();
    for (int j = 0; j < 8; ++j) text += QStringLiteral("<BDA name='b%1' bType='S' type='T%2'/>").arg(j).arg(i + 1).toUtf8();
    text += "</DAType>";
  }
  return text + "<DAType id='T7'><BDA name='leaf' bType='INT8'/></DAType></DataTypeTemplates></SCL>";
}

void ReadScl(benchmark::State& state, const QByteArray& Text) {
  QTemporaryDir dir;
  QFile file(dir.path() + "/bench.icd");
  if (!file.open(QIODevice::WriteOnly)) state.SkipWithError("no scratch folder");
  file.write(Text);
  file.close();
  for (auto _ : state) {
    try {
      TIEC_Device device(file.fileName());
      benchmark::DoNotOptimize(device.List_LDevice.size());
    } catch (const ESclError&) {
    }
  }
}

}  // namespace

BENCHMARK_CAPTURE(ReadScl, self_naming, QByteArray(SelfNaming))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadScl, fan_out, FanOut())->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
