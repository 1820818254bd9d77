// The SCL reader on any bytes: it gives a tree or refuses the file, and the
// searches over whatever tree it gave end.
#include "FuzzSupport.h"

#include "tables/iec_opcua_mqtt/UIEC_Client_Decode.h"

namespace {
void Walk(const TIEC_DA& Da) {
  (void)Da.Find_First_DA();
  for (const auto& sub : Da.List_DA) Walk(*sub);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = fuzz::ScratchFolder() + "/fuzz.icd";
  fuzz::WriteFile(path, fuzz::Bytes(data, size));
  try {
    const TIEC_Device device(path);
    for (const auto& ld : device.List_LDevice)
      for (const auto& ln : ld->List_LN) {
        for (const auto& dataObject : ln->List_DO) {
          (void)ln->Find_DO(dataObject->Name + "x");
          (void)dataObject->Find_DA("f");
          for (const auto& da : dataObject->List_DA) Walk(*da);
        }
        for (const auto& dataSet : ln->List_DataSet)
          for (const TIEC_DA* member : dataSet->List_DA)
            if (!member) std::abort();
      }
  } catch (const ESclError&) {
  }
  return 0;
}
