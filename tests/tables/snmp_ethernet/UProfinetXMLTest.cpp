// The GSDML file-name dialog and the GSDML writer.
#include "tables/snmp_ethernet/UProfinetXML.h"

#include "../../common/tables/UnwritableFolder.h"
#include "EditorTestKit.h"
#include "platform/DateTime.h"
#include "platform/StdCtrls.h"
#include "platform/Xml.h"
#include "tables/snmp_ethernet/UProfinetFileName.h"

#include <QDir>
#include <QTimer>

#include <memory>

namespace {

class ProfinetXML : public SnmpEthernetEditorTest {
protected:
  void SetUp() override {
    SnmpEthernetEditorTest::SetUp();
    SetNowOverride(EncodeDate(2013, 1, 9) + EncodeTime(16, 45, 0, 0));
  }
  void TearDown() override {
    ClearNowOverride();
    SnmpEthernetEditorTest::TearDown();
  }
  void WriteParGen(const QString& Elements) { WriteBytes(ParGenFile, ("<ParGen>" + Elements + "</ParGen>").toUtf8()); }
  QString Target(const QString& Name = "GSDML-V2.25-Velmor-_plant-20130109.xml") const {
    return Dir.path() + "/" + Name;
  }
};

}  // namespace

TEST_F(ProfinetXML, TheDialogComposesTheNameFromTheStartDate) {
  TFProfinetFileName form(nullptr);
  form.DoCreate();
  EXPECT_EQ(form.ClientWidth(), 540);
  EXPECT_EQ(form.ClientHeight(), 205);
  EXPECT_EQ(form.L_XML_Fix1->Caption(), "GSDML-V2.25-Velmor-");
  EXPECT_EQ(form.L_XML_Fix2->Caption(), "-20130109.xml");
  EXPECT_EQ(form.E_XML_User->Left(), 179);
  EXPECT_EQ(form.L_UsedPart->Left(), 179);
  EXPECT_EQ(form.L_FixPart_2->Left(), 447);
  EXPECT_EQ(form.L_XML_Fix2->Left(), 447);
  EXPECT_EQ(form.Btn_OK->Caption(), "OK");
  EXPECT_EQ(form.Caption(), LangText(4800));
  const std::pair<QString, QString> names[] = {{"", "GSDML-V2.25-Velmor--20130109.xml"},
                                               {"   ", "GSDML-V2.25-Velmor--20130109.xml"},
                                               {"abc", "GSDML-V2.25-Velmor-_abc-20130109.xml"},
                                               {"_abc", "GSDML-V2.25-Velmor-_abc-20130109.xml"},
                                               {" abc", "GSDML-V2.25-Velmor-_ abc-20130109.xml"}};
  for (const auto& [user, name] : names) {
    form.E_XML_User->SetText(user);
    form.Btn_OK_Click(form.Btn_OK);
    EXPECT_EQ(form.Name_File_XML, name) << user.toStdString();
    EXPECT_EQ(form.ModalResult(), mrOk);
    form.SetModalResult(mrNone);
  }
}

TEST_F(ProfinetXML, TheUserTypesANameAndEnterClosesWithOKEscapeWithCancel) {
  TFProfinetFileName form(nullptr);
  form.DoCreate();
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(WaitActive(form));
    form.E_XML_User->SetFocus();
    QTest::keyClicks(QApplication::focusWidget(), "plant");
    Shot(form, "ProfinetFileName.png");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(form.Name_File_XML, "GSDML-V2.25-Velmor-_plant-20130109.xml");
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(WaitActive(form));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST_F(ProfinetXML, TheFileMatchesTheTemplateByteForByteAndParses) {
  WriteParGen(
      "<PROFINET_NB_IN>100</PROFINET_NB_IN><PROFINET_NB_OUT>200</PROFINET_NB_OUT>"
      "<PROFINET_NAME_STA>   </PROFINET_NAME_STA>");
  ASSERT_TRUE(WriteGsdmlFile(Target()));
  const QByteArray bytes = ReadBytes(Target());
  EXPECT_EQ(bytes.toStdString(), ReadBytes(SnmpEthernetFixture("GSDML_100_200.xml")).toStdString());
  EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF<?xml"));
  TXmlDocument doc;
  EXPECT_TRUE(doc.LoadFromBytes(bytes)) << doc.ErrorText().toStdString();
  EXPECT_EQ(doc.Root().NodeName(), "ISO15745Profile");
}

TEST_F(ProfinetXML, TheStationNameIsEscapedAndNeverComesFromAnEarlierProject) {
  WriteParGen("<PROFINET_NAME_STA>a&amp;b\"&lt;c</PROFINET_NAME_STA><PROFINET_NB_IN>x</PROFINET_NB_IN>");
  ASSERT_TRUE(WriteGsdmlFile(Target()));
  EXPECT_EQ(ProfinetStationName, "a&b\"<c");
  EXPECT_EQ(ProfinetInputSize, 1438);
  EXPECT_EQ(ProfinetOutputSize, 1438);
  TXmlDocument doc;
  ASSERT_TRUE(doc.LoadFromFile(Target())) << doc.ErrorText().toStdString();
  const QByteArray bytes = ReadBytes(Target());
  EXPECT_TRUE(bytes.contains("ImplementationType=\"a&amp;b&quot;&lt;c\" DNS_CompatibleName=\"a&amp;b&quot;&lt;c\""));
  EXPECT_TRUE(bytes.contains("Length=\"1438\" TextId=\"IDT_Input_1\""));

  WriteParGen("<PROFINET_NB_IN>7</PROFINET_NB_IN>");
  ReadProfinetSettings();
  EXPECT_EQ(ProfinetStationName, "SERIAL");
  EXPECT_EQ(ProfinetInputSize, 7);
  QFile::remove(ParGenFile);
  ReadProfinetSettings();
  EXPECT_EQ(ProfinetStationName, "SERIAL");
  EXPECT_EQ(ProfinetInputSize, 1438);
}

TEST_F(ProfinetXML, TheSaveDialogPicksOnlyTheFolderAndAnOverwriteIsAsked) {
  WriteParGen("<PROFINET_NB_IN>100</PROFINET_NB_IN>");
  const QString name = "GSDML-V2.25-Velmor-_plant-20130109.xml";
  QDir(Dir.path()).mkdir("sub");
  Dialogs->AnswerFile(Dir.path() + "/sub/typed by the user.xml");
  CreateGsdmlFile(name);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Kind, TDialogKind::SaveFile);
  EXPECT_EQ(Dialogs->Records()[0].Filter, "PROFINET XML (*.xml)|" + name);
  EXPECT_EQ(Dialogs->Records()[0].FileName, name);
  EXPECT_EQ(Dialogs->Records()[0].InitialDir, ProjectFolder);
  EXPECT_TRUE(QFile::exists(Dir.path() + "/sub/" + name));
  EXPECT_FALSE(QFile::exists(Dir.path() + "/sub/typed by the user.xml"));

  WriteBytes(Target(name), "old");
  Dialogs->AnswerFile(Target(name));
  Dialogs->Answer(mrNo);
  CreateGsdmlFile(name);
  EXPECT_EQ(Dialogs->Records().back().Text, "File already exists! Do you want to overwrite the file?");
  EXPECT_EQ(Dialogs->Records().back().Buttons, mbYesNo);
  EXPECT_EQ(ReadBytes(Target(name)), "old");
  Dialogs->CancelFile();
  CreateGsdmlFile(name);
  EXPECT_EQ(ReadBytes(Target(name)), "old");
  Dialogs->AnswerFile(Target(name));
  Dialogs->Answer(mrYes);
  CreateGsdmlFile(name);
  EXPECT_TRUE(ReadBytes(Target(name)).startsWith("\xEF\xBB\xBF"));
}

TEST_F(ProfinetXML, AFileThatCannotBeWrittenIsReportedAndTheOldOneKept) {
  WriteBytes(Target(), "old");
  {
    TUnwritableFolder readOnly(Dir.path());
    if (!readOnly.Set()) GTEST_SKIP() << "the file system cannot lock a folder here";
    EXPECT_FALSE(WriteGsdmlFile(Target()));
  }
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
  EXPECT_EQ(ReadBytes(Target()), "old");
}
