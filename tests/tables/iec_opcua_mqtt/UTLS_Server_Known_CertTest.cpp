// The TLS known-certificate list: certificates of several lines kept byte for
// byte, check boxes that only "N" unchecks, the row buttons, OK and reopen.
#include "tables/iec_opcua_mqtt/UTLS_Server_Known_Cert.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "platform/Dialogs.h"
#include "support/TableEditorDriver.h"

#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace TableEditorDriver;

namespace {

const QByteArray PemLF = "-----BEGIN CERTIFICATE-----\nMIIBszCCAVmgAwIBAgIU\n-----END CERTIFICATE-----";

QByteArray CertFile(const QByteArray& Rows) {
  return "<TLS_Server_Known_Cert>" + Rows + "</TLS_Server_Known_Cert><!--SW_VERSION = 1.000-->\n";
}

class TLSKnownCertForm : public ::testing::Test {
protected:
  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    SoftwareCode = "CFZ9KAD";
    ASSERT_TRUE(Dir.isValid());
    ProjectFolder = Dir.path();
    TLSKnownCertFile = Dir.path() + "/TLS_Known_Cert.xml";
    Form = std::make_unique<TFTLS_Server_Known_Cert>(nullptr);
    Form->DoCreate();
  }
  void TearDown() override {
    Form.reset();
    ResetShellState();
  }
  TPlexStringGrid* Grid() const { return Form->PSG; }
  bool Checked(int ARow) const {
    bool state = false;
    EXPECT_TRUE(Grid()->GetCheckBoxState(1, ARow, state)) << ARow;
    return state;
  }
  QString File() const { return TLSKnownCertFile; }

  QTemporaryDir Dir;
  TScriptedDialogScope Dialogs;
  std::unique_ptr<TFTLS_Server_Known_Cert> Form;
};

}  // namespace

TEST_F(TLSKnownCertForm, CreationBuildsTheGridAndTheTexts) {
  EXPECT_EQ(Form->ClientWidth(), 800);
  EXPECT_EQ(Form->ClientHeight(), 337);
  EXPECT_EQ(Grid()->ColCount(), 4);
  EXPECT_EQ(Grid()->RowCount(), 11);
  EXPECT_EQ(Grid()->RowHeights(0), 22);
  EXPECT_EQ(Grid()->RowHeights(10), 60);
  EXPECT_EQ(Grid()->ColWidths(2), 500);
  EXPECT_EQ(Grid()->GetCellEx(2, 0), "Certificate");
  EXPECT_EQ(Grid()->GetCellEx(0, 10), "10");
  EXPECT_TRUE(Grid()->HasCheckBox(1, 10));
}

TEST_F(TLSKnownCertForm, CertificatesOfSeveralLinesLoadAndSaveUnchanged) {
  QByteArray pemCRLF = PemLF;
  pemCRLF.replace("\n", "\r\n");
  const auto escaped = [](QByteArray Text) { return Text.replace("\r", "&#13;").replace("\n", "&#10;"); };
  const QByteArray file = CertFile("<row Enable=\"Y\" Certificate=\"" + escaped(PemLF) + "\" Mnemonic=\"lf\"/>" +
                                   "<row Enable=\"N\" Certificate=\"  " + escaped(pemCRLF) + "\" Mnemonic=\"\"/>");
  WriteFile(File(), file);
  Form->FormShow(nullptr);
  EXPECT_EQ(Grid()->GetCellEx(2, 1), QString(PemLF));
  EXPECT_EQ(Grid()->GetCellEx(2, 2), "  " + QString(pemCRLF));
  EXPECT_FALSE(Checked(2));
  Form->Btn_OKClick(nullptr);
  EXPECT_EQ(FileBytes(File()).toStdString(), file.toStdString());
}

TEST_F(TLSKnownCertForm, OnlyAnExactNUnchecksAndBlanksEndTheList) {
  WriteFile(File(), CertFile("<row Enable=\"n\" Certificate=\"A\"/><row Enable=\"Yes\" Certificate=\"B\"/>"
                             "<row Enable=\"N\" Certificate=\"C\"/><row Certificate=\"D\" Mnemonic=\"m\"/>"
                             "<row Enable=\"Y\" Certificate=\"   \"/><row Enable=\"Y\" Certificate=\"F\"/>"));
  Form->FormShow(nullptr);
  EXPECT_TRUE(Checked(1));
  EXPECT_TRUE(Checked(2));
  EXPECT_FALSE(Checked(3));
  EXPECT_TRUE(Checked(4));
  EXPECT_EQ(Grid()->GetCellEx(3, 1), "");  // missing Mnemonic
  Form->Btn_OKClick(nullptr);
  EXPECT_TRUE(Dialogs->Records().empty());
  EXPECT_EQ(
      FileBytes(File()).toStdString(),
      CertFile("<row Enable=\"Y\" Certificate=\"A\" Mnemonic=\"\"/><row Enable=\"Y\" Certificate=\"B\" Mnemonic=\"\"/>"
               "<row Enable=\"N\" Certificate=\"C\" Mnemonic=\"\"/><row Enable=\"Y\" Certificate=\"D\" "
               "Mnemonic=\"m\"/>")
          .toStdString());
}

TEST_F(TLSKnownCertForm, ElevenRowsFillTheTableAndAreReported) {
  QByteArray rows;
  for (int i = 1; i <= 11; ++i) rows += "<row Certificate=\"C" + QByteArray::number(i) + "\"/>";
  WriteFile(File(), CertFile(rows));
  Form->FormShow(nullptr);
  EXPECT_EQ(Grid()->GetCellEx(2, 10), "C10");
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
}

TEST_F(TLSKnownCertForm, AUserEditsTheListWithTheRowButtons) {
  WriteFile(File(), CertFile("<row Enable=\"N\" Certificate=\"First\" Mnemonic=\"\"/>"));
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    TPlexStringGrid* g = Grid();
    TypeInto(g, 2, 2, "Second");
    TypeInto(g, 3, 2, "backup");
    ClickCell(g, 1, 2);  // unchecks the box of row 2
    EXPECT_FALSE(Checked(2));
    Shot(*Form, "tls-known-certificates.png");

    // Insert before row 1: a new empty row with a checked box.
    ClickCell(g, 2, 1);
    Press(Form->Btn_InsRow);
    EXPECT_EQ(g->GetCellEx(2, 1), "");
    EXPECT_TRUE(Checked(1));
    EXPECT_EQ(g->GetCellEx(2, 2), "First");
    // Delete it again: No keeps it, Yes removes it and the last row comes back checked.
    Dialogs->Answer(mrNo);
    Press(Form->Btn_DelRow);
    EXPECT_EQ(Dialogs->Records().back().Text, "Are you sure to delete the Row number 1");
    EXPECT_EQ(g->GetCellEx(2, 2), "First");
    Dialogs->Answer(mrYes);
    Press(Form->Btn_DelRow);
    EXPECT_EQ(g->GetCellEx(2, 1), "First");
    EXPECT_TRUE(Checked(10));
    Press(Form->Btn_OK);
  });
  EXPECT_EQ(Form->ShowModal(), mrOk);
  EXPECT_EQ(FileBytes(File()).toStdString(), CertFile("<row Enable=\"N\" Certificate=\"First\" Mnemonic=\"\"/>"
                                                      "<row Enable=\"N\" Certificate=\"Second\" Mnemonic=\"backup\"/>")
                                                 .toStdString());

  QTimer::singleShot(0, [&] { Form->SetModalResult(mrCancel); });
  Form->ShowModal();
  EXPECT_EQ(Grid()->GetCellEx(3, 2), "backup");
  EXPECT_FALSE(Checked(2));
}
