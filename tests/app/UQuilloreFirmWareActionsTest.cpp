// The main window's update step, from its button to the update tool.
#include "app/UQuilloreFirmWare.h"

#include "common/button/LbButton.h"
#include "lorawan/ConfigBanks.h"
#include "lorawan/UBoot.h"
#include "platform/StdCtrls.h"
#include "support/ShellTestProgram.h"
#include "support/UpdateTestKit.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

void Click(TLbButton* b) { QTest::mouseClick(b->Widget(), Qt::LeftButton, {}, QPoint(5, 5)); }

QString Fixture(const QString& name) { return QString(QUILLORE_FIXTURES) + "/lorawan/" + name; }

QByteArray FileBytes(const QString& path) {
  QByteArray bytes;
  ReadFileBytes(path, bytes);
  return bytes;
}

// The text the stand-in copied from the parameter file it found.
QByteArray RecordedParameterFile(const QString& folder) {
  const QByteArray record = FileBytes(folder + "/Ethernet_Update.record");
  const int begin = record.indexOf("xml-begin\n");
  const int end = record.lastIndexOf("\nxml-end");
  if (begin < 0 || end < 0) return {};
  return record.mid(begin + 10, end - begin - 10);
}

}  // namespace

TEST(UpdateDevice, FromTheButtonToTheUpdateTool) {
  TShellTestProgram p;
  p.MakeProject("Plant");
  const QString project = p.ProjectsPath() + "/Plant";
  ASSERT_TRUE(CopyFileReplace(Fixture("ParGen_gateway_eu868.xml"), project + "/ParGen.xml"));
  ASSERT_TRUE(CopyFileReplace(Fixture("LoRaWAN_Gateway.xml"), project + "/LoRaWAN_Gateway.xml"));
  p.WriteSettings("<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj></Conf_Settings>");
  InstallUpdateTool(p.Folder(), true);
  TScriptedEcho echo;
  echo.Otherwise = TScriptedEcho::Reply;
  TEchoScope echoInUse(&echo);
  TFQuilloreFirmWare& w = p.Start();
  w.Show();

  const bool shown = TShellTestProgram::ExpectModal(
      FBoot, [&] { Click(w.Btn_CreateBin); },
      [&] {
        FBoot->E_IP4->SetText("31");
        Click(FBoot->Btn_Update);
      },
      mrCancel);

  EXPECT_TRUE(shown);
  EXPECT_TRUE(p.Dialogs->Records().empty());
  EXPECT_EQ(echo.Requests.size(), 2u);
  EXPECT_EQ(UpdateToolStarts(p.Folder()), 1);
  const QStringList record = UpdateToolRecord(p.Folder());
  EXPECT_TRUE(record.contains("argc=0"));
  EXPECT_TRUE(record.contains("show=1"));
  const QByteArray parameters = FileBytes(p.Folder() + "/Ethernet_Update.xml");
  EXPECT_FALSE(parameters.isEmpty());
  EXPECT_EQ(RecordedParameterFile(p.Folder()), parameters);
  EXPECT_TRUE(parameters.contains("<IP_Address_Dev>192.168.2.31</IP_Address_Dev>"));
  EXPECT_TRUE(parameters.contains("<Ope_FileName>" + (project + "/bin/bank2.bin").toUtf8() + "</Ope_FileName>"));
  EXPECT_EQ(LastDeviceIp, "192.168.2.31");

  // The bank files are the images of the project's two files.
  TConfigBanks banks;
  ASSERT_TRUE(banks.Make_Config_Banks().Ok);
  EXPECT_EQ(FileBytes(project + "/bin/bank1.bin"), banks.Bank1());
  EXPECT_EQ(FileBytes(project + "/bin/bank2.bin"), banks.Bank2());
}

TEST(UpdateDevice, BankFilesThatCannotBeWrittenStopBeforeTheUpdateForm) {
  TShellTestProgram p;
  const QString project = p.ProjectsPath() + "/Plant";
  ASSERT_TRUE(ForceDirectories(project));
  ASSERT_TRUE(WriteFileAtomic(project + "/bin", "a file where the bin folder belongs"));
  p.WriteSettings("<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj></Conf_Settings>");
  InstallUpdateTool(p.Folder(), true);
  TFQuilloreFirmWare& w = p.Start();
  w.Show();

  EXPECT_FALSE(TShellTestProgram::ExpectModal(FBoot, [&] { Click(w.Btn_CreateBin); }));

  ASSERT_EQ(p.Dialogs->Records().size(), 1u);
  EXPECT_EQ(p.Dialogs->Records()[0].Type, mtError);
  EXPECT_TRUE(p.Dialogs->Records()[0].Text.contains(project + "/bin/bank1.bin"));
  EXPECT_EQ(UpdateToolStarts(p.Folder()), 0);
  EXPECT_FALSE(FileExists(p.Folder() + "/Ethernet_Update.xml"));
}
