// A shown string grid on a form, with a second control to move the focus to,
// an event log and a recording double for the separate editors.
#pragma once

#include "grid/core/PlexStringGrid.h"
#include "grid/editing/CellEditor.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

#include <QApplication>
#include <QCursor>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// Records what the grid set up and hands back a fixed value.
class TRecordingEditor : public ICellEditor {
public:
  void Open(const TCellEditorSetup& Setup) override {
    Opened.push_back(Setup);
    Log->append(QString("open %1 \"%2\"").arg(Setup.Editor).arg(Setup.Text));
  }
  QString Value() override { return CommitValue; }
  void Close() override { Log->append("close"); }
  TWinControl* Control() override { return nullptr; }
  std::vector<TCellEditorSetup> Opened;
  QString CommitValue;
  QStringList* Log = nullptr;
};

class TRecordingSource : public ICellEditorSource {
public:
  explicit TRecordingSource(TRecordingEditor* Editor) : FEditor(Editor) {}
  ICellEditor* EditorFor(TEditorType) override { return FEditor; }

private:
  TRecordingEditor* FEditor;
};

struct EditingGridFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TPlexStringGrid* Grid = nullptr;
  TEdit* Other = nullptr;
  QStringList Log;
  // Makes the grid under test; a fixture may put a descendant in.
  virtual TPlexStringGrid* MakeGrid(TComponent* Owner) { return new TPlexStringGrid(Owner); }

  void SetUp() override {
    Form->SetClientWidth(500);
    Form->SetClientHeight(300);
    Grid = MakeGrid(Form.get());
    Grid->SetParent(Form.get());
    Grid->SetBounds(0, 0, 480, 240);
    Grid->SetColCount(5);
    Grid->SetRowCount(5);
    TGridOptions options = Grid->Options();
    options.Include(goEditing);
    Grid->SetOptions(options);
    Other = new TEdit(Form.get());
    Other->SetParent(Form.get());
    Other->SetBounds(0, 260, 100, 24);
    Form->Show();
    QApplication::setActiveWindow(Form->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    Grid->SetFocus();
    QApplication::processEvents();
  }

  // The grid goes first: its last events still find the log alive.
  void TearDown() override { Form.reset(); }

  QWidget* EditorWidget() const { return Grid->InplaceEditor() ? Grid->InplaceEditor()->Widget() : nullptr; }
  void FocusOther() {
    Other->SetFocus();
    QApplication::processEvents();
  }
  void LogEvents();

  // Opens the editor of the type on the cell, as F2 does on a grid focused anew.
  void Open(TEditorType Type, const QString& Text, int ACol = 2, int ARow = 2) {
    Grid->SetCells(ACol, ARow, Text);
    Grid->DefaultEditor = Type;
    Grid->SetCol(ACol);
    Grid->SetRow(ARow);
    FocusOther();
    Grid->SetFocus();
    QApplication::processEvents();
    Grid->ShowCellEdit();
    QApplication::processEvents();
  }
  void SetTabs(bool On) {
    TGridOptions options = Grid->Options();
    if (On)
      options.Include(goTabs);
    else
      options.Exclude(goTabs);
    Grid->SetOptions(options);
  }

  // Clicks the current cell (ACol, ARow) 30 pixels in, which opens its editor;
  // the pointer stays there, where the editor reads it when it takes the focus.
  void ClickToOpen(int ACol, int ARow, const QString& Text) {
    Grid->SetCells(ACol, ARow, Text);
    Grid->SetCol(ACol);
    Grid->SetRow(ARow);
    const TRect cell = Grid->CellRect(ACol, ARow);
    const QPoint at(cell.Left + 30, cell.Top + 8);
    QCursor::setPos(Grid->Widget()->mapToGlobal(at));
    QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
  }
  // The pointer in a control's client coordinates.
  static TPoint PointerIn(const TControl& Control) {
    return Control.ScreenToClient(TPoint(QCursor::pos().x(), QCursor::pos().y()));
  }
};
