// The main window's device-description actions on an open project: the
// GSDML name dialog typed into and closed with Enter or Escape, the GSD and
// the MIB writers behind their buttons.
#include "app/UQuilloreFirmWare.h"

#include "app/UOpenConf.h"
#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "common/button/LbButton.h"
#include "platform/DateTime.h"
#include "platform/Dialogs.h"
#include "platform/StdCtrls.h"
#include "support/ShellTestProgram.h"
#include "tables/snmp_ethernet/UProfinetFileName.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ExportActions : public ::testing::Test {
protected:
  void SetUp() override { SetNowOverride(EncodeDate(2013, 1, 9) + EncodeTime(9, 0, 0, 0)); }
  void TearDown() override { ClearNowOverride(); }

  TFQuilloreFirmWare& OpenPlant() {
    p.MakeProject("Plant");
    TFQuilloreFirmWare& w = p.Start();
    w.Show();
    EXPECT_TRUE(TShellTestProgram::ExpectModal(FOpenConf, [&] { w.Open_Project(); }));
    EXPECT_EQ(ProjectName, "Plant");
    return w;
  }

  TShellTestProgram p;
};

}  // namespace

TEST_F(ExportActions, TheGsdmlNameIsTypedAndConfirmedWithEnterAndEscapeWritesNothing) {
  TFQuilloreFirmWare& w = OpenPlant();
  EXPECT_EQ(FProfinetFileName->L_XML_Fix2->Caption(), "-20130109.xml");
  p.Dialogs->AnswerFile(ProjectFolder + "/whatever.xml");
  EXPECT_TRUE(TShellTestProgram::ExpectModal(
      FProfinetFileName, [&] { w.Btn_Click(w.Btn_PROFINET_XML); },
      [] {
        FProfinetFileName->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(FProfinetFileName->Widget()));
        FProfinetFileName->E_XML_User->SetFocus();
        QTest::keyClicks(QApplication::focusWidget(), "line2");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      }));
  const QString written = ProjectFolder + "/GSDML-V2.25-Velmor-_line2-20130109.xml";
  EXPECT_TRUE(QFile::exists(written));
  EXPECT_FALSE(QFile::exists(ProjectFolder + "/whatever.xml"));

  QFile::remove(written);
  p.Dialogs->ClearRecords();
  EXPECT_TRUE(TShellTestProgram::ExpectModal(
      FProfinetFileName, [&] { w.Btn_Click(w.Btn_PROFINET_XML); },
      [] {
        FProfinetFileName->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(FProfinetFileName->Widget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      }));
  EXPECT_TRUE(p.Dialogs->Records().empty());
  EXPECT_FALSE(QFile::exists(written));
}

TEST_F(ExportActions, TheGsdAndMibButtonsRunTheirWriters) {
  TFQuilloreFirmWare& w = OpenPlant();
  w.Btn_Click(w.Btn_PROFIBUS_GSD);
  ASSERT_EQ(p.Dialogs->Records().size(), 1u);
  EXPECT_EQ(p.Dialogs->Records()[0].Text,
            "Error! Please set the Set Communication Parameter before to create the GSD file");

  p.Dialogs->AnswerFile(ProjectFolder + "/agent");
  w.Btn_Click(w.Btn_SNMP_MIB);
  ASSERT_EQ(p.Dialogs->Records().size(), 2u);
  EXPECT_EQ(p.Dialogs->Records()[1].InitialDir, ProjectFolder);
  EXPECT_TRUE(QFile::exists(ProjectFolder + "/agent"));
}

TEST_F(ExportActions, TheEdeActionCompletesTheNameAndAsksBeforeReplacing) {
  TFQuilloreFirmWare& w = OpenPlant();
  struct Case {
    QString Chosen, Written;
  };
  const Case names[] = {{"x", "x.csv"}, {"x.txt", "x.txt.csv"}, {"x.CsV", "x.CsV"}};
  for (const Case& c : names) {
    p.Dialogs->ClearRecords();
    p.Dialogs->AnswerFile(ProjectFolder + "/" + c.Chosen);
    w.Btn_Click(w.Btn_BACnet_EDE_File);
    ASSERT_EQ(p.Dialogs->Records().size(), 1u) << c.Chosen.toStdString();
    EXPECT_EQ(p.Dialogs->Records()[0].InitialDir, ProjectFolder);
    EXPECT_EQ(p.Dialogs->Records()[0].Filter, "CSV (MS-DOS) (*.csv)|*.csv");
    EXPECT_TRUE(QFile::exists(ProjectFolder + "/" + c.Written)) << c.Written.toStdString();
  }

  const QString existing = ProjectFolder + "/x.csv";
  const auto overwrite = [&](TModalResult Answer) {
    QFile f(existing);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("old");
    f.close();
    p.Dialogs->ClearRecords();
    p.Dialogs->AnswerFile(ProjectFolder + "/x");
    p.Dialogs->Answer(Answer);
    w.Btn_Click(w.Btn_BACnet_EDE_File);
    EXPECT_EQ(p.Dialogs->Records().size(), 2u);
    EXPECT_EQ(p.Dialogs->Records().back().Text, "File already exists! Do you want to overwrite the file?");
    EXPECT_EQ(p.Dialogs->Records().back().Buttons, mbYesNoCancel);
    QFile r(existing);
    EXPECT_TRUE(r.open(QIODevice::ReadOnly));
    return r.readAll();
  };
  EXPECT_EQ(overwrite(mrNo), "old");
  EXPECT_EQ(overwrite(mrCancel), "old");
  EXPECT_TRUE(overwrite(mrYes).startsWith("PROJECT_NAME; "));
}

TEST_F(ExportActions, TheEdsActionReplacesWithoutAQuestion) {
  TFQuilloreFirmWare& w = OpenPlant();
  const QString target = ProjectFolder + "/gateway.eds";
  QFile f(target);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("old");
  f.close();
  p.Dialogs->AnswerFile(target);
  w.Btn_Click(w.Btn_CANopen_EDS);
  ASSERT_EQ(p.Dialogs->Records().size(), 1u);
  EXPECT_EQ(p.Dialogs->Records()[0].InitialDir, ProjectFolder);
  QFile r(target);
  ASSERT_TRUE(r.open(QIODevice::ReadOnly));
  EXPECT_TRUE(r.readAll().startsWith("[FileInfo]\r\nFileName=CANopen_LoRaWAN_Gateway.eds\r\n"));
}

TEST_F(ExportActions, WithoutAProjectNothingIsAsked) {
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  for (TLbButton* button : {w.Btn_BACnet_EDE_File, w.Btn_CANopen_EDS}) {
    p.Dialogs->ClearRecords();
    w.Btn_Click(button);
    ASSERT_EQ(p.Dialogs->Records().size(), 1u);
    EXPECT_EQ(p.Dialogs->Records()[0].Text, LangText(18));
  }
}

TEST_F(ExportActions, TheBACnetTypeOfTheSettings) {
  TFQuilloreFirmWare& w = OpenPlant();
  struct Case {
    const char* ParGen;  // nullptr: no file
    int Type;
  };
  const Case cases[] = {{"<P><BACnet_Type>1</BACnet_Type></P>", 1},
                        {"<P><BACnet_Type>$10</BACnet_Type></P>", 16},
                        {"<P><BACnet_Type>abc</BACnet_Type></P>", 0},
                        {"<P><BACnet_DEV_IDE>5</BACnet_DEV_IDE></P>", 0},
                        {nullptr, 0}};
  for (const Case& c : cases) {
    QFile::remove(ParGenFile);
    if (c.ParGen) {
      QFile f(ParGenFile);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(c.ParGen);
    }
    EXPECT_EQ(w.Get_Type_BACnet(), c.Type) << (c.ParGen ? c.ParGen : "no file");
  }
}
