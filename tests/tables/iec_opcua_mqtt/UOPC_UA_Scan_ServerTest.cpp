// The OPC UA scan dialog with the search library stand-in: what it passes to
// the library, how the results show and tick, and what a missing library or
// entry point leaves behind.
#include "tables/iec_opcua_mqtt/UOPC_UA_Scan_Server.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/StdCtrls.h"
#include "platform/Timers.h"
#include "support/OpcUaSearchStandIn.h"
#include "support/TableEditorDriver.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace TableEditorDriver;

namespace {

enum { Number, Read, Write, Name, NodeType, NodeId, DataType, NameSpace, Access };

class OPCUAScanServer : public ::testing::Test {
protected:
  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    SoftwareCode = "CFZ9KAD";
    Form = std::make_unique<TFOPC_UA_Scan_Server>(nullptr);
    Form->DoCreate();
    Form->Server.server_address = Address.constData();
    Form->Server.username = User.constData();
    Form->Server.password = Password.constData();
    Form->Server.cert = Certificate.constData();
    Form->Server.priv_key = nullptr;
    Form->Server.user_pass_auth_flag = 1;
    Form->Server.security_type = 2;
    Form->Server.security_policy = 5;
  }
  void TearDown() override {
    Form.reset();
    ResetShellState();
  }
  TPlexColumnGrid* Grid() const { return Form->PCG_OPC_UA_Scan_Var; }
  // Shows the dialog and lets the scan timer run out.
  void ShowAndScan() {
    ASSERT_TRUE(ShowActive(*Form));
    EXPECT_TRUE(Form->LWaiting->Visible());
    Clock.Clock().Advance(99);
    EXPECT_TRUE(Dialogs->Records().empty());
    Clock.Clock().Advance(1);
  }
  QString Cell(int ACol, int ARow) const { return Grid()->GetCellEx(ACol, ARow); }

  QByteArray Address = "opc.tcp://plc:4840";
  QByteArray User = "oper\xE9";
  QByteArray Password = "secret";
  QByteArray Certificate = "-----BEGIN-----\nAAA\n-----END-----";
  TManualClockScope Clock;
  TScriptedDialogScope Dialogs;
  std::unique_ptr<TFOPC_UA_Scan_Server> Form;
};

}  // namespace

TEST_F(OPCUAScanServer, CreationSizesTheDialogAndNamesItsColumns) {
  EXPECT_EQ(Form->ClientWidth(), 1035);
  EXPECT_EQ(Form->ClientHeight(), 337);
  EXPECT_FALSE(Form->LWaiting->Visible());
  EXPECT_EQ(Form->LWaiting->Caption(), "WAITING FOR SCAN...");
  EXPECT_EQ(Form->Timer_Scan->Interval(), 100);
  EXPECT_FALSE(Form->Timer_Scan->Enabled());
  ASSERT_EQ(Grid()->ColCount(), 9);
  const QStringList headers{"N", "Read", "Write", "Display Name", "Node Type", "Node Identifier", "Data Type",
                            "Name Space Index", "Read/Write"};
  for (int c = 0; c < 9; ++c) EXPECT_EQ(Cell(c, 0), headers[c]) << c;
}

TEST_F(OPCUAScanServer, AccessLevelsTickAndNameTheAccess) {
  TOpcUaSearchStandIn library;
  struct TCase {
    int Level;
    const char* Read;
    const char* Write;
    const char* Text;
  } cases[] = {{1, "Y", "", "Read"},         {2, "", "Y", "Write"},        {0, "Y", "Y", "Read/Write"},
               {3, "Y", "Y", "Read/Write"},  {5, "Y", "", "Read/Write"},   {6, "", "Y", "Read/Write"}};
  QList<QByteArray> lines;
  for (const TCase& c : cases) lines << TOpcUaSearchStandIn::Variable(c.Level, "v" + QByteArray::number(c.Level));
  library.Answer(QByteArray::number(lines.size()), lines);
  ShowAndScan();
  EXPECT_TRUE(Dialogs->Records().empty());
  EXPECT_FALSE(Form->LWaiting->Visible());
  ASSERT_EQ(Grid()->RowCount(), 7);
  for (int i = 0; i < 6; ++i) {
    const TCase& c = cases[i];
    EXPECT_EQ(Cell(Number, i + 1), QString::number(i + 1));
    EXPECT_EQ(Cell(Read, i + 1), c.Read) << c.Level;
    EXPECT_EQ(Cell(Write, i + 1), c.Write) << c.Level;
    EXPECT_EQ(Cell(Access, i + 1), c.Text) << c.Level;
  }
  Shot(*Form, "scan_result.png");
}

TEST_F(OPCUAScanServer, TheLibraryGetsTheServerRecordAsPassed) {
  TOpcUaSearchStandIn library;
  // Nothing found, whatever the count below 1 says: one empty row and no waiting text.
  for (const QByteArray count : {"0", "-3"}) {
    library.Answer(count, {TOpcUaSearchStandIn::Variable(1, "ignored")});
    Form->Hide();
    ShowAndScan();
    const QList<QByteArray> expected{Address, "1", User, Password, Certificate, "(null)", "2", "5"};
    EXPECT_EQ(library.Recorded(), expected);
    EXPECT_FALSE(Form->LWaiting->Visible());
    EXPECT_EQ(Grid()->RowCount(), 2);
    for (int c = 0; c < 9; ++c) EXPECT_EQ(Cell(c, 1), "") << c;
    EXPECT_TRUE(Form->List_Var.empty());
  }
}

TEST_F(OPCUAScanServer, ResultsShowTheirIdentifiersAndOutliveTheLibrary) {
  TOpcUaSearchStandIn library;
  library.Answer("6", {"0\t0\t4294967295\t\t\t\tCount\t5\t1", "3\t3\t0\tM\xFC" "nchen\t\t\tTemp\xE9rature\t9\t3",
                       "1\t4\t0\t\ta1b2c3d4e5f60708090a0b0c0d0e0f10\t\tId\t13\t1", "0\t5\t0\t\t\tAQID\t(null)\t14\t1",
                       "0\t7\t9\tx\t\t\tOdd\t15\t1", "0\t3\t0\t(null)\t\t\tNoName\t-1\t1"});
  ShowAndScan();
  ASSERT_EQ(Form->List_Var.size(), 6u);
  struct TRow {
    const char* Name;
    const char* Type;
    const char* Id;
    const char* Data;
    const char* Space;
  } rows[] = {
      {"Count", "Numeric", "4294967295", "Int32", "0"},
      {"Temp\u00E9rature", "String", "M\u00FCnchen", "Float", "3"},
      {"Id", "Guid", "A1B2C3D4-E5F6-0708-090A-0B0C0D0E0F10", "Guid", "1"},
      {"", "ByteString", "AQID", "ByteString", "0"},
      {"Odd", "", "", "", "0"},
      {"NoName", "String", "", "", "0"},
  };
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(Cell(Name, i + 1), QString::fromUtf8(rows[i].Name)) << i;
    EXPECT_EQ(Cell(NodeType, i + 1), rows[i].Type) << i;
    EXPECT_EQ(Cell(NodeId, i + 1), QString::fromUtf8(rows[i].Id)) << i;
    EXPECT_EQ(Cell(DataType, i + 1), rows[i].Data) << i;
    EXPECT_EQ(Cell(NameSpace, i + 1), rows[i].Space) << i;
  }
  // The library is gone; the copies stay and are read again for the next showing.
  EXPECT_EQ(Form->List_Var[1].DisplayName, QString::fromUtf8("Temp\u00E9rature"));
  EXPECT_EQ(Form->List_Var[1].StringName, QString::fromUtf8("M\u00FCnchen"));
  EXPECT_EQ(Form->List_Var[3].ByteString, "AQID");
  EXPECT_EQ(Form->List_Var[1].Record.nameSpaceIndex, 3);
  Form->Hide();
  Form->Server.server_address = "";
  ASSERT_TRUE(ShowActive(*Form));
  Clock.Clock().Advance(1000);
  EXPECT_FALSE(Form->LWaiting->Visible());
  EXPECT_EQ(library.Recorded().value(0), Address);  // no second scan
  EXPECT_EQ(Grid()->RowCount(), 7);
  EXPECT_EQ(Cell(NodeId, 2), QString::fromUtf8("M\u00FCnchen"));
}

TEST_F(OPCUAScanServer, SelectAndClearWorkOnFilledResultsOnly) {
  TOpcUaSearchStandIn library;
  library.Answer("0");
  ShowAndScan();
  for (TLbButton* button : {Form->Btn_SelectAllRead, Form->Btn_SelectAllWrite}) Press(button);
  EXPECT_EQ(Cell(Read, 1), "");
  EXPECT_EQ(Cell(Write, 1), "");

  library.Answer("3", {TOpcUaSearchStandIn::Variable(1, "a"), TOpcUaSearchStandIn::Variable(2, "b"),
                       TOpcUaSearchStandIn::Variable(3, "c")});
  Form->Hide();
  ShowAndScan();
  struct TStep {
    TLbButton* Button;
    const char* Read;
    const char* Write;
  } steps[] = {{Form->Btn_SelectAllRead, "YYY", "-YY"},
               {Form->Btn_ClearAllWrite, "YYY", "NNN"},
               {Form->Btn_SelectAllWrite, "YYY", "YYY"},
               {Form->Btn_ClearAllRead, "NNN", "YYY"}};
  for (const TStep& step : steps) {
    Press(step.Button);
    for (int r = 1; r <= 3; ++r) {
      const auto expect = [](const char* column, int row) {
        return column[row - 1] == '-' ? QString() : QString(QChar(column[row - 1]));
      };
      EXPECT_EQ(Cell(Read, r), expect(step.Read, r)) << r;
      EXPECT_EQ(Cell(Write, r), expect(step.Write, r)) << r;
    }
  }
}

TEST_F(OPCUAScanServer, AMissingLibraryOrEntryPointIsReportedOnceAndGivesNoResults) {
  struct TCase {
    TOpcUaSearchStandIn::TBuild Build;
    const char* Message;
  } cases[] = {{TOpcUaSearchStandIn::Missing, "Error DLL not Found!!"},
               {TOpcUaSearchStandIn::WithoutReturnVariable, "Error Functions in DLL not Found!!"}};
  for (const TCase& c : cases) {
    TOpcUaSearchStandIn library(c.Build);
    library.Answer("2", {TOpcUaSearchStandIn::Variable(1, "a"), TOpcUaSearchStandIn::Variable(1, "b")});
    Dialogs->ClearRecords();
    std::optional<TModalResult> result;
    QTimer::singleShot(0, [&] {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
      EXPECT_TRUE(Form->LWaiting->Visible());
      Clock.Clock().Advance(100);
      Clock.Clock().Advance(1000);
      ASSERT_EQ(Dialogs->Records().size(), 1u) << c.Message;
      EXPECT_EQ(Dialogs->Records()[0].Text, c.Message);
      EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
      EXPECT_EQ(Dialogs->Records()[0].Buttons, TMsgDlgButtons{mbOK});
      EXPECT_TRUE(Form->LWaiting->Visible());
      EXPECT_EQ(Grid()->RowCount(), 2);
      EXPECT_EQ(Cell(Name, 1), "");
      if (c.Build == TOpcUaSearchStandIn::Missing) Shot(*Form, "scan_no_library.png");
      Press(Form->Btn_OK);
    });
    result = Form->ShowModal();
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(Form->List_Var.empty());
  }
}
