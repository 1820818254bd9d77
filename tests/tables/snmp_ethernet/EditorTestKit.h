// What the tests of this folder's editors share: a project folder with the
// table file paths, the texts, a scripted dialog service, and a user's hands
// on a shown editor (clicks, typing, drop-down picks, buttons, screenshots).
#pragma once

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "common/button/LbButton.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/editing/GridCombo.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/Screenshot.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

inline QString SnmpEthernetFixture(const QString& Name) {
  return QString(QUILLORE_FIXTURES) + "/snmp_ethernet/" + Name;
}

inline QByteArray ReadBytes(const QString& Path) {
  QFile f(Path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteBytes(const QString& Path, const QByteArray& Bytes) {
  QFile f(Path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(Bytes);
}

class SnmpEthernetEditorTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    SoftwareCode = "CFZ9KAD";
    ASSERT_TRUE(Dir.isValid());
    ProjectFolder = Dir.path();
    SNMPTrapFile = Dir.path() + "/SNMP_Trap.xml";
    SNMPManagerFile = Dir.path() + "/SNMP_Manager.xml";
    EtherNetIPMasterRulesFile = Dir.path() + "/EtherNetIP_Master_Rules.xml";
    S7ProtocolFile = Dir.path() + "/S7_Protocol.xml";
    KNXSetAccessFile = Dir.path() + "/KNX_SetAccess.xml";
    ParGenFile = Dir.path() + "/ParGen.xml";
  }
  void TearDown() override { ResetShellState(); }

  static void Show(TForm& Form) {
    Form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.Widget()));
    Form.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.Widget()));
  }
  // Inside a modal showing: waits until the form takes the keyboard.
  static bool WaitActive(TForm& Form) {
    if (!QTest::qWaitForWindowExposed(Form.Widget())) return false;
    Form.Widget()->activateWindow();
    return QTest::qWaitForWindowActive(Form.Widget());
  }
  static QPoint CellCentre(TPlexStringGrid* Grid, int ACol, int ARow) {
    Grid->ScrollInView(ACol, ARow);
    const TRect r = Grid->CellRect(ACol, ARow);
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  static void ClickCell(TPlexStringGrid* Grid, int ACol, int ARow) {
    QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, CellCentre(Grid, ACol, ARow));
  }
  // Opens the cell's editor with F2, replaces its text by typing and leaves
  // the cell with Enter, as the keyboard does.
  static void TypeInto(TPlexStringGrid* Grid, int ACol, int ARow, const QString& Text) {
    ClickCell(Grid, ACol, ARow);
    QTest::keyClick(Grid->Widget(), Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    for (QChar c : Text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  // Opens the cell's drop-down list with F2 and walks it with the arrow keys
  // to the item, then leaves the cell with Enter. False when the list lacks it.
  static bool PickItem(TPlexStringGrid* Grid, int ACol, int ARow, const QString& Item) {
    ClickCell(Grid, ACol, ARow);
    QTest::keyClick(Grid->Widget(), Qt::Key_F2);
    TGridCombo* combo = Grid->ComboEditor();
    if (!combo || !combo->Visible()) return false;
    const int index = combo->Items().IndexOf(Item);
    if (index < 0) return false;
    const int steps = index - combo->ItemIndex();
    for (int i = 0; i < std::abs(steps); ++i)
      QTest::keyClick(QApplication::focusWidget(), steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    return Grid->GetCellEx(ACol, ARow) == Item;
  }
  static void Press(TLbButton* Button) { QTest::mouseClick(Button->Widget(), Qt::LeftButton); }
  static void Shot(TForm& Form, const QString& Name) {
    if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
      QApplication::processEvents();
      EXPECT_TRUE(SaveWidgetScreenshot(Form.Widget(), QString(shots) + "/" + Name));
    }
  }
  // The texts of the error dialogs shown so far.
  QStringList Messages() {
    QStringList texts;
    for (const TDialogRequest& r : Dialogs->Records()) texts << r.Text;
    return texts;
  }

  QTemporaryDir Dir;
  TScriptedDialogScope Dialogs;
};
