// The OPC UA client editor driven as a user does: servers through their
// dialog, variables typed per server, scans with the search library stand-in,
// automatic positions, the checks of OK and the file written.
#include "tables/iec_opcua_mqtt/UOPC_UA_Client_Access.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "common/button/LbButton.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/Timers.h"
#include "support/OpcUaSearchStandIn.h"
#include "support/TableEditorDriver.h"
#include "tables/iec_opcua_mqtt/UOPC_UA_Add_Server.h"
#include "tables/iec_opcua_mqtt/UOPC_UA_Scan_Server.h"

#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace TableEditorDriver;

namespace {

enum { Enable = 1, Name, NodeType, NodeId, VarType, NameSpace, VarArray, Start, Len, TimeMs, Position, Mnemonic };
enum { OnChange = VarArray, OnCMD = Start, OnTimer = Len };

std::unique_ptr<TOPC_UA_Variable> Var(const QString& Type, const QString& Position = "0", bool Enabled = true) {
  auto v = std::make_unique<TOPC_UA_Variable>();
  v->Enable = Enabled;
  v->DispalyName = "v";
  v->SetVarType(Type);
  v->VarArray = "Variable";
  v->Time = "100";
  v->Position = Position;
  v->OnTimer = "N";
  return v;
}

class OPCUAClientEditor : public ::testing::Test {
protected:
  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    SoftwareCode = "CFZ9KAD";
    ASSERT_TRUE(Dir.isValid());
    ProjectFolder = Dir.path();
    OPCUAClientFile = Dir.path() + "/OPC_UA_Client.xml";
    AddDialog = std::make_unique<TFOPC_UA_Add_Server>(nullptr);
    AddDialog->DoCreate();
    FOPC_UA_Add_Server = AddDialog.get();
    ScanDialog = std::make_unique<TFOPC_UA_Scan_Server>(nullptr);
    ScanDialog->DoCreate();
    FOPC_UA_Scan_Server = ScanDialog.get();
    Form = std::make_unique<TFOPC_UA_Client_Access>(nullptr);
    Form->DoCreate();
  }
  void TearDown() override {
    Form.reset();
    FOPC_UA_Scan_Server = nullptr;
    FOPC_UA_Add_Server = nullptr;
    ScanDialog.reset();
    AddDialog.reset();
    ResetShellState();
  }
  TPlexColumnGrid* Servers() const { return Form->PCG_OPC_UA_Server; }
  TPlexColumnGrid* ReadGrid() const { return Form->PCG_OPC_UA_Var_R; }
  TPlexColumnGrid* WriteGrid() const { return Form->PCG_OPC_UA_Var_W; }
  TOPC_UA_Server& Server(int Index) { return *Form->OPC_UA_Server_List.at(size_t(Index)); }
  TOPC_UA_Server& NewServer(const QString& Address) {
    auto server = std::make_unique<TOPC_UA_Server>();
    server->Enable = true;
    server->ServerAddress = Address;
    server->Authorization = "Anonymous";
    server->SecurityType = "None";
    server->SecurityPolicy = "None";
    Form->OPC_UA_Server_List.push_back(std::move(server));
    return *Form->OPC_UA_Server_List.back();
  }

  // Adds a server through its dialog: the address typed, Enter confirms.
  void AddServer(const QString& Address) {
    bool answered = false;
    QTimer::singleShot(0, AddDialog->Widget(), [&] {
      EXPECT_TRUE(QTest::qWaitForWindowActive(AddDialog->Widget()));
      EXPECT_EQ(AddDialog->FormType, 1);
      AddDialog->E_Server_Add->Widget()->setFocus();
      QTest::keyClicks(AddDialog->E_Server_Add->Widget(), Address);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      answered = true;
    });
    Press(Form->Btn_Add_Server);
    EXPECT_TRUE(answered);
  }
  // Runs a scan of the selected server; `Inside` acts on the shown results,
  // then the dialog closes with OK.
  void ScanWith(const std::function<void()>& Inside) {
    bool shown = false;
    QTimer::singleShot(0, ScanDialog->Widget(), [&] {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(ScanDialog->Widget()));
      Clock.Clock().Advance(100);
      if (Inside) Inside();
      shown = true;
      Press(ScanDialog->Btn_OK);
    });
    Press(Form->Btn_Scan_Server);
    EXPECT_TRUE(shown);
  }
  // Shows the form (which reloads the file), then puts the servers `Fill` makes into the model.
  void ShowWith(const std::function<void()>& Fill) {
    ASSERT_TRUE(ShowActive(*Form));
    Fill();
    Form->Show_OPC_UA_Server_List();
    Form->Show_OPC_UA_Var_List();
  }
  // Opens the drop-down list of the cell and walks Down `Steps` entries, then Enter.
  void Pick(TPlexColumnGrid* Grid, int ACol, int ARow, int Steps) {
    ClickCell(Grid, ACol, ARow);
    QTest::keyClick(Grid->Widget(), Qt::Key_F2);
    for (int i = 0; i < Steps; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  void ClickPage(int Index) {
    auto* bar = Form->PC_OPC_UA_Vars->Widget()->findChild<QTabBar*>();
    ASSERT_TRUE(bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(Index).center());
    ASSERT_EQ(Form->PC_OPC_UA_Vars->ActivePageIndex(), Index);
  }
  QStringList Names(const TOPC_UA_Variable_List& List) const {
    QStringList names;
    for (const auto& v : List) names << v->DispalyName;
    return names;
  }

  TManualClockScope Clock;
  QTemporaryDir Dir;
  TScriptedDialogScope Dialogs;
  std::unique_ptr<TFOPC_UA_Add_Server> AddDialog;
  std::unique_ptr<TFOPC_UA_Scan_Server> ScanDialog;
  std::unique_ptr<TFOPC_UA_Client_Access> Form;
};

}  // namespace

TEST_F(OPCUAClientEditor, CreationBuildsThePanelsTablesAndTexts) {
  EXPECT_EQ(Form->ClientWidth(), 1150);
  EXPECT_EQ(Form->ClientHeight(), 660);
  EXPECT_EQ(Servers()->ColCount(), 11);
  EXPECT_TRUE(Servers()->Options().Contains(goRowSelect));
  EXPECT_FALSE(Servers()->Options().Contains(goEditing));
  for (TPlexColumnGrid* grid : {ReadGrid(), WriteGrid()}) {
    EXPECT_EQ(grid->ColCount(), 13);
    EXPECT_EQ(grid->RowCount(), 1025);
  }
  EXPECT_EQ(Form->TS_OPC_UA_Var_Read->Caption(), "Variables in Read");
  EXPECT_EQ(Form->TS_OPC_UA_Var_Write->Caption(), "Variables in Write");
  EXPECT_EQ(Form->Btn_AutoPosition->Caption(), "Auto Pos");
  const QStringList serverHeaders{"N",           "Enable",      "Server Address", "Authorization",
                                  "User",        "Password",    "Certificate",    "Private Key",
                                  "Security Type", "Security Policy", "Mnemonic"};
  for (int c = 0; c < 11; ++c) EXPECT_EQ(Servers()->GetCellEx(c, 0), serverHeaders[c]) << c;
  const QStringList read{"N",       "Enable", "Display Name", "Node Type", "Node ID",   "Var Type", "Name Space Index",
                         "Var/Array", "Start",  "Length",       "Time (ms)", "Position", "Mnemonic"};
  const QStringList write{"N",         "Enable", "Display Name", "Node Type", "Node ID",   "Var Type", "Name Space Index",
                          "On Change", "On CMD", "On Timer",     "Time (ms)", "Position", "Mnemonic"};
  for (int c = 0; c < 13; ++c) {
    EXPECT_EQ(ReadGrid()->GetCellEx(c, 0), read[c]) << c;
    EXPECT_EQ(WriteGrid()->GetCellEx(c, 0), write[c]) << c;
  }
  // Header hints: the write table's On Change takes 4184 and On CMD 4183.
  struct THint {
    TPlexColumnGrid* Grid;
    int Row, Col;
    int Id;
  } hints[] = {{Servers(), 0, 2, 4123},  {Servers(), 0, 10, 4131}, {ReadGrid(), 0, 7, 4208},
               {ReadGrid(), 0, 12, 4163}, {WriteGrid(), 0, 7, 4184}, {WriteGrid(), 0, 8, 4183},
               {WriteGrid(), 1, 7, 0},    {Servers(), 0, 0, 0}};
  for (const THint& h : hints) {
    QString hint = "x";
    if (h.Grid == Servers())
      Form->ServerGridHint(h.Grid, h.Row, h.Col, hint);
    else
      Form->GridHint(h.Grid, h.Row, h.Col, hint);
    EXPECT_EQ(hint, h.Id ? LangText(h.Id) : QString()) << h.Row << "," << h.Col;
  }
}

TEST_F(OPCUAClientEditor, VariablesTypedForOneServerStayWithIt) {
  ASSERT_TRUE(ShowActive(*Form));
  EXPECT_EQ(Servers()->RowCount(), 2);
  EXPECT_EQ(ReadGrid()->GetCellEx(Enable, 1), "Y");
  AddServer("opc.tcp://one:4840");
  AddServer("opc.tcp://two:4840");
  ASSERT_EQ(Form->OPC_UA_Server_List.size(), 2u);
  EXPECT_EQ(Servers()->GetCellEx(2, 2), "opc.tcp://two:4840");
  EXPECT_EQ(Servers()->GetCellEx(3, 1), "Anonymous");
  EXPECT_EQ(Servers()->GetCellEx(1, 1), "Y");

  ClickCell(Servers(), 2, 1);
  for (int r = 1; r <= 3; ++r) {
    TypeInto(ReadGrid(), Name, r, "Temp" + QString::number(r));
    TypeInto(ReadGrid(), TimeMs, r, "100");
    Pick(ReadGrid(), VarArray, r, 0);
    TypeInto(ReadGrid(), Position, r, QString::number(r * 2));
  }
  ClickCell(Servers(), 2, 2);
  EXPECT_EQ(ReadGrid()->GetCellEx(Name, 1), "");
  TypeInto(ReadGrid(), Name, 1, "Pressure");
  TypeInto(ReadGrid(), TimeMs, 1, "250");
  Pick(ReadGrid(), VarArray, 1, 0);
  ClickCell(Servers(), 2, 1);
  for (int r = 1; r <= 3; ++r) EXPECT_EQ(ReadGrid()->GetCellEx(Name, r), "Temp" + QString::number(r));
  EXPECT_EQ(ReadGrid()->GetCellEx(VarArray, 3), "Variable");
  EXPECT_EQ(ReadGrid()->GetCellEx(Name, 4), "");
  EXPECT_EQ(Names(Server(0).Var_List_R), QStringList({"Temp1", "Temp2", "Temp3"}));
  EXPECT_EQ(Names(Server(1).Var_List_R), QStringList({"Pressure"}));
  // The keys choose a server too.
  QTest::keyClick(Servers()->Widget(), Qt::Key_Down);
  EXPECT_EQ(ReadGrid()->GetCellEx(Name, 1), "Pressure");
  QTest::keyClick(Servers()->Widget(), Qt::Key_Up);
  EXPECT_EQ(ReadGrid()->GetCellEx(Name, 1), "Temp1");
  EXPECT_EQ(Server(0).Var_List_R[2]->Position, "6");
  EXPECT_EQ(Server(0).Var_List_R[0]->OnTimer, "N");

  // On the write page: one row typed, then deleted with Yes.
  ClickPage(1);
  TypeInto(WriteGrid(), Name, 1, "Setpoint");
  ClickCell(WriteGrid(), Name, 1);
  Dialogs->Answer(mrYes);
  Press(Form->Btn_DelRow);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text, "Are you sure to delete the Row number 1");
  EXPECT_EQ(Dialogs->Records()[0].Buttons, mbYesNo);
  EXPECT_EQ(WriteGrid()->GetCellEx(Name, 1), "");
  EXPECT_TRUE(Server(0).Var_List_W.empty());
  Shot(*Form, "client_write_page.png");
  ClickPage(0);
  Shot(*Form, "client_read_page.png");

  // OK writes the file; Cancel after more edits, then a new showing, shows the file again.
  Dialogs->ClearRecords();
  for (int r = 1; r <= 3; ++r) TypeInto(ReadGrid(), Position, r, QString::number(r));
  ClickCell(Servers(), 2, 2);
  TypeInto(ReadGrid(), Position, 1, "9");
  Press(Form->Btn_OK);
  EXPECT_TRUE(Dialogs->Records().empty()) << Dialogs->Records()[0].Text.toStdString();
  EXPECT_EQ(Form->ModalResult(), mrOk);
  TOPC_UA_Server_List saved;
  LoadOPCUAClientFile(OPCUAClientFile, saved);
  ASSERT_EQ(saved.size(), 2u);
  EXPECT_EQ(Names(saved[0]->Var_List_R), QStringList({"Temp1", "Temp2", "Temp3"}));
  EXPECT_EQ(saved[1]->Var_List_R.at(0)->Position, "9");

  Form->Hide();
  ASSERT_TRUE(ShowActive(*Form));
  ClickCell(Servers(), 2, 2);
  TypeInto(ReadGrid(), Name, 1, "Changed");
  ClickCell(Servers(), 2, 1);
  Press(Form->Btn_Cancel);
  Form->Hide();
  ASSERT_TRUE(ShowActive(*Form));
  ASSERT_EQ(Form->OPC_UA_Server_List.size(), 2u);
  EXPECT_EQ(Names(Server(1).Var_List_R), QStringList({"Pressure"}));
  EXPECT_EQ(ReadGrid()->GetCellEx(Name, 1), "Temp1");
}

TEST_F(OPCUAClientEditor, StoringFollowsTheViewMapping) {
  ShowWith([&] { NewServer("a"); });
  struct TRow {
    const char* Name;
    const char* NameSpace;
    int Stored;
  } rows[] = {{"a", "70000", 4464}, {"b", "abc", 0}, {"  ", "65535", 65535}, {"", "1", -1}, {"after", "2", -1}};
  for (int r = 0; r < 5; ++r) {
    ReadGrid()->SetCellEx(Name, r + 1, rows[r].Name);
    ReadGrid()->SetCellEx(NameSpace, r + 1, rows[r].NameSpace);
    WriteGrid()->SetCellEx(Name, r + 1, rows[r].Name);
    WriteGrid()->SetCellEx(NameSpace, r + 1, rows[r].NameSpace);
  }
  ReadGrid()->SetCellEx(NodeType, 1, "String");
  ReadGrid()->SetCellEx(NodeId, 1, "Line.Speed");
  ReadGrid()->SetCellEx(VarArray, 1, "Array");
  ReadGrid()->SetCellEx(Start, 1, "3");
  ReadGrid()->SetCellEx(Enable, 2, "N");
  WriteGrid()->SetCellEx(OnChange, 1, "Y");
  WriteGrid()->SetCellEx(OnCMD, 1, "N");
  WriteGrid()->SetCellEx(OnTimer, 1, "Y");
  ClickCell(ReadGrid(), Mnemonic, 1);
  ClickPage(1);
  ClickCell(WriteGrid(), Mnemonic, 1);
  ClickCell(Servers(), 2, 1);
  for (const TOPC_UA_Variable_List* list : {&Server(0).Var_List_R, &Server(0).Var_List_W}) {
    ASSERT_EQ(list->size(), 3u);
    for (int r = 0; r < 3; ++r) EXPECT_EQ((*list)[size_t(r)]->nameSpaceIndex, rows[r].Stored) << r;
    EXPECT_FALSE((*list)[1]->Enable == (list == &Server(0).Var_List_R));
  }
  const TOPC_UA_Variable& read = *Server(0).Var_List_R[0];
  EXPECT_EQ(read.NodeType(), "String");
  EXPECT_EQ(read.NodeID(), "Line.Speed");
  EXPECT_EQ(read.VarArray, "Array");
  EXPECT_EQ(read.Start, "3");
  EXPECT_EQ(read.OnChange + read.OnCMD + read.OnTimer, "NNN");
  const TOPC_UA_Variable& write = *Server(0).Var_List_W[0];
  EXPECT_EQ(write.OnChange + write.OnCMD + write.OnTimer, "YNY");
  EXPECT_EQ(write.VarArray + write.Start + write.Len, "");
  EXPECT_EQ(WriteGrid()->GetCellEx(NameSpace, 1), "4464");
}

TEST_F(OPCUAClientEditor, DeletingAServerRefreshesTheTablesSoNoOtherServerIsStoredInto) {
  ShowWith([&] {
    NewServer("first").Var_List_R.push_back(Var("Int16"));
    NewServer("second").Var_List_R.push_back(Var("Float"));
    Server(1).Var_List_R[0]->DispalyName = "second's";
  });
  ClickCell(ReadGrid(), Name, 1);
  EXPECT_EQ(Form->Ind_Server, 0);
  Dialogs->Answer(mrYes);
  Press(Form->Btn_Delete_Server);
  EXPECT_EQ(Dialogs->Records().at(0).Text, "Do you really want to delete the selected OPC UA Server?");
  EXPECT_EQ(Dialogs->Records().at(0).Buttons, mbYesNoCancel);
  ASSERT_EQ(Form->OPC_UA_Server_List.size(), 1u);
  EXPECT_EQ(ReadGrid()->GetCellEx(Name, 1), "second's");
  ClickCell(ReadGrid(), Name, 1);
  ClickCell(Servers(), 2, 1);
  EXPECT_EQ(Names(Server(0).Var_List_R), QStringList({"second's"}));
  EXPECT_EQ(Server(0).Var_List_R[0]->VarType(), "Float");

  // No and Cancel keep the server; with none left nothing is asked or stored.
  for (TModalResult answer : {mrNo, mrCancel}) {
    Dialogs->Answer(answer);
    Press(Form->Btn_Delete_Server);
    EXPECT_EQ(Form->OPC_UA_Server_List.size(), 1u);
  }
  Dialogs->Answer(mrYes);
  Press(Form->Btn_Delete_Server);
  ASSERT_TRUE(Form->OPC_UA_Server_List.empty());
  Dialogs->ClearRecords();
  TypeInto(ReadGrid(), Name, 1, "orphan");
  for (TLbButton* button : {Form->Btn_Modify_Server, Form->Btn_Delete_Server, Form->Btn_AutoPosition})
    Press(button);
  EXPECT_TRUE(Dialogs->Records().empty());
  Press(Form->Btn_Scan_Server);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text, "Error!! Select one Server OPC UA before use the Scan operation");
  EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
}

TEST_F(OPCUAClientEditor, DoubleClicksAddBelowTheRowsAndModifyOnARow) {
  ShowWith([&] { NewServer("opc.tcp://old:4840").Mnemonic = "kept"; });
  struct TCase {
    QPoint At;
    int FormType;
  } cases[] = {{QPoint(100, Servers()->CellRect(0, 1).Bottom + 30), 1},
               {CellCentre(Servers(), 2, 0), 2},
               {CellCentre(Servers(), 2, 1), 2}};
  for (const TCase& c : cases) {
    int formType = 0;
    QString address;
    QTimer::singleShot(0, AddDialog->Widget(), [&] {
      EXPECT_TRUE(QTest::qWaitForWindowActive(AddDialog->Widget()));
      formType = AddDialog->FormType;
      address = AddDialog->E_Server_Add->Text();
      Press(AddDialog->Btn_Cancel);
    });
    QTest::mouseDClick(Servers()->Widget(), Qt::LeftButton, {}, c.At);
    EXPECT_EQ(formType, c.FormType);
    EXPECT_EQ(address, c.FormType == 2 ? "opc.tcp://old:4840" : "");
  }
  // Modify writes the dialog's fields back, the variables untouched.
  Server(0).Var_List_W.push_back(Var("Int8"));
  QTimer::singleShot(0, AddDialog->Widget(), [&] {
    EXPECT_TRUE(QTest::qWaitForWindowActive(AddDialog->Widget()));
    EXPECT_EQ(AddDialog->E_Mnemonic->Text(), "kept");
    AddDialog->CB_Auth->SetItemIndex(1);
    AddDialog->E_User->SetText("u");
    AddDialog->E_Pass->SetText("p");
    AddDialog->CB_Sec_Type->SetItemIndex(2);
    AddDialog->CB_Sec_Policy->SetItemIndex(3);
    Press(AddDialog->Btn_OK);
  });
  Press(Form->Btn_Modify_Server);
  EXPECT_EQ(Server(0).Authorization, "Username and Password");
  EXPECT_EQ(Server(0).SecurityType, "Sign and Encrypt");
  EXPECT_EQ(Server(0).SecurityPolicy, "Basic 256 SHA 256");
  EXPECT_EQ(Servers()->GetCellEx(4, 1), "u");
  EXPECT_EQ(Server(0).Var_List_W.size(), 1u);
}

TEST_F(OPCUAClientEditor, ScanResultsAreAppendedReplacedOrKept) {
  TOpcUaSearchStandIn library;
  library.Answer("3", {TOpcUaSearchStandIn::Variable(1, "r1"), TOpcUaSearchStandIn::Variable(3, "rw"),
                       TOpcUaSearchStandIn::Variable(2, "w1")});
  ShowWith([&] {
    TOPC_UA_Server& server = NewServer("opc.tcp://plc:4840");
    server.UserName = "oper\u00E9";
    server.Authorization = "Username and Password";
    server.SecurityType = "Sign";
    server.SecurityPolicy = "Basic 256";
  });
  // An empty list takes the ticked results without asking; here "rw" is unticked for Read.
  ScanWith([&] { ClickCell(ScanDialog->PCG_OPC_UA_Scan_Var, 1, 2); });
  EXPECT_TRUE(Dialogs->Records().empty());
  EXPECT_EQ(Names(Server(0).Var_List_R), QStringList({"r1"}));
  EXPECT_EQ(Names(Server(0).Var_List_W), QStringList({"rw", "w1"}));
  EXPECT_EQ(library.Recorded(), QList<QByteArray>({"opc.tcp://plc:4840", "1", "oper\xE9", "", "", "", "1", "2"}));
  const TOPC_UA_Variable& taken = *Server(0).Var_List_R[0];
  EXPECT_TRUE(taken.Enable);
  EXPECT_EQ(taken.nameSpaceIndex, 2);
  EXPECT_EQ(taken.VarType(), "Int32");
  EXPECT_EQ(taken.Position + taken.Time + taken.VarArray, "");
  EXPECT_EQ(ReadGrid()->GetCellEx(Name, 1), "r1");

  struct TCase {
    TModalResult Read, Write;
    QStringList ReadNames, WriteNames;
  } cases[] = {
      {mrNo, mrCancel, {"r1", "rw"}, {"rw", "w1"}},
      {mrCancel, mrYes, {"r1", "rw"}, {"rw", "w1", "rw", "w1"}},
      {mrYes, mrNo, {"r1", "rw", "r1", "rw"}, {"rw", "w1"}},
  };
  for (const TCase& c : cases) {
    Dialogs->ClearRecords();
    Dialogs->Answer(c.Read);
    Dialogs->Answer(c.Write);
    ScanWith(nullptr);
    ASSERT_EQ(Dialogs->Records().size(), 2u);
    EXPECT_EQ(Dialogs->Records()[0].Text, "Do you want to append the new variables in Read?");
    EXPECT_EQ(Dialogs->Records()[1].Text, "Do you want to append the new variables in Write?");
    EXPECT_EQ(Dialogs->Records()[1].Buttons, mbYesNoCancel);
    EXPECT_EQ(Names(Server(0).Var_List_R), c.ReadNames);
    EXPECT_EQ(Names(Server(0).Var_List_W), c.WriteNames);
  }

  // Nothing found, or the dialog cancelled: nothing asked, nothing changed.
  library.Answer("0");
  Dialogs->ClearRecords();
  ScanWith(nullptr);
  QTimer::singleShot(0, ScanDialog->Widget(), [&] {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(ScanDialog->Widget()));
    Press(ScanDialog->Btn_Cancel);
  });
  Press(Form->Btn_Scan_Server);
  EXPECT_TRUE(Dialogs->Records().empty());
  EXPECT_EQ(Server(0).Var_List_R.size(), 4u);
}

TEST_F(OPCUAClientEditor, AScanTakesNoMoreThanTheTableHoldsAndSaysHowManyWereLeft) {
  TOpcUaSearchStandIn library;
  QList<QByteArray> lines;
  for (int i = 0; i < 1030; ++i) lines << TOpcUaSearchStandIn::Variable(1, "v" + QByteArray::number(i));
  library.Answer("1030", lines);
  ShowWith([&] { NewServer("opc.tcp://big:4840").Var_List_R.push_back(Var("Int16")); });
  Dialogs->Answer(mrYes);
  ScanWith(nullptr);
  ASSERT_EQ(Server(0).Var_List_R.size(), 1024u);
  EXPECT_EQ(Server(0).Var_List_R.back()->DispalyName, "v1022");
  ASSERT_EQ(Dialogs->Records().size(), 2u);
  EXPECT_EQ(Dialogs->Records()[1].Text, "7 Variables were not added in Read: the table holds at most 1024 Variables");
  EXPECT_EQ(ReadGrid()->GetCellEx(Name, 1024), "v1022");
  // The next store keeps them all.
  ClickCell(ReadGrid(), Name, 1);
  ClickCell(Servers(), 2, 1);
  EXPECT_EQ(Server(0).Var_List_R.size(), 1024u);
}

TEST_F(OPCUAClientEditor, AutoPosPacksEachServerAfterThePreviousOne) {
  ShowWith([&] {
    TOPC_UA_Server& first = NewServer("1");
    for (const char* type : {"Int16", "Float", "Boolean", "Double", "String"})
      first.Var_List_R.push_back(Var(type, "77"));
    first.Var_List_R[2]->Enable = false;
    first.Var_List_W.push_back(Var("DateTime", "500"));
    TOPC_UA_Server& second = NewServer("2");
    second.Var_List_R.push_back(Var("Guid", "40"));
    second.Var_List_R.push_back(Var("Int8", "10"));
    second.Var_List_W.push_back(Var("ByteString", "x"));
    TOPC_UA_Server& third = NewServer("3");
    for (const char* type : {"DateTime", "Guid", "ByteString", "UInt64"}) third.Var_List_R.push_back(Var(type));
    third.Var_List_W.push_back(Var("Int32"));
    third.Var_List_W.push_back(Var("Unknown"));
  });
  struct TCase {
    int Row;
    int Server;
    QStringList Read, Write;
  } cases[] = {
      {1, 0, {"0", "2", "6", "7", "15"}, {"0"}},
      {3, 2, {"56", "64", "80", "100"}, {"20", "24"}},
  };
  for (const TCase& c : cases) {
    ClickCell(Servers(), 2, c.Row);
    Dialogs->ClearRecords();
    Dialogs->Answer(mrYes);
    Press(Form->Btn_AutoPosition);
    ASSERT_EQ(Dialogs->Records().size(), 1u);
    EXPECT_EQ(Dialogs->Records()[0].Buttons, mbYesNo);
    QStringList read, write;
    for (const auto& v : Server(c.Server).Var_List_R) read << v->Position;
    for (const auto& v : Server(c.Server).Var_List_W) write << v->Position;
    EXPECT_EQ(read, c.Read) << c.Server;
    EXPECT_EQ(write, c.Write) << c.Server;
    EXPECT_EQ(ReadGrid()->GetCellEx(Position, 1), c.Read[0]);
  }
  // No leaves every position.
  ClickCell(Servers(), 2, 2);
  Dialogs->Answer(mrNo);
  Press(Form->Btn_AutoPosition);
  EXPECT_EQ(Server(1).Var_List_R[0]->Position, "40");
  EXPECT_EQ(TFOPC_UA_Client_Access::GetLenVarType("datetime"), 8);
  EXPECT_EQ(TFOPC_UA_Client_Access::GetLenVarType("Bool"), 0);
}

TEST_F(OPCUAClientEditor, OKChecksEveryEnabledVariableInOrder) {
  struct TCase {
    const char* Name;
    std::function<void(TOPC_UA_Variable&)> Edit;
    bool Write;
    const char* Message;  // nullptr: passes
  } cases[] = {
      {"no time", [](TOPC_UA_Variable& v) { v.Time = " "; }, false,
       "Error in Server Number 1 in Read Variable 1!! Time cannot be empty"},
      {"time 0", [](TOPC_UA_Variable& v) { v.Time = "0"; }, false,
       "Error in Server Number 1 in Read Variable 1!! Time must be major to 0"},
      {"no position", [](TOPC_UA_Variable& v) { v.Position = ""; }, false,
       "Error in Server Number 1 in Read Variable 1!! Position cannot be empty"},
      {"position 1500", [](TOPC_UA_Variable& v) { v.Position = "1500"; }, false,
       "Error in Server Number 1 in Read Variable 1!! Position must be between 0 and 1499"},
      {"position 1499", [](TOPC_UA_Variable& v) { v.Position = "1499"; }, false, nullptr},
      {"disabled", [](TOPC_UA_Variable& v) { v.Enable = false, v.Time = ""; }, false, nullptr},
      {"no var/array", [](TOPC_UA_Variable& v) { v.VarArray = "  "; }, false,
       "Error in Server Number 1 in Read Variable 1!! Var/Array cannot be empty"},
      {"int32 variable", [](TOPC_UA_Variable& v) { v.SetVarType("Int32"); }, false, nullptr},
      {"string no start", [](TOPC_UA_Variable& v) { v.SetVarType("String"), v.Len = "4"; }, false,
       "Error in Server Number 1 in Read Variable 1!! Start must be major or equal to 0"},
      {"string no length", [](TOPC_UA_Variable& v) { v.SetVarType("ByteString"), v.Start = "0"; }, false,
       "Error in Server Number 1 in Read Variable 1!! Length must be major or equal to 0"},
      {"string", [](TOPC_UA_Variable& v) { v.SetVarType("String"), v.Start = "0", v.Len = "0"; }, false, nullptr},
      {"array of strings", [](TOPC_UA_Variable& v) { v.SetVarType("String"), v.VarArray = " array "; }, false,
       "Error in Server Number 1 in Read Variable 1!! An Array cannot be of String or ByteString"},
      {"array no start", [](TOPC_UA_Variable& v) { v.VarArray = "Array", v.Start = "-1", v.Len = "2"; }, false,
       "Error in Server Number 1 in Read Variable 1!! Array Start must be major or equal to 0"},
      {"array no length", [](TOPC_UA_Variable& v) { v.VarArray = "Array", v.Start = "1"; }, false,
       "Error in Server Number 1 in Read Variable 1!! Array Length must be major or equal to 0"},
      {"write no timer", [](TOPC_UA_Variable& v) { v.Time = "", v.VarArray = ""; }, true, nullptr},
      {"write timer", [](TOPC_UA_Variable& v) { v.Time = "", v.OnTimer = "Y"; }, true,
       "Error in Server Number 2 in Write Variable 2!! Time cannot be empty"},
      {"write timer 0", [](TOPC_UA_Variable& v) { v.Time = "0", v.OnTimer = "Y"; }, true,
       "Error in Server Number 2 in Write Variable 2!! Time must be major to 0"},
      {"write timer y", [](TOPC_UA_Variable& v) { v.Time = "0", v.OnTimer = "y"; }, true, nullptr},
      {"write position", [](TOPC_UA_Variable& v) { v.Position = "-1"; }, true,
       "Error in Server Number 2 in Write Variable 2!! Position must be between 0 and 1499"},
      {"write no position", [](TOPC_UA_Variable& v) { v.Position = " "; }, true,
       "Error in Server Number 2 in Write Variable 2!! Position cannot be empty"},
  };
  for (const TCase& c : cases) {
    Form->Delete_Server_Var_OPC_UA();
    NewServer("1").Var_List_W.push_back(Var("Int16"));
    TOPC_UA_Server& second = NewServer("2");
    second.Var_List_W.push_back(Var("Int16"));
    second.Var_List_W.push_back(Var("Int16"));
    TOPC_UA_Server& target = c.Write ? second : Server(0);
    if (!c.Write) target.Var_List_R.push_back(Var("Int16"));
    c.Edit(c.Write ? *target.Var_List_W.back() : *target.Var_List_R.back());
    Dialogs->ClearRecords();
    QFile::remove(OPCUAClientFile);
    Form->SetModalResult(mrNone);
    Form->Btn_OKClick(nullptr);
    if (c.Message) {
      ASSERT_EQ(Dialogs->Records().size(), 1u) << c.Name;
      EXPECT_EQ(Dialogs->Records()[0].Text, c.Message) << c.Name;
      EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
      EXPECT_FALSE(QFile::exists(OPCUAClientFile)) << c.Name;
      EXPECT_EQ(Form->ModalResult(), mrNone);
    } else {
      EXPECT_TRUE(Dialogs->Records().empty()) << c.Name << ": " << Dialogs->Records()[0].Text.toStdString();
      EXPECT_TRUE(QFile::exists(OPCUAClientFile)) << c.Name;
    }
  }
}

TEST_F(OPCUAClientEditor, ATranslatedRangeMessageThatLostAPlaceholderShowsTheEnglishText) {
  LanguageTexts->SetStrings(4200, "Server %d: posizione errata");
  NewServer("1").Var_List_R.push_back(Var("Int16", "2000"));
  Form->Btn_OKClick(nullptr);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text,
            "Error in Server Number 1 in Read Variable 1!! Position must be between 0 and 1499");
}

TEST_F(OPCUAClientEditor, RowButtonsWorkOnThePageShownAndStoreIt) {
  ShowWith([&] {
    TOPC_UA_Server& server = NewServer("1");
    server.Var_List_R.push_back(Var("Int16"));
    server.Var_List_R.push_back(Var("Float"));
    server.Var_List_R[0]->DispalyName = "a";
    server.Var_List_R[1]->DispalyName = "b";
  });
  // An inserted row is empty, so a store ends there until it gets a name.
  ClickCell(ReadGrid(), Name, 2);
  Press(Form->Btn_InsRow);
  EXPECT_EQ(ReadGrid()->GetCellEx(Enable, 2), "Y");
  EXPECT_EQ(ReadGrid()->GetCellEx(Name, 3), "b");
  EXPECT_EQ(Names(Server(0).Var_List_R), QStringList({"a"}));
  TypeInto(ReadGrid(), Name, 2, "n");
  Press(Form->Btn_CopyRow);  // copies row 2, the current one
  EXPECT_EQ(Names(Server(0).Var_List_R), QStringList({"a", "n", "b"}));
  EXPECT_TRUE(Form->Do_Copy[0]);
  EXPECT_FALSE(Form->Do_Copy[1]);
  ClickCell(ReadGrid(), Name, 4);
  Press(Form->Btn_PasteRow);
  EXPECT_EQ(Names(Server(0).Var_List_R), QStringList({"a", "n", "b", "n"}));
  // A row copied on the read page is not pasted on the write page.
  ClickPage(1);
  ClickCell(WriteGrid(), Name, 1);
  Dialogs->ClearRecords();
  Press(Form->Btn_PasteRow);
  EXPECT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(WriteGrid()->GetCellEx(Name, 1), "");
  EXPECT_TRUE(Server(0).Var_List_W.empty());
  // Delete Row answered No keeps the row.
  ClickPage(0);
  ClickCell(ReadGrid(), Name, 1);
  Dialogs->Answer(mrNo);
  Press(Form->Btn_DelRow);
  EXPECT_EQ(Names(Server(0).Var_List_R), QStringList({"a", "n", "b", "n"}));
}
