// The OPC UA server dialog driven as a user does: the layout that follows the
// authorization, the policy that follows the security type, and the checks of OK.
#include "tables/iec_opcua_mqtt/UOPC_UA_Add_Server.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "platform/Dialogs.h"
#include "platform/StdCtrls.h"
#include "support/TableEditorDriver.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace TableEditorDriver;

namespace {

class OPCUAAddServer : public ::testing::Test {
protected:
  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    SoftwareCode = "CFZ9KAD";
    Form = std::make_unique<TFOPC_UA_Add_Server>(nullptr);
    Form->DoCreate();
  }
  void TearDown() override {
    Form.reset();
    ResetShellState();
  }
  // Picks an item with the keyboard, as a user does in a closed combo box.
  void Choose(TComboBox* Box, int Index) {
    Box->Combo()->setFocus();
    for (int i = Box->ItemIndex(); i < Index; ++i) QTest::keyClick(Box->Combo(), Qt::Key_Down);
    for (int i = Box->ItemIndex(); i > Index; --i) QTest::keyClick(Box->Combo(), Qt::Key_Up);
    ASSERT_EQ(Box->ItemIndex(), Index);
  }
  void Type(TWinControl* Control, const QString& Text) {
    QWidget* widget = Control->Widget();
    if (auto* box = qobject_cast<QComboBox*>(widget); box && box->lineEdit()) widget = box->lineEdit();
    widget->setFocus();
    QTest::keyClicks(widget, Text);
  }

  TScriptedDialogScope Dialogs;
  std::unique_ptr<TFOPC_UA_Add_Server> Form;
};

TEST_F(OPCUAAddServer, AddModeStartsEnabledAnonymousAndSmall) {
  Form->FormType = 2;
  Form->CB_Auth->SetItemIndex(2);
  Form->E_Server_Add->SetText("old");
  Form->CB_OPC_UA_Server_Enable->SetChecked(false);
  ASSERT_TRUE(ShowActive(*Form));
  EXPECT_EQ(Form->Caption(), "Modify OPC UA Server");
  EXPECT_EQ(Form->E_Server_Add->Text(), "old");
  EXPECT_EQ(Form->ClientHeight(), 508);
  Form->Hide();

  Form->FormType = 1;
  ASSERT_TRUE(ShowActive(*Form));
  EXPECT_EQ(Form->Caption(), "Add OPC UA Server");
  EXPECT_EQ(Form->ClientWidth(), 407);
  EXPECT_TRUE(Form->CB_OPC_UA_Server_Enable->Checked());
  EXPECT_EQ(Form->E_Server_Add->Text(), "");
  EXPECT_EQ(Form->CB_Auth->ItemIndex(), 0);
  EXPECT_EQ(Form->CB_Sec_Type->ItemIndex(), 0);
  EXPECT_EQ(Form->CB_Sec_Policy->ItemIndex(), 0);
  EXPECT_FALSE(Form->CB_Sec_Policy->Enabled());
  EXPECT_EQ(Form->ClientHeight(), 308);
  Shot(*Form, "add_server_anonymous.png");
}

TEST_F(OPCUAAddServer, LayoutFollowsTheAuthorization) {
  ASSERT_TRUE(ShowActive(*Form));
  struct TCase {
    int Auth;
    int Height;
    bool User;
    bool Cert;
    int SecTypeTop;
    int MnemonicTop;
    const char* Shot;
  };
  const TCase cases[] = {
      {1, 372, true, false, 232, 296, "add_server_user.png"},
      {2, 508, false, true, 368, 432, "add_server_certificate.png"},
      {0, 308, false, false, 168, 232, nullptr},
  };
  for (const TCase& c : cases) {
    Choose(Form->CB_Auth, c.Auth);
    EXPECT_EQ(Form->ClientHeight(), c.Height) << c.Auth;
    EXPECT_EQ(Form->E_User->Visible(), c.User) << c.Auth;
    EXPECT_EQ(Form->L_Pass->Visible(), c.User) << c.Auth;
    EXPECT_EQ(Form->RE_Priv_Key->Visible(), c.Cert) << c.Auth;
    EXPECT_EQ(Form->CB_Sec_Type->Top(), c.SecTypeTop) << c.Auth;
    EXPECT_EQ(Form->L_Sec_Type->Top(), c.SecTypeTop + 3) << c.Auth;
    EXPECT_EQ(Form->E_Mnemonic->Top(), c.MnemonicTop) << c.Auth;
    if (c.Shot) Shot(*Form, c.Shot);
  }
  EXPECT_EQ(Form->RE_Certificate->Top(), 168);

  // A typed text selects no item: the layout stays as it was.
  Choose(Form->CB_Auth, 1);
  Form->CB_Auth->Combo()->lineEdit()->selectAll();
  Type(Form->CB_Auth, "Kerberos");
  EXPECT_EQ(Form->CB_Auth->ItemIndex(), -1);
  EXPECT_EQ(Form->ClientHeight(), 372);
  EXPECT_TRUE(Form->E_User->Visible());
}

TEST_F(OPCUAAddServer, PolicyFollowsTheSecurityType) {
  ASSERT_TRUE(ShowActive(*Form));
  Choose(Form->CB_Sec_Type, 1);
  EXPECT_TRUE(Form->CB_Sec_Policy->Enabled());
  EXPECT_EQ(Form->CB_Sec_Policy->ItemIndex(), 0);
  Choose(Form->CB_Sec_Policy, 3);
  Choose(Form->CB_Sec_Type, 2);
  EXPECT_EQ(Form->CB_Sec_Policy->ItemIndex(), 3);
  Choose(Form->CB_Sec_Type, 0);
  EXPECT_EQ(Form->CB_Sec_Policy->ItemIndex(), 0);
  EXPECT_FALSE(Form->CB_Sec_Policy->Enabled());
}

TEST_F(OPCUAAddServer, OKRefusesWhatTheAuthorizationNeeds) {
  struct TCase {
    int Auth;
    const char* Address;
    const char* User;
    const char* Pass;
    const char* Cert;
    const char* Key;
    const char* Message;  // nullptr: accepted
  };
  const TCase cases[] = {
      {0, "   ", "", "", "", "", "Error!! The Server Address cannot be empty"},
      {0, "opc.tcp://h:4840", "", "", "", "", nullptr},
      {1, "opc.tcp://h:4840", " ", "p", "", "", "Error!! The Username cannot be empty"},
      {1, "opc.tcp://h:4840", "u", "", "", "", "Error!! The Password cannot be empty"},
      {1, "opc.tcp://h:4840", "u", "p", "", "", nullptr},
      {2, "opc.tcp://h:4840", "u", "p", "", "k", "Error!! The Certificate cannot be empty"},
      {2, "opc.tcp://h:4840", "u", "p", "c\nc", "\n", "Error!! The Private Key cannot be empty"},
      {2, "opc.tcp://h:4840", "", "", "c", "k", nullptr},
  };
  for (const TCase& c : cases) {
    Form->FormType = 1;
    bool checked = false;
    TModalResult result = mrNone;
    QTimer::singleShot(0, [&] {
      EXPECT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
      Choose(Form->CB_Auth, c.Auth);
      Type(Form->E_Server_Add, c.Address);
      Form->E_User->SetText(c.User);
      Form->E_Pass->SetText(c.Pass);
      Form->RE_Certificate->SetText(c.Cert);
      Form->RE_Priv_Key->SetText(c.Key);
      Dialogs->ClearRecords();
      Press(Form->Btn_OK);
      checked = true;
      if (Form->ModalResult() == mrNone) {
        EXPECT_TRUE(c.Message) << c.Address;
        ASSERT_EQ(Dialogs->Records().size(), 1u);
        EXPECT_EQ(Dialogs->Records()[0].Text, c.Message);
        EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
        EXPECT_EQ(Form->E_Server_Add->Text(), c.Address);
        Press(Form->Btn_Cancel);
      }
    });
    result = Form->ShowModal();
    EXPECT_TRUE(checked);
    EXPECT_EQ(result, c.Message ? mrCancel : mrOk) << c.Auth << " " << c.Address;
  }
}

TEST_F(OPCUAAddServer, EnterConfirmsAValidServer) {
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    Type(Form->E_Server_Add, "opc.tcp://plc:4840");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  EXPECT_EQ(Form->ShowModal(), mrOk);
  EXPECT_EQ(Form->E_Server_Add->Text(), "opc.tcp://plc:4840");
}

}  // namespace
