// The settings file Quillor.xml: read once at start, written at every close of
// the main window and after every OK of the options dialog.
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

// Each value is looked up on its own: a missing or odd element gives its
// default and leaves the others alone. A file that cannot be parsed at all
// (empty, cut short, not XML) gives the defaults of every value.
void TFQuilloreFirmWare::Read_Setting() {
  SetDefaults();
  if (!FileExists(SettingsFile)) return;
  if (!FXML1->LoadFromFile(SettingsFile)) return;
  const TXmlNode root = FXML1->Root();
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

// The document is shared with other users, so whatever they left is cleared
// first. The file is replaced whole or not at all; a failed write leaves the
// previous settings in place and does not keep the window from closing.
void TFQuilloreFirmWare::Save_Setting() {
  FXML1->Clear();
  TXmlNode root = FXML1->CreateRoot(RootName);
  for (const auto& s : TextSettings) root.AddChild(s.Group).AddChild(s.Leaf).SetText(*s.Value);
  TXmlNode flags = root.AddChild(FlagGroup);
  for (const auto& f : FlagSettings) flags.AddChild(f.Leaf).SetText(*f.Value ? "1" : "0");
  FXML1->SaveToFile(SettingsFile);
}
