// What the Modbus and BACnet editor tests share: a project folder with the
// table file paths, the default texts, the scripted dialogs, and the user's
// hands on a grid (clicks, typing, picks from a drop-down list).
#pragma once

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "common/button/LbButton.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/editing/GridCombo.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Forms.h"
#include "platform/Screenshot.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

class EditorTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    SoftwareCode = "CFZ9KAD";
    ASSERT_TRUE(Dir.isValid());
    ProjectFolder = Dir.path();
    ParGenFile = ProjectFolder + "/ParGen.xml";
    ModbusMSetAccessFile = ProjectFolder + "/ModbusM_SetAccess.xml";
    ModbusTCPMSetAccessFile = ProjectFolder + "/ModbusTCPM_SetAccess.xml";
    BACnetMasterAccessFile = ProjectFolder + "/BACnet_Master_Access.xml";
    BACnetSlaveFile = ProjectFolder + "/BACnet_Slave.xml";
  }
  void TearDown() override { ResetShellState(); }

  template <class T>
  static std::unique_ptr<T> Create() {
    auto form = std::make_unique<T>(nullptr);
    form->DoCreate();
    return form;
  }
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
  static void ClickCell(TPlexStringGrid* Grid, int ACol, int ARow) {
    const TRect r = Grid->CellRect(ACol, ARow);
    QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  }
  static void DoubleClickCell(TPlexStringGrid* Grid, int ACol, int ARow) {
    const TRect r = Grid->CellRect(ACol, ARow);
    const QPoint at((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(Grid->Widget(), Qt::LeftButton, {}, at);
  }
  // Types into the cell (displayed column) and leaves it with Enter.
  static void TypeInto(TPlexStringGrid* Grid, int ACol, int ARow, const QString& Text) {
    ClickCell(Grid, ACol, ARow);
    for (QChar c : Text) {
      QTest::keyClicks(QApplication::focusWidget(), QString(c));
      QApplication::processEvents();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  // Opens the cell's editor with F2, then types: a drop-down cell with free
  // text takes every key this way.
  static void TypeAfterF2(TPlexStringGrid* Grid, int ACol, int ARow, const QString& Text) {
    ClickCell(Grid, ACol, ARow);
    QTest::keyClick(Grid->Widget(), Qt::Key_F2);
    QTest::keyClicks(QApplication::focusWidget(), Text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
  }
  // Types a row's cells from displayed column First on; empty texts are skipped.
  static void TypeRow(TPlexStringGrid* Grid, int ARow, int First, const QStringList& Texts) {
    for (int i = 0; i < Texts.size(); ++i)
      if (!Texts[i].isEmpty()) TypeInto(Grid, First + i, ARow, Texts[i]);
  }
  // Picks item Index of the cell's drop-down list with the keyboard.
  static void Pick(TPlexStringGrid* Grid, int ACol, int ARow, int Index) {
    ClickCell(Grid, ACol, ARow);
    QTest::keyClick(Grid->Widget(), Qt::Key_F2);
    TGridCombo* combo = Grid->ComboEditor();
    ASSERT_NE(combo, nullptr);
    ASSERT_TRUE(combo->Visible());
    const bool last = combo->ItemIndex() == combo->Items().Count() - 1;
    QTest::keyClick(QApplication::focusWidget(), last ? Qt::Key_Up : Qt::Key_Down);
    // Bounded: keys that miss the list must not hang the test.
    for (int k = 0; k < 4000 && combo->ItemIndex() < Index; ++k)
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    for (int k = 0; k < 4000 && combo->ItemIndex() > Index; ++k)
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    ASSERT_EQ(combo->ItemIndex(), Index);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
  }
  static void Press(TLbButton* Button) { QTest::mouseClick(Button->Widget(), Qt::LeftButton, {}, QPoint(5, 5)); }
  static void Shot(TForm& Form, const QString& Name) {
    if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
      QDir().mkpath(shots);
      QApplication::processEvents();
      EXPECT_TRUE(SaveWidgetScreenshot(Form.Widget(), QString(shots) + "/" + Name + ".png"));
    }
  }
  static QByteArray FileBytes(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static void WriteFile(const QString& Path, const QByteArray& Bytes) {
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(Bytes);
  }
  QStringList DialogTexts() {
    QStringList texts;
    // Messages only: the file dialogs carry no text.
    for (const auto& record : Dialogs->Records())
      if (!record.Text.isEmpty()) texts << record.Text;
    return texts;
  }

  QTemporaryDir Dir;
  TScriptedDialogScope Dialogs;
};
