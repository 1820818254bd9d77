#include "support/ShellTestProgram.h"

#include "app/UNew_Project.h"
#include "common/button/LbButton.h"
#include "platform/StdCtrls.h"

#include <QDir>
#include <QImage>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Types the name into the dialog opened by the main window's step-1 button and
// confirms it with the OK button; the dialog is cancelled when it stays open.
TModalResult CreateThroughDialog(TFQuilloreFirmWare& w, const QString& name, bool withEnter = false) {
  TModalResult result = mrNone;
  TShellTestProgram::ExpectModal(
      FNew_Project, [&] { w.Btn_Click(w.Btn_New); },
      [&] {
        // Control characters cannot be typed; they come in by paste.
        const bool typeable = std::none_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20; });
        if (typeable)
          QTest::keyClicks(FNew_Project->E_New_Proj->Widget(), name);
        else
          FNew_Project->E_New_Proj->SetText(name);
        if (withEnter)
          QTest::keyClick(FNew_Project->E_New_Proj->Widget(), Qt::Key_Return);
        else
          QTest::mouseClick(FNew_Project->Btn_OK->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
        result = FNew_Project->ModalResult();
        if (result == mrNone) {
          EXPECT_EQ(FNew_Project->E_New_Proj->Text(), name);
        }
      },
      mrCancel);
  return result;
}

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

}  // namespace

TEST(NewProject, CreatesTheFolderWithItsBinAndOpensIt) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  EXPECT_EQ(CreateThroughDialog(w, "Plant 1"), mrOk);
  const QString folder = p.ProjectsPath() + "/Plant 1";
  EXPECT_TRUE(DirectoryExists(folder + "/bin"));
  EXPECT_EQ(ProjectName, "Plant 1");
  EXPECT_EQ(ProjectFolder, folder);
  EXPECT_EQ(ParGenFile, folder + "/ParGen.xml");
  EXPECT_EQ(LoRaWANGatewayFile, folder + "/LoRaWAN_Gateway.xml");
  EXPECT_EQ(w.L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
  EXPECT_EQ(w.L_Name_Conf_L2->Caption(), "Plant 1");
  EXPECT_EQ(Entries(folder), QStringList{"bin"});
  EXPECT_TRUE(p.Dialogs->Records().empty());
}

TEST(NewProject, EnterInTheNameFieldActsAsOk) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  EXPECT_EQ(CreateThroughDialog(w, "ByEnter", true), mrOk);
  EXPECT_TRUE(DirectoryExists(p.ProjectsPath() + "/ByEnter/bin"));
}

TEST(NewProject, EnterInTheNameOpensNoSecondDialog) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  // Every showing is counted; one after the first is cancelled at once.
  int showings = 0;
  const TNotifyEvent formShow = FNew_Project->OnShow;
  FNew_Project->OnShow = [&](TObject* Sender) {
    ++showings;
    formShow(Sender);
  };
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (!FNew_Project->Modal() || FNew_Project->ModalResult() != mrNone) return;
    if (showings > 1) {
      FNew_Project->SetModalResult(mrCancel);
      return;
    }
    QTest::keyClicks(FNew_Project->E_New_Proj->Widget(), "ByEnter");
    // The press of Enter creates the project and closes the dialog ...
    QTest::keyPress(FNew_Project->E_New_Proj->Widget(), Qt::Key_Return);
  });
  watch.start(1);
  w.Btn_New->SetFocus();
  QTest::keyClick(w.Btn_New->Widget(), Qt::Key_Return);
  // ... and its release comes to the step button, focused again in the main window.
  QTest::keyRelease(w.Btn_New->Widget(), Qt::Key_Return);
  QTest::qWait(20);
  watch.stop();
  EXPECT_EQ(showings, 1);
  EXPECT_EQ(ProjectName, "ByEnter");
  EXPECT_TRUE(p.Dialogs->Records().empty());
}

TEST(NewProject, ButtonsAreDrawnInTheHouseColour) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  TShellTestProgram::ExpectModal(
      FNew_Project, [&] { w.Btn_Click(w.Btn_New); },
      [] {
        for (TLbButton* b : {FNew_Project->Btn_OK, FNew_Project->Btn_Cancel}) {
          EXPECT_EQ(b->Style(), bsEncarta);
          const QImage face = b->Widget()->grab().toImage();
          EXPECT_EQ(QColor(face.pixel(3, 3)), QColor(0xF8, 0xF7, 0xED)) << b->Caption().toStdString();
        }
      },
      mrCancel);
}

TEST(NewProject, RefusedNamesKeepTheDialogOpenAndCreateNothing) {
  struct Case {
    QString Name;
    const char* Text;
  };
  const Case cases[] = {
      {"", "Error! Name Project is not valid"},
      {"Existing", "Error! Name project is not valid because directory already exists"},
      {"../Outside", "Error! Name project is not valid"},
      {"..", "Error! Name project is not valid"},
      {".", "Error! Name project is not valid"},
      {".hidden", "Error! Name project is not valid"},
      {"a/b", "Error! Name project is not valid"},
      {"a\\b", "Error! Name project is not valid"},
      {"x..y", "Error! Name project is not valid"},
      {"what?", "Error! Name project is not valid"},
      {"a:b", "Error! Name project is not valid"},
      {"tab\there", "Error! Name project is not valid"},
      {QString(300, 'n'), "Error! Name project is not valid"},
  };
  TShellTestProgram p;
  p.MakeProject("Existing");
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  const QStringList programFolder = Entries(p.Folder());
  const QStringList projects = Entries(p.ProjectsPath());
  for (const Case& c : cases) {
    p.Dialogs->ClearRecords();
    EXPECT_EQ(CreateThroughDialog(w, c.Name), mrNone) << c.Name.toStdString();
    ASSERT_EQ(p.Dialogs->Records().size(), 1u) << c.Name.toStdString();
    EXPECT_EQ(p.Dialogs->Records()[0].Text, c.Text) << c.Name.toStdString();
    EXPECT_EQ(p.Dialogs->Records()[0].Type, mtError);
    EXPECT_EQ(Entries(p.Folder()), programFolder);
    EXPECT_EQ(Entries(p.ProjectsPath()), projects);
    EXPECT_TRUE(ProjectFolder.isEmpty());
  }
}

TEST(NewProject, CancelChangesNothingAndTheNameIsClearedAtTheNextShowing) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  TShellTestProgram::ExpectModal(
      FNew_Project, [&] { w.Btn_Click(w.Btn_New); }, [] { FNew_Project->E_New_Proj->SetText("Typed"); }, mrCancel);
  EXPECT_TRUE(ProjectFolder.isEmpty());
  EXPECT_TRUE(Entries(p.ProjectsPath()).isEmpty());
  QString atShow = "unset";
  TShellTestProgram::ExpectModal(
      FNew_Project, [&] { w.Btn_Click(w.Btn_New); }, [&] { atShow = FNew_Project->E_New_Proj->Text(); }, mrCancel);
  EXPECT_EQ(atShow, "");
}

TEST(NewProject, NameCheck) {
  for (const char* good : {"Plant", "Plant 1", "a.b", "Ünïcode", "trailing "})
    EXPECT_TRUE(IsValidProjectName(good)) << good;
  for (const char* bad : {"", ".", "..", ".x", "a/b", "a\\b", "a..b", "<", ">", "|", "*", "\"", "\x7f"})
    EXPECT_FALSE(IsValidProjectName(bad)) << bad;
}
