// One sheet of the editor controls, saved offscreen for a look by eye.
#include "grid/editing/PlexDateTimePicker.h"
#include "grid/editing/PsgComboBox.h"
#include "grid/editing/PsgDateTimePicker.h"
#include "grid/editing/PsgSpinEdit.h"
#include "grid/editing/PsgUnitEditBtn.h"

#include "EditorFormFixture.h"
#include "platform/Screenshot.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST_F(EditorFormFixture, SheetOfTheEditorControls) {
  FormatSettings() = TFormatSettings();
  ShowForm(420, 260);
  auto* classic = Make<TPsgComboBox>(100, 10, 140, 21);
  classic->Items().SetCommaText("Modbus,BACnet,CAN");
  classic->SetItemIndex(0);
  classic->SetBorderColor(RGBColor(0x7F, 0x9D, 0xB9));
  auto* flat = Make<TPsgComboBox>(100, 45, 140, 21);
  flat->SetFlat(true);
  flat->ButtonColor = RGBColor(0xE0, 0xE8, 0xF0);
  flat->ButtonColorHot = RGBColor(0xC0, 0xD8, 0xF0);
  flat->ButtonColorDown = RGBColor(0xA0, 0xC0, 0xE0);
  flat->ButtonTextColor = clBlack;
  flat->ButtonBorderColor = clGray;
  flat->SetBorderColor(clGray);
  flat->SetText("flat, button colour");
  auto* labelled = Make<TPsgComboBox>(100, 80, 140, 21);
  labelled->SetLabelCaption("Protocol");
  labelled->SetLabelPosition(lpLeftCenter);
  labelled->SetText("labelled");
  auto* spin = Make<TPsgSpinEdit>(100, 115, 100, 21);
  spin->SetValue(42);
  auto* unit = Make<TPsgUnitEditBtn>(100, 150, 120, 21);
  unit->Units().SetCommaText("ms,s");
  unit->SetTextAndUnit("250ms");
  unit->SetButtonCaption("...");
  auto* metro = Make<TPsgDateTimePicker>(260, 10, 140, 21);
  metro->SetMetroStyle(true);
  metro->SetBorderColor(clGray);
  metro->ButtonColor = RGBColor(0xE0, 0xE8, 0xF0);
  metro->ButtonTextColor = clBlack;
  metro->ButtonBorderColor = clGray;
  metro->SetDateTime(EncodeDate(2026, 12, 10));
  auto* plex = Make<TPlexDateTimePicker>(200, 190, 200, 21);
  plex->SetMetroStyle(true);
  plex->SetLabelCaption("Start");
  plex->SetDateTime(EncodeDate(2026, 12, 10) + EncodeTime(17, 30, 0, 0));
  QApplication::processEvents();
  const QString path = QDir::temp().filePath("quillore_editor_controls.png");
  ASSERT_TRUE(SaveWidgetScreenshot(Form->Widget(), path));
  EXPECT_GT(QFileInfo(path).size(), 1000);
}
