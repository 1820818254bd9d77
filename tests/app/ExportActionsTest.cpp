// The main window's device-description actions on an open project: the
// GSDML name dialog typed into and closed with Enter or Escape, the GSD and
// the MIB writers behind their buttons.
#include "app/UQuilloreFirmWare.h"

#include "app/UOpenConf.h"
#include "common/ShellState.h"
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
