// The settings file Quillor.xml: read once at start, written at every close of
// the main window and after every OK of the options dialog.
#include "app/SettingsFile.h"
#include "app/UQuilloreFirmWare.h"

#include "common/ShellState.h"
#include "platform/Files.h"
#include "platform/Xml.h"

#include <array>

namespace {

constexpr const char* RootName = "Conf_Settings";
constexpr const char* FlagGroup = "lastinternet";

struct TTextSetting {
  QString* Value;
  const char* Group;
  const char* Leaf;
  const char* Default;
};

// In the order the file lists them.
const std::array<TTextSetting, 3> TextSettings{{
    {&ProjectName, "lastproj", "projectname", ""},
    {&LastDeviceIp, "lastipadd", "ipaddress", "192.168.2.205"},
    {&LanguageName, "lastlang", "language", "English"},
}};

struct TFlagSetting {
  bool* Value;
  const char* Leaf;
};

const std::array<TFlagSetting, 4> FlagSettings{{
    {&EnableInternet, "enable_internet"},
    {&EnableUpdate, "enable_update"},
    {&EnableJumpFieldTables, "enable_jump_field_tables"},
    {&DoubleClickAutoSize, "Double_Click_Auto_Size"},
}};

void SetDefaults() {
  for (const auto& s : TextSettings) *s.Value = QString::fromLatin1(s.Default);
  for (const auto& f : FlagSettings) *f.Value = false;
  ProjectFolder.clear();
}

}  // namespace

void Read_Settings_File(TXmlDocument& xml) {
  SetDefaults();
  if (!FileExists(SettingsFile)) return;
  if (!xml.LoadFromFile(SettingsFile)) return;
  const TXmlNode root = xml.Root();
  for (const auto& s : TextSettings) {
    const TXmlNode leaf = root.ChildNode(s.Group).ChildNode(s.Leaf);
    if (!leaf.IsNull()) *s.Value = leaf.Text();
  }
  const TXmlNode flags = root.ChildNode(FlagGroup);
  for (const auto& f : FlagSettings) {
    const TXmlNode leaf = flags.ChildNode(f.Leaf);
    *f.Value = !leaf.IsNull() && leaf.Text() == "1";
  }
}

// The document is shared with other users, so whatever they left is cleared first.
bool Save_Settings_File(TXmlDocument& xml) {
  xml.Clear();
  TXmlNode root = xml.CreateRoot(RootName);
  for (const auto& s : TextSettings) root.AddChild(s.Group).AddChild(s.Leaf).SetText(*s.Value);
  TXmlNode flags = root.AddChild(FlagGroup);
  for (const auto& f : FlagSettings) flags.AddChild(f.Leaf).SetText(*f.Value ? "1" : "0");
  return xml.SaveToFile(SettingsFile);
}

void TFQuilloreFirmWare::Read_Setting() { Read_Settings_File(*FXML1); }

// A failed write leaves the previous settings in place and does not keep the
// window from closing.
void TFQuilloreFirmWare::Save_Setting() { Save_Settings_File(*FXML1); }
