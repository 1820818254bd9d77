// The MQTT topic editor: its rules with their exact texts, the file with its
// required and defaulted attributes and templates of several lines, and the
// two pages and the template dialog driven as a user does.
#include "tables/iec_opcua_mqtt/UMQTT_Set_Topic.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "support/TableEditorDriver.h"
#include "tables/iec_opcua_mqtt/UTopicTemplate.h"

#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace TableEditorDriver;

namespace {

QByteArray TopicFile(const QByteArray& Publish, const QByteArray& Subscribe) {
  return "<MQTT_Set_Topic><MQTT_Publish>" + Publish + "</MQTT_Publish><MQTT_Subscribe>" + Subscribe +
         "</MQTT_Subscribe></MQTT_Set_Topic><!--SW_VERSION = 1.000-->\n";
}
const QByteArray PublishRow =
    "<row Topic=\"plant/temp\" Retained=\"N\" QoS=\"1\" DataType=\"Int\" Dimension=\"2\" Position=\"0\" "
    "IPAddress=\"\" InputTemplate=\"\" Template=\"{&#10;&quot;v&quot;: $VALUE$&#13;&#10;}\" OnChange=\"Y\" "
    "OnTimer=\"N\" Time=\"\" Mnemonic=\"temperature\"/>";
const QByteArray SubscribeRow =
    "<row Topic=\"plant/set\" Retained=\"Y\" QoS=\"0\" DataType=\"Float\" Dimension=\"4\" Position=\"10\" "
    "IPAddress=\"\" Port=\"\" EthType=\"\" InputTemplate=\"\" Template=\"$VALUE$\" Mnemonic=\"\"/>";

class MQTTSetTopicForm : public ::testing::Test {
protected:
  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    SoftwareCode = "CFZ9KAD";
    ASSERT_TRUE(Dir.isValid());
    ProjectFolder = Dir.path();
    MQTTSetTopicFile = Dir.path() + "/MQTT_Set_Topic.xml";
    Dialog = std::make_unique<TFTopicTemplate>(nullptr);
    Dialog->DoCreate();
    FTopicTemplate = Dialog.get();
    Form = std::make_unique<TFMQTT_Set_Topic>(nullptr);
    Form->DoCreate();
  }
  void TearDown() override {
    Form.reset();
    FTopicTemplate = nullptr;
    Dialog.reset();
    ResetShellState();
  }
  TPlexColumnGrid* Pub() const { return Form->PCG_Pub; }
  TPlexColumnGrid* Sub() const { return Form->PCG_Sub; }
  QString File() const { return MQTTSetTopicFile; }
  // Row 1 of a table as a row that passes every rule, then the given cells.
  static void PutRow(TPlexColumnGrid* Grid, bool Publish, std::initializer_list<std::pair<int, QString>> Cells) {
    Grid->SetCellEx(1, 1, "topic");
    Grid->SetCellEx(4, 1, "Int");
    Grid->SetCellEx(5, 1, "2");
    Grid->SetCellEx(6, 1, "0");
    Grid->SetCellEx(Publish ? 12 : 13, 1, "N");
    for (const auto& [col, text] : Cells) Grid->SetCellEx(col, 1, text);
  }

  QTemporaryDir Dir;
  TScriptedDialogScope Dialogs;
  std::unique_ptr<TFTopicTemplate> Dialog;
  std::unique_ptr<TFMQTT_Set_Topic> Form;
};

}  // namespace

TEST_F(MQTTSetTopicForm, CreationBuildsBothPagesAndTheirColumns) {
  Form->FormShow(nullptr);
  EXPECT_EQ(Form->ClientWidth(), 1100);
  EXPECT_EQ(Form->ClientHeight(), 337);
  EXPECT_EQ(Form->TS_MQTT_Publish->Caption(), "MQTT Publish");
  EXPECT_EQ(Form->TS_MQTT_Subscribe->Caption(), "MQTT Subscribe");
  EXPECT_EQ(Form->PageControl1->ActivePageIndex(), 0);
  EXPECT_EQ(Pub()->ColCount() + Pub()->NumHiddenColumns(), 18);
  EXPECT_EQ(Sub()->ColCount() + Sub()->NumHiddenColumns(), 15);
  EXPECT_EQ(Pub()->RowCount(), 1025);
  for (int c : {7, 8, 11, 14, 15, 16}) EXPECT_TRUE(Pub()->IsHiddenColumn(c)) << c;
  for (int c : {2, 7, 8, 9, 10, 12, 13}) EXPECT_TRUE(Sub()->IsHiddenColumn(c)) << c;
  EXPECT_FALSE(Pub()->IsHiddenColumn(9));
  EXPECT_EQ(Pub()->Columns()[9]->Header(), "Template");
  EXPECT_EQ(Pub()->Columns()[14]->ComboItems().Count(), 65);
  EXPECT_EQ(Pub()->Columns()[14]->ComboItems()[64], "All");
  EXPECT_EQ(Sub()->Columns()[9]->ComboItems().CommaText(), "TCP,UDP");
  EXPECT_EQ(Form->Byte_IN, 1500);
  EXPECT_EQ(Form->Working_Mode, 1);
  EXPECT_TRUE(TFMQTT_Set_Topic::Error_In_Topic_Template("$VALUE"));
  EXPECT_FALSE(TFMQTT_Set_Topic::Error_In_Topic_Template("$A$ and $B$"));
}

TEST_F(MQTTSetTopicForm, RulesShowTheirExactTexts) {
  struct Case {
    bool Publish;
    std::initializer_list<std::pair<int, QString>> Cells;
    const char* Message;  // nullptr: passes
  };
  const Case cases[] = {
      {true, {{5, "3"}}, "Error row 1!! [MQTT Publish] Dimension must be equal to 1 or 2 or 4 or 8"},
      {true, {{4, "Float"}, {5, "2"}}, "Error row 1!! [MQTT Publish] Dimension must be equal to 4 or 8"},
      {true, {{4, " float "}, {5, "8"}}, nullptr},
      {true, {{4, "String"}, {5, "0"}}, "Error row 1!! [MQTT Publish] Dimension must be major of 0"},
      {true, {{4, ""}}, "Error row 1!! [MQTT Publish] Data Type must be selected"},
      {true, {{6, "1500"}}, "Error row 1!! [MQTT Publish] Position must be beetween 0 and 1499"},
      {true, {{6, "1499"}}, nullptr},
      {true, {{12, "Y"}, {13, "0"}}, "Error row 1!! [MQTT Publish] Time(ms) must be between 1 and 1000000000"},
      {true, {{12, "y"}, {13, "1000000000"}}, "Error row 1!! [MQTT Publish] Time(ms) must be between 1 and 1000000000"},
      {true, {{12, "Y"}, {13, "abc"}}, "Error row 1!! [MQTT Publish] Time(ms) must be between 1 and 1000000000"},
      {true, {{12, "Y"}, {13, "999999999"}}, nullptr},
      {true, {{12, "N"}, {13, "abc"}}, nullptr},
      {true, {{9, "$VALUE$"}}, nullptr},
      {true, {{9, "no keyword"}}, nullptr},
      {true, {{9, "$VALUE"}}, "Error row 1!! [MQTT Publish] Template not Correct, Check the Keywords"},
      {true, {{9, "$a$b$"}}, "Error row 1!! [MQTT Publish] Template not Correct, Check the Keywords"},
      // Hidden columns are not checked.
      {true, {{7, "not an address"}, {8, "$"}}, nullptr},
      {false, {{9, "$VALUE"}}, nullptr},
      {false, {{11, "$VALUE"}}, "Error row 1!! [MQTT Subscribe] Template not Correct, Check the Keywords"},
      {false, {{7, "x"}, {8, "70000"}, {10, "$"}}, nullptr},
      {false, {{6, "1500"}}, "Error row 1!! [MQTT Subscribe] Position must be beetween 0 and 1499"},
      {false, {{4, "Int"}, {5, "16"}}, "Error row 1!! [MQTT Subscribe] Dimension must be equal to 1 or 2 or 4 or 8"},
  };
  for (const Case& c : cases) {
    Form->FormShow(nullptr);
    Dialogs->ClearRecords();
    QFile::remove(File());
    PutRow(Pub(), true, c.Publish ? c.Cells : std::initializer_list<std::pair<int, QString>>{});
    PutRow(Sub(), false, c.Publish ? std::initializer_list<std::pair<int, QString>>{} : c.Cells);
    Form->Btn_OKClick(nullptr);
    if (!c.Message) {
      EXPECT_TRUE(Dialogs->Records().empty()) << Dialogs->Records().front().Text.toStdString();
      EXPECT_TRUE(QFile::exists(File()));
    } else {
      ASSERT_EQ(Dialogs->Records().size(), 1u) << c.Message;
      EXPECT_EQ(Dialogs->Records()[0].Text, c.Message);
      EXPECT_FALSE(QFile::exists(File()));
    }
    Form->SetModalResult(mrNone);
  }
}

TEST_F(MQTTSetTopicForm, TheFileLoadsAndSavesToTheSameBytes) {
  const QByteArray file = TopicFile(PublishRow, SubscribeRow);
  WriteFile(File(), file);
  Form->FormShow(nullptr);
  EXPECT_EQ(Pub()->GetCellEx(9, 1), "{\n\"v\": $VALUE$\r\n}");
  for (int c : {11, 14}) EXPECT_EQ(Pub()->GetCellEx(c, 1), "") << c;
  for (int c : {15, 16}) EXPECT_EQ(Pub()->GetCellEx(c, 1), "N") << c;
  for (int c : {12, 13}) EXPECT_EQ(Sub()->GetCellEx(c, 1), "N") << c;
  EXPECT_EQ(Pub()->GetCellEx(15, 2), "");  // a reset row, not loaded
  Form->Btn_OKClick(nullptr);
  EXPECT_TRUE(Dialogs->Records().empty());
  EXPECT_EQ(FileBytes(File()).toStdString(), file.toStdString());
}

TEST_F(MQTTSetTopicForm, MissingAttributesTakeDefaultsOrStopTheLoad) {
  WriteFile(File(), TopicFile("<row Topic=\"a\" Retained=\"N\" QoS=\"0\" Mnemonic=\"m\"/>"
                              "<row Topic=\"b\" Retained=\"N\" Mnemonic=\"m\"/><row Topic=\"c\"/>",
                              SubscribeRow));
  Form->FormShow(nullptr);
  EXPECT_EQ(Pub()->GetCellEx(4, 1), "");    // DataType
  EXPECT_EQ(Pub()->GetCellEx(10, 1), "N");  // OnChange
  EXPECT_EQ(Pub()->GetCellEx(1, 2), "b");   // read up to the missing QoS
  EXPECT_EQ(Pub()->GetCellEx(1, 3), "");
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_TRUE(Dialogs->Records()[0].Text.contains("QoS"));
  EXPECT_EQ(Sub()->GetCellEx(1, 1), "");  // the load stopped before the subscribe section
}

TEST_F(MQTTSetTopicForm, AUserEditsBothPagesAndATemplate) {
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    TypeInto(Pub(), 1, 1, "plant/temp");
    ClickCell(Pub(), 2, 1);  // Retained
    EXPECT_EQ(Pub()->GetCellEx(2, 1), "Y");
    ClickCell(Pub(), 3, 1);
    QTest::keyClick(Pub()->Widget(), Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Pub()->GetCellEx(3, 1), "1");
    ClickCell(Pub(), 4, 1);
    QTest::keyClick(Pub()->Widget(), Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Pub()->GetCellEx(4, 1), "Int");
    TypeInto(Pub(), 5, 1, "2");
    TypeInto(Pub(), 6, 1, "10");
    // Displayed column 7 is the Template; its drop-down edit opens with F2.
    ClickCell(Pub(), 7, 1);
    QTest::keyClick(Pub()->Widget(), Qt::Key_F2);
    QTest::keyClicks(QApplication::focusWidget(), "$VALUE$");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    Shot(*Form, "mqtt-publish.png");

    // A double click on the Template cell opens the dialog with its text.
    bool opened = false;
    QTimer::singleShot(0, [&] {
      TFTopicTemplate* dialog = Dialog.get();
      ASSERT_TRUE(QTest::qWaitForWindowActive(dialog->Widget()));
      opened = true;
      EXPECT_EQ(dialog->Caption(), "Set Template");
      EXPECT_EQ(dialog->RE_TopicTemplate->Text(), "$VALUE$");
      EXPECT_EQ(dialog->PSG_Keywords->RowCount(), 2);
      EXPECT_TRUE(dialog->PSG_Keywords->ReadOnly(1, 1));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QTest::keyClicks(QApplication::focusWidget(), "unit $UNIT$");
      Shot(*dialog, "mqtt-template-dialog.png");
      QTest::mouseClick(dialog->Btn_OK->Widget(), Qt::LeftButton);
    });
    QTest::mouseDClick(Pub()->Widget(), Qt::LeftButton, {}, CellCentre(Pub(), 7, 1));
    EXPECT_TRUE(opened);
    EXPECT_EQ(Pub()->GetCellEx(9, 1), "$VALUE$\r\nunit $UNIT$");

    // Cancel leaves the cell.
    QTimer::singleShot(0, [&] {
      ASSERT_TRUE(QTest::qWaitForWindowActive(Dialog->Widget()));
      QTest::keyClicks(QApplication::focusWidget(), "lost");
      QTest::mouseClick(Dialog->Btn_Cancel->Widget(), Qt::LeftButton);
    });
    QTest::mouseDClick(Pub()->Widget(), Qt::LeftButton, {}, CellCentre(Pub(), 7, 1));
    EXPECT_EQ(Pub()->GetCellEx(9, 1), "$VALUE$\r\nunit $UNIT$");

    // Closing the dialog gives the activation back to the editor.
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    // The subscribe page: Insert Row changes its own table only.
    auto* tabs = Form->PageControl1->Widget()->findChild<QTabBar*>();
    ASSERT_TRUE(tabs);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(Form->PageControl1->ActivePageIndex(), 1);
    ClickCell(Sub(), 1, 1);
    TypeInto(Sub(), 1, 1, "plant/set");
    EXPECT_EQ(Sub()->GetCellEx(1, 1), "plant/set");
    EXPECT_TRUE(Sub()->Widget()->isVisible());
    ClickCell(Sub(), 1, 1);
    Press(Form->Btn_InsRow);
    EXPECT_EQ(Sub()->GetCellEx(1, 2), "plant/set");
    EXPECT_EQ(Sub()->GetCellEx(1, 1), "");
    EXPECT_EQ(Pub()->GetCellEx(1, 1), "plant/temp");
    Shot(*Form, "mqtt-subscribe.png");
    Press(Form->Btn_OK);
  });
  EXPECT_EQ(Form->ShowModal(), mrOk);
  const QByteArray saved = FileBytes(File());
  EXPECT_TRUE(
      saved.contains("<MQTT_Publish><row Topic=\"plant/temp\" Retained=\"Y\" QoS=\"1\" DataType=\"Int\" "
                     "Dimension=\"2\" Position=\"10\" IPAddress=\"\" InputTemplate=\"\" "
                     "Template=\"$VALUE$&#13;&#10;unit $UNIT$\""))
      << saved.toStdString();
  EXPECT_TRUE(saved.contains("<MQTT_Subscribe/>")) << saved.toStdString();
}
