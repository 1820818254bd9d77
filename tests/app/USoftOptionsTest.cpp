#include "app/USoftOptions.h"

#include "app/UAbout.h"
#include "app/UVersionCheck.h"
#include "common/button/LbButton.h"
#include "platform/Classes.h"
#include "platform/ExtCtrls.h"
#include "platform/Screenshot.h"
#include "platform/StdCtrls.h"
#include "platform/Timers.h"
#include "support/ShellTestProgram.h"
#include "support/TestHttpServer.h"

#include <QFile>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void Click(TControl* c) { QTest::mouseClick(c->Widget(), Qt::LeftButton, {}, QPoint(5, 5)); }

QString LanguagePath(const TShellTestProgram& p) { return p.Folder() + "/LANGUAGE"; }

void WriteLanguage(const TShellTestProgram& p, const QString& name, const QByteArray& lines = "STR300 =x\r\n") {
  QDir().mkpath(LanguagePath(p));
  WriteFileAtomic(LanguagePath(p) + "/" + name, lines);
}

// A flag of two stripes inside a white frame: the frame's colour is the one a
// transparent picture leaves out.
void WriteFlag(const TShellTestProgram& p, const QString& name, QColor colour, int size = 32) {
  QImage flag(size, size, QImage::Format_RGB32);
  flag.fill(Qt::white);
  for (int y = 2; y < size - 2; ++y)
    for (int x = 2; x < size - 2; ++x) flag.setPixelColor(x, y, x < size / 2 ? colour : colour.darker(160));
  QDir().mkpath(LanguagePath(p));
  flag.save(LanguagePath(p) + "/" + name, "BMP");
}

int ShownSlots(const TFSoftOptions& f) {
  int n = 0;
  for (TLabel* l : {f.L_L1, f.L_L2, f.L_L3, f.L_L4, f.L_L5, f.L_L6}) n += l->Visible() ? 1 : 0;
  return n;
}

QStringList ListedNames(const TFSoftOptions& f) {
  QStringList names;
  for (int i = 0; i < f.SL_Languages->Count(); ++i) names << f.SL_Languages->Strings(i);
  return names;
}

// Shows the options dialog from the main window's button; `whileShown` runs
// inside it and must close it.
bool ShowOptions(TFQuilloreFirmWare& w, const std::function<void()>& whileShown) {
  return TShellTestProgram::ExpectModal(
      FSoftOptions, [&] { Click(w.Btn_Opz); }, whileShown, mrCancel);
}

const QByteArray Italian =
    "[Italiano]\r\n"
    "STR15 =Nuova Configurazione\r\n"
    "STR300 =Opzioni Software\r\n"
    "STR302 =Lingua\r\n"
    "STR304 =\xC2\xB6Lingua selezionata : \xC2\xB6\r\n"
    "STR313 =Annulla\r\n";

}  // namespace

TEST(SoftOptionsLanguage, ChosenLanguageTranslatesAtOnceAndCancelKeepsThePreviousOne) {
  TShellTestProgram p;
  WriteLanguage(p, "Italiano.lng", "\xEF\xBB\xBF" + Italian);
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  EXPECT_EQ(w.Btn_New->Caption(), "New Configuration");
  p.Dialogs->Answer(mrYes);
  EXPECT_TRUE(ShowOptions(w, [&] {
    ASSERT_EQ(FSoftOptions->L_L1->Caption(), "Italiano");
    Click(FSoftOptions->L_L1);
    ASSERT_EQ(p.Dialogs->Records().size(), 1u);
    EXPECT_EQ(p.Dialogs->Records()[0].Text, "Do you want to change the Language from English to Italiano?");
    EXPECT_EQ(p.Dialogs->Records()[0].Type, mtConfirmation);
    EXPECT_EQ(p.Dialogs->Records()[0].Buttons, mbYesNo);
    // Both windows at once, while the dialog is still open.
    EXPECT_EQ(w.Btn_New->Caption(), "Nuova Configurazione");
    EXPECT_EQ(FSoftOptions->Caption(), "Opzioni Software");
    EXPECT_EQ(FSoftOptions->TS_Language->Caption(), "Lingua");
    EXPECT_EQ(FSoftOptions->L_Sel_Lang->Caption(), "Lingua selezionata : Italiano");
    EXPECT_EQ(FSoftOptions->L_Page_Lang->Caption(), "Page 1 / 1");
    EXPECT_EQ(FSoftOptions->Btn_Cancel->Caption(), "Annulla");
    Click(FSoftOptions->Btn_Cancel);
  }));
  EXPECT_EQ(FSoftOptions->ModalResult(), mrCancel);
  EXPECT_EQ(LanguageName, "English");
  EXPECT_FALSE(FileExists(p.SettingsPath()));
  // The texts stay for this run; the next showing starts from LanguageName.
  EXPECT_EQ(w.Btn_New->Caption(), "Nuova Configurazione");
  EXPECT_TRUE(ShowOptions(w, [&] {
    EXPECT_EQ(FSoftOptions->L_Sel_Lang->Caption(), "Lingua selezionata : English");
    Click(FSoftOptions->Btn_Cancel);
  }));
  w.Close();
  EXPECT_TRUE(p.ReadSettings().contains("<language>English</language>"));
}

TEST(SoftOptionsLanguage, OkKeepsTheChosenLanguageInTheSettings) {
  TShellTestProgram p;
  WriteLanguage(p, "Italiano.lng", Italian);
  WriteFlag(p, "Italiano.bmp", Qt::green);
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  p.Dialogs->Answer(mrYes);
  EXPECT_TRUE(ShowOptions(w, [&] {
    Click(FSoftOptions->I_L1);
    Click(FSoftOptions->Btn_OK);
  }));
  EXPECT_EQ(FSoftOptions->ModalResult(), mrOk);
  EXPECT_EQ(LanguageName, "Italiano");
  EXPECT_TRUE(p.ReadSettings().contains("<language>Italiano</language>"));
}

TEST(SoftOptionsLanguage, AnsweringNoChangesNothing) {
  TShellTestProgram p;
  WriteLanguage(p, "Italiano.lng", Italian);
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  p.Dialogs->Answer(mrNo);
  EXPECT_TRUE(ShowOptions(w, [&] {
    Click(FSoftOptions->L_L1);
    EXPECT_EQ(FSoftOptions->Language_In_Use, "English");
    EXPECT_EQ(FSoftOptions->L_Sel_Lang->Caption(), "Selected Language : English");
    Click(FSoftOptions->Btn_OK);
  }));
  EXPECT_EQ(w.Btn_New->Caption(), "New Configuration");
  EXPECT_EQ(LanguageName, "English");
}

TEST(SoftOptionsLanguage, TheAboutBoxKeepsItsEnglishLabels) {
  TShellTestProgram p;
  WriteLanguage(p, "Italiano.lng", Italian);
  TFQuilloreFirmWare& w = p.Start();
  FSoftOptions->Create_Lang_List();
  p.Dialogs->Answer(mrYes);
  FSoftOptions->LangClick(FSoftOptions->L_L1);
  EXPECT_EQ(w.Btn_New->Caption(), "Nuova Configurazione");
  EXPECT_EQ(FAbout->Label3->Caption(), "Version :");
  EXPECT_EQ(FAbout->Label6->Caption(), "Software Code : ");
}

TEST(SoftOptionsLanguage, PagesOfSixLanguages) {
  struct Case {
    int Files;
    QString FirstLabel;
    int FirstShown;
    bool FirstNext;
    QString LastLabel;  // after pressing Next until it hides (or once when it never does)
    int LastShown;
  };
  const Case cases[] = {
      {0, "Page 1 / 0", 0, true, "Page 1 / 0", 0},  {1, "Page 1 / 1", 1, false, "Page 1 / 1", 1},
      {6, "Page 1 / 1", 6, false, "Page 1 / 1", 6}, {7, "Page 1 / 2", 6, true, "Page 2 / 2", 1},
      {13, "Page 1 / 3", 6, true, "Page 3 / 3", 1},
  };
  for (const Case& c : cases) {
    TShellTestProgram p;
    p.Start();
    QDir().mkpath(LanguagePath(p));
    for (int i = 0; i < c.Files; ++i) WriteLanguage(p, QString("L%1.lng").arg(i, 2, 10, QChar('0')));
    TFSoftOptions& f = *FSoftOptions;
    f.Create_Lang_List();
    EXPECT_EQ(f.L_Page_Lang->Caption(), c.FirstLabel) << c.Files;
    EXPECT_EQ(ShownSlots(f), c.FirstShown) << c.Files;
    EXPECT_FALSE(f.Btn_Prev->Visible()) << c.Files;
    EXPECT_EQ(f.Btn_Next->Visible(), c.FirstNext) << c.Files;
    for (int i = 0; i < 5 && f.Btn_Next->Visible(); ++i) f.Btn_NextClick(f.Btn_Next);
    if (c.Files == 0) f.Btn_NextClick(f.Btn_Next);
    EXPECT_EQ(f.L_Page_Lang->Caption(), c.LastLabel) << c.Files;
    EXPECT_EQ(ShownSlots(f), c.LastShown) << c.Files;
    if (c.Files > 6) {
      EXPECT_TRUE(f.Btn_Prev->Visible());
      EXPECT_EQ(f.L_L1->Caption(), QString("L%1").arg((f.Show_Page - 1) * 6, 2, 10, QChar('0')));
      f.Btn_NextClick(f.Btn_Prev);
      EXPECT_EQ(f.Show_Page, (c.Files + 5) / 6 - 1);
    }
  }
}

TEST(SoftOptionsLanguage, ListHoldsWritableLngFilesSortedWithoutRegardToCase) {
  TShellTestProgram p;
  p.Start();
  WriteLanguage(p, "italiano.lng");
  WriteLanguage(p, "English.lng");
  WriteLanguage(p, "deutsch.lng");
  WriteLanguage(p, "Locked.lng");
  QFile::setPermissions(LanguagePath(p) + "/Locked.lng", QFileDevice::ReadOwner | QFileDevice::ReadGroup);
  WriteLanguage(p, "Upper.LNG");
  WriteLanguage(p, "notes.txt");
  QDir().mkpath(LanguagePath(p) + "/Folder.lng");
  QFile::link(LanguagePath(p) + "/English.lng", LanguagePath(p) + "/Linked.lng");
  FSoftOptions->Create_Lang_List();
  EXPECT_EQ(ListedNames(*FSoftOptions), QStringList({"deutsch.lng", "English.lng", "italiano.lng"}));
  EXPECT_EQ(FSoftOptions->L_L2->Caption(), "English");
}

TEST(SoftOptionsLanguage, FlagsFallBackToTheDefaultFlagOrToTheNameAlone) {
  TShellTestProgram p;
  p.Start();
  WriteLanguage(p, "Deutsch.lng");
  WriteLanguage(p, "Italiano.lng");
  WriteLanguage(p, "Polski.lng");
  WriteFlag(p, "Italiano.bmp", Qt::green, 20);
  WriteFlag(p, "DefaultFlag.bmp", Qt::gray, 16);
  WriteLanguage(p, "Polski.bmp", "no picture at all");
  TFSoftOptions& f = *FSoftOptions;
  f.Create_Lang_List();
  EXPECT_TRUE(f.I_L1->Visible());
  EXPECT_EQ(f.I_L1->Picture().Width(), 16);  // Deutsch: the default flag
  EXPECT_TRUE(f.I_L2->Visible());
  EXPECT_EQ(f.I_L2->Picture().Width(), 20);  // Italiano: its own
  EXPECT_TRUE(f.I_L3->Visible());
  EXPECT_EQ(f.I_L3->Picture().Width(), 16);  // Polski: unreadable, so the default
  EXPECT_EQ(f.I_L1->Width(), 48);
  EXPECT_EQ(f.I_L1->Height(), 48);

  DeleteFile(LanguagePath(p) + "/DefaultFlag.bmp");
  f.Create_Lang_List();
  EXPECT_FALSE(f.I_L1->Visible());
  EXPECT_TRUE(f.L_L1->Visible());
  EXPECT_TRUE(f.I_L2->Visible());
  EXPECT_FALSE(f.I_L3->Visible());
}

TEST(SoftOptionsLanguage, SelectedLanguageNamesLanguageNameAtEveryShowing) {
  TShellTestProgram p;
  WriteLanguage(p, "Deutsch.lng", "STR304 =\xB6Sprache : \xB6\r\n");
  p.WriteSettings("<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>");
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  EXPECT_TRUE(ShowOptions(w, [&] {
    EXPECT_EQ(FSoftOptions->L_Sel_Lang->Caption(), "Sprache : Deutsch");
    EXPECT_EQ(FSoftOptions->PC_Options->ActivePage(), FSoftOptions->TS_Language);
    Click(FSoftOptions->Btn_Cancel);
  }));
}

TEST(SoftOptionsConnection, UpdateBoxAndCheckButtonFollowTheInternetBox) {
  struct Case {
    bool Internet, Update;
    bool UpdateEnabled, CheckEnabled;
  };
  // Each row changes a box, so its click handler runs.
  const Case cases[] = {
      {true, true, true, true}, {true, false, true, false}, {false, false, false, false}, {false, true, false, false}};
  TShellTestProgram p;
  p.Start();
  TFSoftOptions& f = *FSoftOptions;
  for (const Case& c : cases) {
    f.CB_Update->SetChecked(c.Update);
    f.CB_En_Con->SetChecked(c.Internet);
    EXPECT_EQ(f.CB_Update->Enabled(), c.UpdateEnabled) << c.Internet << c.Update;
    EXPECT_EQ(f.Btn_Check_Update->Enabled(), c.CheckEnabled) << c.Internet << c.Update;
    EXPECT_EQ(f.CB_Update->Checked(), c.Update) << "a disabled box keeps its mark";
  }
}

TEST(SoftOptionsConnection, OkCopiesTheBoxesAndSwitchesTheTimerCancelCopiesNothing) {
  TShellTestProgram p;
  p.WriteSettings(
      "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
      "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  EXPECT_TRUE(w.Timer_Update->Enabled());
  EXPECT_TRUE(ShowOptions(w, [&] {
    EXPECT_TRUE(FSoftOptions->CB_En_Con->Checked());
    EXPECT_TRUE(FSoftOptions->Btn_Check_Update->Enabled());
    FSoftOptions->CB_En_Con->SetChecked(false);
    FSoftOptions->CB_Soft_Set_Jump_Table->SetChecked(true);
    Click(FSoftOptions->Btn_Cancel);
  }));
  EXPECT_TRUE(EnableInternet);
  EXPECT_FALSE(EnableJumpFieldTables);
  EXPECT_TRUE(w.Timer_Update->Enabled());
  EXPECT_TRUE(ShowOptions(w, [&] {
    EXPECT_TRUE(FSoftOptions->CB_En_Con->Checked());
    FSoftOptions->CB_En_Con->SetChecked(false);
    EXPECT_FALSE(FSoftOptions->CB_Update->Enabled());
    EXPECT_FALSE(FSoftOptions->Btn_Check_Update->Enabled());
    FSoftOptions->CB_Soft_Set_Jump_Table->SetChecked(true);
    FSoftOptions->CB_DoubleClick_Auto_Size->SetChecked(true);
    Click(FSoftOptions->Btn_OK);
  }));
  EXPECT_FALSE(EnableInternet);
  EXPECT_TRUE(EnableUpdate);  // as the disabled box shows it
  EXPECT_TRUE(EnableJumpFieldTables);
  EXPECT_TRUE(DoubleClickAutoSize);
  EXPECT_FALSE(w.Timer_Update->Enabled());
  const QString settings = p.ReadSettings();
  EXPECT_TRUE(settings.contains("<enable_internet>0</enable_internet>"));
  EXPECT_TRUE(settings.contains("<enable_update>1</enable_update>"));
  EXPECT_TRUE(settings.contains("<enable_jump_field_tables>1</enable_jump_field_tables>"));
  EXPECT_TRUE(settings.contains("<Double_Click_Auto_Size>1</Double_Click_Auto_Size>"));
}

TEST(SoftOptionsConnection, ManualCheckShowsTheResultAndItsLinkOpensTheDownloadPage) {
  TTestHttpServer server;
  TVersionServiceScope scope(TVersionService{server.Site(), 1000, 1500});
  TShellTestProgram p;
  p.WriteSettings(
      "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
      "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  EXPECT_TRUE(ShowOptions(w, [&] {
    TFSoftOptions& f = *FSoftOptions;
    EXPECT_FALSE(f.LL_Check_Update->Visible());
    server.SetAnswer(200, "VER. 1.008");
    Click(f.Btn_Check_Update);
    EXPECT_TRUE(f.LL_Check_Update->Visible());
    EXPECT_EQ(f.LL_Check_Update->DisplayText(), "New Version Available. Click Here for more Details");
    f.LL_Check_Update->ActivateLink(0);
    server.SetAnswer(200, "VER. 0.000");
    Click(f.Btn_Check_Update);
    EXPECT_EQ(f.LL_Check_Update->Caption(), "No Update Available");
    Click(f.Btn_Cancel);
  }));
  EXPECT_EQ(server.Requests().size(), 2u);
  ASSERT_EQ(p.OpenedUrls.size(), 1u);
  EXPECT_EQ(p.OpenedUrls[0], MakerDownloadPage);
  EXPECT_TRUE(ShowOptions(w, [&] {
    EXPECT_FALSE(FSoftOptions->LL_Check_Update->Visible());
    Click(FSoftOptions->Btn_Cancel);
  }));
}

TEST(SoftOptionsLook, DialogPicture) {
  TShellTestProgram p;
  for (const char* name : {"Deutsch", "English", "Espanol", "Francais", "Italiano", "Polski", "Svenska"})
    WriteLanguage(p, QString(name) + ".lng");
  WriteFlag(p, "DefaultFlag.bmp", QColor(0x2E, 0x6B, 0xB8));
  WriteFlag(p, "Italiano.bmp", QColor(0x00, 0x92, 0x46));
  TFQuilloreFirmWare& w = p.Start();
  const QString dir = qEnvironmentVariable("QUILLORE_SCREENSHOT_DIR", p.Folder());
  QImage pictures[2];
  EXPECT_TRUE(ShowOptions(w, [&] {
    EXPECT_EQ(FSoftOptions->ClientWidth(), 509);
    EXPECT_EQ(FSoftOptions->ClientHeight(), 373);
    ASSERT_TRUE(SaveWidgetScreenshot(FSoftOptions->Widget(), dir + "/options_language.png"));
    FSoftOptions->PC_Options->SetActivePage(FSoftOptions->TS_Con_Options);
    ASSERT_TRUE(SaveWidgetScreenshot(FSoftOptions->Widget(), dir + "/options_connection.png"));
    Click(FSoftOptions->Btn_Cancel);
  }));
  pictures[0].load(dir + "/options_language.png");
  pictures[1].load(dir + "/options_connection.png");
  ASSERT_FALSE(pictures[0].isNull());
  ASSERT_FALSE(pictures[1].isNull());
  EXPECT_NE(pictures[0], pictures[1]);
}
