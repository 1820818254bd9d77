// The IEC 61850 server variable editor: its rules with their exact texts, its
// file read and written back byte for byte, and the form driven as a user does.
#include "tables/iec_opcua_mqtt/UIEC61850_Variables.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"
#include "support/TableEditorDriver.h"

#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace TableEditorDriver;

namespace {

const QByteArray TwoVariables =
    "<IEC61850_Variables>"
    "<row Enable=\"Y\" Name=\"Temp\" Type=\"Float\" Length=\"4\" ReadOnly=\"Y\" Position=\"10\" StartBit=\"\" "
    "Conversion=\"Int to Float\" MultiplicationFactor=\"0.1\" Swap=\"N\" SwapWord=\"Y\" Mnemonic=\" boiler \"/>"
    "<row Enable=\"N\" Name=\"Alarm\" Type=\"Digital (Bit)\" Length=\"9\" ReadOnly=\"N\" Position=\"x\" "
    "StartBit=\"3\" Conversion=\"\" MultiplicationFactor=\"\" Swap=\"N\" SwapWord=\"N\" Mnemonic=\"\"/>"
    "</IEC61850_Variables><!--SW_VERSION = 1.000-->\n";

class IEC61850VariablesForm : public ::testing::Test {
protected:
  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    SoftwareCode = "CFZ9KAD";
    ASSERT_TRUE(Dir.isValid());
    ProjectFolder = Dir.path();
    IEC61850VariablesFile = Dir.path() + "/IEC61850_Variables.xml";
    Form = std::make_unique<TFIEC61850_Variables>(nullptr);
    Form->DoCreate();
  }
  void TearDown() override {
    Form.reset();
    FormatSettings().DecimalSeparator = SavedSeparator;
    ResetShellState();
  }
  TPlexColumnGrid* Grid() const { return Form->PCG; }
  // Row 1 as an enabled row that passes every rule, then the given cells.
  void PutRow(std::initializer_list<std::pair<int, QString>> Cells) {
    const QStringList valid{"Y", "Var", "Int", "2", "N", "0", "", "None", "None", "N", "N", ""};
    for (int c = 1; c <= int(valid.size()); ++c) Grid()->SetCellEx(c, 1, valid[c - 1]);
    for (const auto& [col, text] : Cells) Grid()->SetCellEx(col, 1, text);
  }
  QString File() const { return IEC61850VariablesFile; }

  QTemporaryDir Dir;
  TScriptedDialogScope Dialogs;
  std::unique_ptr<TFIEC61850_Variables> Form;
  QChar SavedSeparator = FormatSettings().DecimalSeparator;
};

}  // namespace

TEST_F(IEC61850VariablesForm, CreationBuildsTheColumnsAndTheTexts) {
  EXPECT_EQ(Form->ClientWidth(), 1155);
  EXPECT_EQ(Form->ClientHeight(), 337);
  EXPECT_EQ(Grid()->ColCount(), 13);
  EXPECT_EQ(Grid()->RowCount(), 51);
  EXPECT_EQ(Form->Caption(), "IEC 61850 Server Variables");
  const QStringList headers{"N",         "Enable",     "Name",         "Type", "Length",    "Read Only", "Position",
                            "Start Bit", "Conversion", "Molt. Factor", "Swap", "Swap Word", "Mnemonic"};
  const int widths[] = {40, 50, 250, 80, 65, 65, 80, 60, 75, 75, 45, 80, 128};
  for (int c = 0; c < 13; ++c) {
    EXPECT_EQ(Grid()->Columns()[c]->Header(), headers[c]) << c;
    EXPECT_EQ(Grid()->ColWidths(c), widths[c]) << c;
  }
  EXPECT_EQ(Grid()->Columns()[3]->ComboItems().CommaText(), "Int,Float,\"Digital (Bit)\"");
  EXPECT_EQ(Grid()->Columns()[7]->ComboItems().Count(), 8);
  EXPECT_EQ(Grid()->Columns()[8]->ComboItems().CommaText(), "None,\"Int to Float\",\"Float to Int\"");
  EXPECT_EQ(Grid()->Columns()[9]->Editor(), edComboEdit);
  EXPECT_EQ(Grid()->Columns()[10]->Editor(), edDataCheckBox);
  EXPECT_EQ(Grid()->Columns()[2]->Color(), TColor(0xFEFAE0));
}

TEST_F(IEC61850VariablesForm, RulesShowTheirExactTextsAndStopTheSave) {
  struct Case {
    std::initializer_list<std::pair<int, QString>> Cells;
    QChar Separator;
    const char* Message;  // nullptr: passes
  };
  const Case cases[] = {
      {{{4, "0x4"}}, '.', nullptr},
      {{{4, "5"}}, '.', "Error row 1!! Length must be between 1 and 4"},
      {{{4, ""}}, '.', "Error row 1!! Length must be between 1 and 4"},
      {{{6, "1437"}}, '.', nullptr},
      {{{6, "1438"}}, '.', "Error row 1!! Position must be between 0 and 1437"},
      {{{3, "Digital (Bit)"}}, '.', "Error row 1!! Start Bit must be Selected "},
      {{{3, "Digital (Bit)"}, {7, "0"}}, '.', nullptr},
      {{{3, "Int"}, {7, ""}}, '.', nullptr},
      {{{8, " "}}, '.', "Error row 1!! Conversion must be Selected "},
      {{{9, "none"}}, '.', nullptr},
      {{{9, ""}}, '.', "Error row 1!! Molt. Factor must be a valid Float"},
      {{{9, "abc"}}, '.', "Error row 1!! Molt. Factor must be a valid Float"},
      {{{9, "1.5"}}, '.', nullptr},
      {{{9, "1,5"}}, '.', nullptr},
      {{{9, "1.5"}}, ',', nullptr},
      {{{9, "1,5"}}, ',', nullptr},
      {{{1, "N"}, {4, "9"}}, '.', nullptr},
  };
  for (const Case& c : cases) {
    Form->FormShow(nullptr);
    FormatSettings().DecimalSeparator = c.Separator;
    PutRow(c.Cells);
    QFile::remove(File());
    Dialogs->ClearRecords();
    Form->Btn_OKClick(nullptr);
    if (!c.Message) {
      EXPECT_TRUE(Dialogs->Records().empty()) << Dialogs->Records().front().Text.toStdString();
      EXPECT_TRUE(QFile::exists(File()));
      EXPECT_EQ(Form->ModalResult(), mrOk);
    } else {
      ASSERT_EQ(Dialogs->Records().size(), 1u) << c.Message;
      EXPECT_EQ(Dialogs->Records()[0].Text, c.Message);
      EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
      EXPECT_FALSE(QFile::exists(File())) << c.Message;
    }
    Form->SetModalResult(mrNone);
  }
}

TEST_F(IEC61850VariablesForm, AnEmptyNameEndsTheCheckAndTheSave) {
  Form->FormShow(nullptr);
  PutRow({});
  Grid()->SetCellEx(2, 3, "Below");
  Grid()->SetCellEx(4, 3, "99");  // invalid, but below the gap
  Form->Btn_OKClick(nullptr);
  EXPECT_TRUE(Dialogs->Records().empty());
  const QByteArray bytes = FileBytes(File());
  EXPECT_TRUE(bytes.contains("Name=\"Var\""));
  EXPECT_FALSE(bytes.contains("Below"));
}

TEST_F(IEC61850VariablesForm, TheFileLoadsAndSavesToTheSameBytes) {
  WriteFile(File(), TwoVariables);
  Form->FormShow(nullptr);
  EXPECT_EQ(Grid()->GetCellEx(12, 1), " boiler ");
  EXPECT_EQ(Grid()->GetCellEx(4, 2), "9");
  EXPECT_EQ(Grid()->GetCellEx(1, 3), "Y");  // reset rows
  Form->Btn_OKClick(nullptr);               // the disabled row's Length 9 is not checked
  EXPECT_TRUE(Dialogs->Records().empty());
  EXPECT_EQ(FileBytes(File()).toStdString(), QByteArray(TwoVariables).toStdString());

  // Missing attributes take their defaults; nothing is required.
  WriteFile(File(), "<X><row Name=\"Only\"/></X>");
  Form->FormShow(nullptr);
  EXPECT_EQ(Grid()->GetCellEx(1, 1), "Y");
  EXPECT_EQ(Grid()->GetCellEx(5, 1), "N");
  EXPECT_EQ(Grid()->GetCellEx(10, 1), "N");
  EXPECT_EQ(Grid()->GetCellEx(3, 1), "");
  EXPECT_TRUE(Dialogs->Records().empty());
}

TEST_F(IEC61850VariablesForm, MoreRowsThanTheTableHoldsAreReported) {
  QByteArray bytes = "<IEC61850_Variables>";
  for (int i = 1; i <= 51; ++i) bytes += "<row Name=\"V" + QByteArray::number(i) + "\"/>";
  WriteFile(File(), bytes + "</IEC61850_Variables>");
  Form->FormShow(nullptr);
  EXPECT_EQ(Grid()->GetCellEx(2, 50), "V50");
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
}

TEST_F(IEC61850VariablesForm, AUserTypesPicksChecksAndSaves) {
  WriteFile(File(), TwoVariables);
  const QByteArray original = FileBytes(File());
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    TPlexColumnGrid* g = Grid();
    TypeInto(g, 2, 3, "Pressure");
    // Type from its list: F2 opens the drop-down, Down moves to "Float".
    ClickCell(g, 3, 3);
    QTest::keyClick(g->Widget(), Qt::Key_F2);
    ASSERT_TRUE(g->ComboEditor() && g->ComboEditor()->Visible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(g->GetCellEx(3, 3), "Float");
    TypeInto(g, 4, 3, "4");
    TypeInto(g, 6, 3, "1438");
    TypeInto(g, 8, 3, "None");
    // The factor's drop-down edit takes free text once opened.
    ClickCell(g, 9, 3);
    QTest::keyClick(g->Widget(), Qt::Key_F2);
    QTest::keyClicks(QApplication::focusWidget(), "2,5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ClickCell(g, 5, 3);  // Read Only
    EXPECT_EQ(g->GetCellEx(5, 3), "Y");
    Shot(*Form, "iec61850-variables.png");

    Press(Form->Btn_OK);  // Position 1438 is refused
    ASSERT_EQ(Dialogs->Records().size(), 1u);
    EXPECT_EQ(Dialogs->Records()[0].Text, "Error row 3!! Position must be between 0 and 1437");
    EXPECT_EQ(FileBytes(File()).toStdString(), QByteArray(original).toStdString());
    TypeInto(g, 6, 3, "12");
    EXPECT_EQ(g->GetCellEx(6, 3), "12");

    // Copy row 3 onto row 4, then delete row 1 (No, then Yes).
    ClickCell(g, 2, 3);
    Press(Form->Btn_CopyRow);
    ClickCell(g, 2, 4);
    Press(Form->Btn_PasteRow);
    EXPECT_EQ(g->GetCellEx(2, 4), "Pressure");
    ClickCell(g, 2, 1);
    Dialogs->Answer(mrNo);
    Press(Form->Btn_DelRow);
    EXPECT_EQ(Dialogs->Records().back().Text, "Are you sure to delete the Row number 1");
    EXPECT_EQ(g->GetCellEx(2, 1), "Temp");
    Dialogs->Answer(mrYes);
    Press(Form->Btn_DelRow);
    EXPECT_EQ(g->GetCellEx(2, 1), "Alarm");
    Press(Form->Btn_OK);
  });
  EXPECT_EQ(Form->ShowModal(), mrOk);
  const QByteArray saved = FileBytes(File());
  EXPECT_TRUE(saved.startsWith("<IEC61850_Variables><row Enable=\"N\" Name=\"Alarm\""));
  EXPECT_TRUE(
      saved.contains("Name=\"Pressure\" Type=\"Float\" Length=\"4\" ReadOnly=\"Y\" Position=\"12\" "
                     "StartBit=\"\" Conversion=\"None\" MultiplicationFactor=\"2,5\""))
      << saved.toStdString();
  EXPECT_EQ(saved.count("Pressure"), 2) << saved.toStdString();

  // Cancel loses the edits; the next showing reads the file again.
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    TypeInto(Grid(), 2, 1, "Lost");
    Press(Form->Btn_Cancel);
  });
  EXPECT_EQ(Form->ShowModal(), mrCancel);
  QTimer::singleShot(0, [&] { Form->SetModalResult(mrCancel); });
  Form->ShowModal();
  EXPECT_EQ(Grid()->GetCellEx(2, 1), "Alarm");
  EXPECT_EQ(FileBytes(File()).toStdString(), QByteArray(saved).toStdString());
}
