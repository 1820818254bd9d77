#include "support/ShellTestProgram.h"

#include "app/UOpenConf.h"
#include "common/button/LbButton.h"
#include "platform/StdCtrls.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Opens the dialog from the main window; `whileShown` sees it shown, then it
// is closed with `result`. Returns the list's selection at showing.
int OpenThroughDialog(TFQuilloreFirmWare& w, TModalResult result, const std::function<void()>& whileShown = {}) {
  int selected = -2;
  TShellTestProgram::ExpectModal(
      FOpenConf, [&] { w.Btn_Click(w.Btn_Open); },
      [&] {
        selected = FOpenConf->ListBox1->ItemIndex();
        if (whileShown) whileShown();
      },
      result);
  return selected;
}

}  // namespace

TEST(OpenProject, OkOpensTheSelectedProjectAndSwitchesThePaths) {
  TShellTestProgram p;
  for (const char* name : {"Alpha", "Beta", "Gamma"}) p.MakeProject(name);
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  // With no project open the first entry is preselected and OK opens it.
  EXPECT_EQ(OpenThroughDialog(w, mrOk), 0);
  EXPECT_EQ(ProjectName, "Alpha");
  EXPECT_EQ(ParGenFile, p.ProjectsPath() + "/Alpha/ParGen.xml");
  // A click in the list chooses another one.
  OpenThroughDialog(w, mrOk, [] {
    QListWidget* list = FOpenConf->ListBox1->List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
  });
  EXPECT_EQ(ProjectName, "Gamma");
  EXPECT_EQ(ProjectFolder, p.ProjectsPath() + "/Gamma");
  EXPECT_EQ(S7ProtocolFile, p.ProjectsPath() + "/Gamma/S7_Protocol.xml");
  EXPECT_EQ(w.L_Name_Conf_L2->Caption(), "Gamma");
}

TEST(OpenProject, TheCurrentProjectIsPreselectedIgnoringLetterCase) {
  TShellTestProgram p;
  for (const char* name : {"alpha", "beta"}) p.MakeProject(name);
  TFQuilloreFirmWare& w = p.Start();
  ProjectName = "BETA";
  ProjectFolder = p.ProjectsPath() + "/BETA";
  EXPECT_EQ(FOpenConf->Search_Open_Conf("BETA"), -1);  // before the first listing
  EXPECT_EQ(OpenThroughDialog(w, mrOk), 1);
  EXPECT_EQ(ProjectName, "beta");
}

TEST(OpenProject, CancelChangesNothing) {
  TShellTestProgram p;
  p.MakeProject("Alpha");
  TFQuilloreFirmWare& w = p.Start();
  OpenThroughDialog(w, mrCancel);
  EXPECT_TRUE(ProjectName.isEmpty());
  EXPECT_TRUE(ProjectFolder.isEmpty());
  EXPECT_EQ(ParGenFile, "/ParGen.xml");
}

TEST(OpenProject, AnEmptyListOpensNothingEvenAfterAnEarlierChoice) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  EXPECT_EQ(OpenThroughDialog(w, mrOk), -1);
  EXPECT_TRUE(ProjectFolder.isEmpty());
  EXPECT_EQ(w.L_Name_Conf->Caption(), "None Configuration Opened ");

  p.MakeProject("Alpha");
  OpenThroughDialog(w, mrOk);
  EXPECT_EQ(ProjectName, "Alpha");
  ASSERT_TRUE(QDir(p.ProjectsPath() + "/Alpha").removeRecursively());
  EXPECT_EQ(OpenThroughDialog(w, mrOk), -1);
  EXPECT_TRUE(ProjectName.isEmpty());
  EXPECT_TRUE(ProjectFolder.isEmpty());
  EXPECT_EQ(w.L_Name_Conf_L2->Caption(), "Use Step1 to open or create new configuration");
  EXPECT_EQ(ParGenFile, "/ParGen.xml");
}

TEST(OpenProject, OnlyFoldersAreListed) {
  TShellTestProgram p;
  p.MakeProject("Alpha");
  WriteFileAtomic(p.ProjectsPath() + "/notes.txt", "x");
  TFQuilloreFirmWare& w = p.Start();
  OpenThroughDialog(w, mrCancel);
  EXPECT_EQ(FOpenConf->ListBox1->Items().Count(), 1);
  EXPECT_EQ(FOpenConf->ListBox1->Items()[0], "Alpha");
}

TEST(OpenProject, ButtonsKeepToTheRightWhenTheDialogIsResized) {
  TShellTestProgram p;
  p.Start();
  EXPECT_EQ(FOpenConf->ClientWidth(), 377);
  EXPECT_EQ(FOpenConf->ClientHeight(), 351);
  const int gap = FOpenConf->ClientWidth() - (FOpenConf->Btn_Cancel->Left() + FOpenConf->Btn_Cancel->Width());
  FOpenConf->SetClientWidth(500);
  FOpenConf->SetClientHeight(420);
  EXPECT_EQ(FOpenConf->ClientWidth() - (FOpenConf->Btn_Cancel->Left() + FOpenConf->Btn_Cancel->Width()), gap);
  EXPECT_EQ(FOpenConf->ListBox1->Width(), 500);
  EXPECT_LT(FOpenConf->Btn_OK->Left(), FOpenConf->Btn_Cancel->Left());
}

TEST(OpenProject, TheListFollowsTheFourEdgesWhenTheWindowSystemResizesTheDialog) {
  TShellTestProgram p;
  p.Start();
  TShellTestProgram::ExpectModal(
      FOpenConf, [] { FOpenConf->ShowModal(); },
      [] {
        const int gap = FOpenConf->ClientWidth() - (FOpenConf->Btn_Cancel->Left() + FOpenConf->Btn_Cancel->Width());
        FOpenConf->Widget()->resize(520, 430);  // a drag of the window's corner
        QApplication::processEvents();
        EXPECT_EQ(FOpenConf->ClientWidth(), 520);
        EXPECT_EQ(FOpenConf->ClientHeight(), 430);
        EXPECT_EQ(FOpenConf->ListBox1->BoundsRect(), Bounds(0, 88, 520, 430 - 88 - 41));
        EXPECT_EQ(FOpenConf->ListBox1->Widget()->geometry(), QRect(0, 88, 520, 430 - 88 - 41));
        EXPECT_EQ(FOpenConf->ClientWidth() - (FOpenConf->Btn_Cancel->Left() + FOpenConf->Btn_Cancel->Width()), gap);
      },
      mrCancel);
}

// A folder whose name the settings file could not hold as it stands is
// refused with the project message, and the project open before stays open.
TEST(OpenProject, AFolderNameWithAControlCharacterIsNotOpened) {
  TShellTestProgram p;
  p.MakeProject(QString("Plant") + QChar(1) + "A");
  p.MakeProject("Plant B");
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  const auto clickItem = [](int row) {
    return [row] {
      QListWidget* list = FOpenConf->ListBox1->List();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    };
  };
  OpenThroughDialog(w, mrOk, clickItem(1));
  ASSERT_EQ(ProjectName, "Plant B");
  p.Dialogs->ClearRecords();
  OpenThroughDialog(w, mrOk, clickItem(0));
  ASSERT_EQ(p.Dialogs->Records().size(), 1u);
  EXPECT_EQ(p.Dialogs->Records()[0].Text, "Error! Project not Valid");
  EXPECT_EQ(ProjectName, "Plant B");
  EXPECT_EQ(ProjectFolder, p.ProjectsPath() + "/Plant B");
}
