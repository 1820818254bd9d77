// What the CAN-family editor tests share: a throw-away project folder whose
// table file paths point into it, the default texts, a scripted dialog
// service, and the user's ways into a grid (click, type, pick, tick).
#pragma once

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "common/button/LbButton.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Forms.h"
#include "platform/Screenshot.h"

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& Text, std::ostream* os) { *os << '"' << Text.toStdString() << '"'; }

class CanEditorFixture : public ::testing::Test {
public:
  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    SoftwareCode = "CFZ9KAD";
    ASSERT_TRUE(Dir.isValid());
    ProjectFolder = Dir.path();
    const auto in = [&](const char* name) { return Dir.path() + "/" + name; };
    ParGenFile = in("ParGen.xml");
    CANRecFramesFile = in("CAN_Rec_Frames.xml");
    CANSendFramesFile = in("CAN_Send_Frames.xml");
    PDOCANopenFile = in("PDO_CANopen.xml");
    SDOClientCANopenFile = in("SDO_Client_CANopen.xml");
    SDOServerCANopenFile = in("SDO_Server_CANopen.xml");
    DNETMNetFile = in("DNETM_Net.xml");
    DNETMDefOffFile = in("DNETM_DefOff.xml");
    DMXDefaultValuesFile = in("DMX_Default_Values.xml");
    J1939RecFramesFile = in("J1939_Rec_Frames.xml");
    J1939SendFramesFile = in("J1939_Send_Frames.xml");
    NMEARecFramesFile = in("NMEA_Rec_Frames.xml");
    NMEASendFramesFile = in("NMEA_Send_Frames.xml");
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
  // Shows the form modally and runs Body inside the showing; a body that ends
  // without closing the form (a failed step) closes it with Cancel.
  static TModalResult RunModal(TForm& Form, const std::function<void()>& Body) {
    QTimer::singleShot(0, [&] {
      if (WaitActive(Form)) Body();
      else ADD_FAILURE() << "the form did not become active";
      if (Form.ModalResult() == mrNone) Form.SetModalResult(mrCancel);
    });
    return Form.ShowModal();
  }
  static void ClickCell(TPlexStringGrid* Grid, int ACol, int ARow) {
    Grid->ScrollInView(ACol, ARow);
    QApplication::processEvents();
    const TRect r = Grid->CellRect(ACol, ARow);
    QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  }
  // Types into the cell and leaves it with Enter, as the keyboard does.
  static void TypeInto(TPlexStringGrid* Grid, int ACol, int ARow, const QString& Text) {
    ClickCell(Grid, ACol, ARow);
    for (QChar c : Text) {
      QTest::keyClicks(QApplication::focusWidget(), QString(c));
      QApplication::processEvents();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  // Types a row's cells from column First on; empty texts are skipped.
  static void TypeRow(TPlexStringGrid* Grid, int ARow, int First, const QStringList& Texts) {
    for (int i = 0; i < Texts.size(); ++i)
      if (!Texts[i].isEmpty()) TypeInto(Grid, First + i, ARow, Texts[i]);
  }
  // Picks item Index of the cell's drop-down list with the keyboard.
  static void Pick(TPlexStringGrid* Grid, int ACol, int ARow, int Index) {
    ClickCell(Grid, ACol, ARow);
    QTest::keyClick(Grid->Widget(), Qt::Key_F2);
    TGridCombo* combo = Grid->ComboEditor();
    ASSERT_TRUE(combo && combo->Visible());
    const bool last = combo->ItemIndex() == combo->Items().Count() - 1;
    QTest::keyClick(QApplication::focusWidget(), last ? Qt::Key_Up : Qt::Key_Down);
    while (combo->ItemIndex() < Index) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    while (combo->ItemIndex() > Index) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    Grid->HideCellEdit();
  }
  static void Press(TLbButton* Button) { QTest::mouseClick(Button->Widget(), Qt::LeftButton, {}, QPoint(5, 5)); }

  static QByteArray FileBytes(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static void WriteFile(const QString& Path, const QByteArray& Bytes) {
    ASSERT_TRUE(WriteFileAtomic(Path, Bytes)) << Path.toStdString();
  }
  // Column ACol of rows 1 .. Count.
  static QStringList ColumnTexts(TPlexStringGrid* Grid, int ACol, int Count) {
    QStringList texts;
    for (int r = 1; r <= Count; ++r) texts << Grid->GetCellEx(ACol, r);
    return texts;
  }
  static void PutRow(TPlexStringGrid* Grid, int ARow, int First, const QStringList& Texts) {
    for (int i = 0; i < Texts.size(); ++i) Grid->SetCellEx(First + i, ARow, Texts[i]);
  }
  // The dialog texts shown so far, in order.
  QStringList Shown() {
    QStringList texts;
    for (const auto& record : Dialogs->Records()) texts << record.Text;
    return texts;
  }
  // Writes the form's PNG when QUILLORE_SHOTS names a folder.
  static void Shot(TForm& Form, const QString& Name) {
    if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
      QApplication::processEvents();
      EXPECT_TRUE(SaveWidgetScreenshot(Form.Widget(), QString(shots) + "/" + Name + ".png"));
    }
  }

  QTemporaryDir Dir;
  TScriptedDialogScope Dialogs;
};
