// The settings file on any bytes: reading never fails, and what is then
// written reads back to the same values.
#include "FuzzSupport.h"

#include "app/SettingsFile.h"
#include "common/ShellState.h"
#include "platform/Xml.h"

namespace {

struct TSettingsValues {
  QString Project, DeviceIp, Language;
  bool Internet, Update, JumpFieldTables, DoubleClickAutoSize;
  bool operator==(const TSettingsValues&) const = default;
};

TSettingsValues Current() {
  return {ProjectName,  LastDeviceIp,          LanguageName,       EnableInternet,
          EnableUpdate, EnableJumpFieldTables, DoubleClickAutoSize};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SettingsFile = fuzz::ScratchFolder() + "/Quillor.xml";
  fuzz::WriteFile(SettingsFile, fuzz::Bytes(data, size));
  TXmlDocument xml;
  Read_Settings_File(xml);
  const TSettingsValues read = Current();
  if (!Save_Settings_File(xml)) std::abort();
  Read_Settings_File(xml);
  if (!(Current() == read)) std::abort();
  return 0;
}
