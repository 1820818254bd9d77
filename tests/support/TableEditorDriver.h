// Drives a shown table editor as a user does: clicks on cells, typing ended by
// Enter, button presses, and a screenshot when QUILLORE_SHOTS names a folder.
#pragma once

#include "common/button/LbButton.h"
#include "grid/core/PlexStringGrid.h"
#include "platform/Forms.h"
#include "platform/Screenshot.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace TableEditorDriver {

// Shows the form and waits until it takes the keyboard.
inline bool ShowActive(TForm& Form) {
  Form.Show();
  if (!QTest::qWaitForWindowExposed(Form.Widget())) return false;
  Form.Widget()->activateWindow();
  return QTest::qWaitForWindowActive(Form.Widget());
}

inline QPoint CellCentre(TPlexStringGrid* Grid, int ACol, int ARow) {
  const TRect r = Grid->CellRect(ACol, ARow);
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

inline void ClickCell(TPlexStringGrid* Grid, int ACol, int ARow) {
  QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, CellCentre(Grid, ACol, ARow));
}

// Types into the cell, one key at a time, and leaves it with Enter.
inline void TypeInto(TPlexStringGrid* Grid, int ACol, int ARow, const QString& Text) {
  ClickCell(Grid, ACol, ARow);
  for (QChar c : Text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

inline void Press(TLbButton* Button) { QTest::mouseClick(Button->Widget(), Qt::LeftButton); }

inline QByteArray FileBytes(const QString& Path) {
  QFile f(Path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteFile(const QString& Path, const QByteArray& Bytes) {
  QFile f(Path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(Bytes);
}

inline void Shot(TForm& Form, const QString& Name) {
  if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
    QApplication::processEvents();
    EXPECT_TRUE(SaveWidgetScreenshot(Form.Widget(), QString(shots) + "/" + Name));
  }
}

}  // namespace TableEditorDriver
