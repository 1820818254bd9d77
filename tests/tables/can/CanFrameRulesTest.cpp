// The rules of the CAN receive and transmit tables, over both editors: each
// case fills rows as a user would leave them and presses the check of OK.
#include "tables/can/CanFrameRules.h"

#include "CanEditorFixture.h"
#include "tables/can/UReceiveCAN.h"
#include "tables/can/UTransmitCAN.h"

namespace {

enum TEditor { Receive, Transmit };

// The cells from column 1 on; rows above Row hold a valid frame.
struct TRuleCase {
  TEditor Editor;
  int Row;
  QStringList Cells;
  const char* Message;  // empty: the table passes
};

const QString A11 = "2.0A (11 bits)";
const QString B29 = "2.0B (29 bits)";

// Receive: Enable, CobID, Type, Dimension, TimeOut, Byte1 .. Byte8.
// Transmit: Enable, CobID, Type, Dimension, OnChange, OnCMD, OnTimer, Time, Byte1 .. Byte8.
const TRuleCase Cases[] = {
    {Receive, 1, {"Y", "4095", "", "1", "0"}, ""},
    {Receive, 1, {"Y", "4095", B29, "1", "0"}, ""},
    {Receive, 1, {"Y", "4095", A11, "1", "0"}, "Error row 1!! CobID must be between 0 and 2047"},
    {Receive, 1, {"Y", "0x7FF", A11, "1", "0"}, ""},
    {Receive, 1, {"Y", "$7FF", A11, "1", "0"}, ""},
    {Receive, 1, {"Y", "x7FF", A11, "1", "0"}, ""},
    {Receive, 1, {"Y", "0X7FF", A11, "1", "0"}, ""},
    {Receive, 1, {"Y", " 2047", " 2.0A (11 bits) ", "1", "0"}, ""},
    {Receive, 1, {"Y", "2048", A11, "1", "0"}, "Error row 1!! CobID must be between 0 and 2047"},
    {Receive, 1, {"Y", "0x1FFFFFFF", B29, "1", "0"}, ""},
    {Receive, 1, {"Y", "0x20000000", B29, "1", "0"}, "Error row 1!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
    {Receive, 1, {"Y", "-1", "", "1", "0"}, "Error row 1!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
    {Receive, 1, {"Y", "1F", A11, "1", "0"}, "Error row 1!! CobID must be between 0 and 2047"},
    {Receive, 1, {"Y", "1", "", "2", "0", "0", "1", "5000"}, ""},
    {Receive, 1, {"Y", "1", "", "2", "0", "0", "2000"}, "Error row 1!! Byte2 must be between 0 and 1999 or None"},
    {Receive, 1, {"Y", "1", "", "3", "0", "None", "", "1999"}, ""},
    {Receive, 1, {"Y", "1", "", "2", "0", " None ", "abc"}, "Error row 1!! Byte2 must be between 0 and 1999 or None"},
    {Receive, 3, {"Y", "1", "", "8", "0", "", "", "", "", "", "", "", "none"},
     "Error row 3!! Byte8 must be between 0 and 1999 or None"},
    {Receive, 1, {"Y", "1", "", "9", "0"}, "Error row 1!! Dimension must be between 1 and 8"},
    {Receive, 1, {"Y", "1", "", "0", "0"}, "Error row 1!! Dimension must be between 1 and 8"},
    {Receive, 1, {"Y", "1", "", "1", "100000000"}, ""},
    {Receive, 1, {"Y", "1", "", "1", "100000001"}, "Error row 1!! TimeOut must be between 0 and 100000000 milliseconds"},
    {Receive, 1, {"Y", "1", "", "1", ""}, "Error row 1!! TimeOut must be between 0 and 100000000 milliseconds"},
    {Receive, 2, {"N", "99999", A11, "77", "abc"}, ""},
    {Receive, 2, {" y ", "4095", A11, "1", "0"}, "Error row 2!! CobID must be between 0 and 2047"},
    {Receive, 5, {"Y", "  ", A11}, ""},
    {Transmit, 1, {"Y", "4095", "", "1"}, ""},
    {Transmit, 1, {"Y", "4095", B29, "1"}, ""},
    {Transmit, 1, {"Y", "4095", A11, "1"}, "Error row 1!! CobID must be between 0 and 2047"},
    {Transmit, 1, {"Y", "x7FF", A11, "1"}, ""},
    {Transmit, 1, {"Y", "0x20000000", "", "1"}, "Error row 1!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
    {Transmit, 1, {"Y", "1", "", "9"}, "Error row 1!! Dimension must be between 1 and 8"},
    {Transmit, 4, {"Y", "1", "", "3", "Y", "N", "N", "", "0", "1", "2500"},
     "Error row 4!! Byte3 must be between 0 and 2499 or None"},
    {Transmit, 1, {"Y", "1", "", "3", "Y", "N", "N", "", "0", "2499", "None", "9999"}, ""},
    {Transmit, 1, {"Y", "1", "", "1", "Y", "N", "N", "abc"}, ""},
    {Transmit, 1, {"Y", "1", "", "1", "Y", "N", "Y", "abc"},
     "Error row 1!! Time must be between 0 and 100000000 milliseconds"},
    {Transmit, 1, {"Y", "1", "", "1", "N", "N", " y ", "100000001"},
     "Error row 1!! Time must be between 0 and 100000000 milliseconds"},
    {Transmit, 1, {"Y", "1", "", "1", "N", "N", "Y", "100000000"}, ""},
    {Transmit, 1, {"Y", "1", "", "1", "N", "N", "N", ""}, ""},
    {Transmit, 3, {"N", "-5", "", "0", "", "", "Y", "abc"}, ""},
    {Transmit, 5, {"Y", "", "", "9"}, ""},
};

class CanFrameRulesTest : public CanEditorFixture {};

}  // namespace

TEST_F(CanFrameRulesTest, EachRowIsCheckedByItsOwnTypeDimensionAndFlags) {
  auto receive = Create<TFReceiveCAN>();
  auto transmit = Create<TFTransmitCAN>();
  for (const TRuleCase& c : Cases) {
    TCanTableForm* form = c.Editor == Receive ? static_cast<TCanTableForm*>(receive.get()) : transmit.get();
    TPlexStringGrid* grid = form->Grid(0);
    form->FormShow(form);
    const QStringList valid = c.Editor == Receive ? QStringList{"Y", "1", "", "1", "0"}
                                                  : QStringList{"Y", "1", "", "1", "Y", "N", "N", ""};
    for (int r = 1; r < c.Row; ++r) PutRow(grid, r, 1, valid);
    PutRow(grid, c.Row, 1, c.Cells);
    // A row of blanks ends the table: what stands below it is never read.
    if (c.Cells.value(1).trimmed().isEmpty()) PutRow(grid, c.Row + 1, 1, {"Y", "4095", A11, "x"});
    Dialogs->ClearRecords();
    const bool passed = form->Controllo_Dati();
    const QString message = QString::fromUtf8(c.Message);
    EXPECT_EQ(passed, message.isEmpty()) << c.Cells.join('|').toStdString();
    EXPECT_EQ(Shown(), message.isEmpty() ? QStringList() : QStringList{message}) << c.Cells.join('|').toStdString();
  }
}
