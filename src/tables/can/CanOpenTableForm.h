// The shape of the CANopen table editors (PDO, SDO client, SDO server): a
// read and a write table on two pages, no Enable column, every attribute of
// the file required, both sections always written, an own row delete, and
// rules stated as tables checked in their order.
#pragma once

#include "tables/can/CanTableForm.h"

#include <span>

class TPageControl;
class TTabSheet;

// One rule of a row, checked in table order.
struct TCanOpenRule {
  enum TKind {
    Range,      // the cell Col lies in Low .. High
    OneTwoFour, // the cell Col is exactly 1, 2 or 4
    Addresses,  // the cells from Col on, as many as the value of cell Low, are positions of the byte area
  };
  TKind Kind;
  int Col;
  int Low;
  int High;
  // The rule's text; for addresses the text of the first byte, the next bytes' follow it.
  int Text;
};

// One page: its file section, columns, texts and rules.
struct TCanOpenPage {
  const char16_t* Section;
  std::span<const TTableFileColumn> File;
  std::span<const TCanColumn> Grid;
  int FixedHeader;
  std::span<const int> Headers;
  std::span<const int> Hints;
  int PageCaption;
  std::span<const TCanOpenRule> Rules;
};

class TCanOpenTableForm : public TCanTableForm {
public:
  // How the editor reads an integer cell: -1 for no number.
  using TCellInt = int (*)(const QString& Text);

  TCanOpenTableForm(TComponent* AOwner, const TTableEditorSetup& Setup, const TCanOpenPage& Read,
                    const TCanOpenPage& Write, int Rows, TCellInt CellInt, int RowHeight = 0);

  // Rows R .. second-to-last take the row below over columns 1 .. ColCount - 1; the last row is cleared.
  static void Delete_Row(int ARow, TPlexStringGrid* Grid);

  TPageControl* PageControl1;
  TPlexColumnGrid* sga;
  TPlexColumnGrid* sgb;
  // The sizes of the byte areas the read and the write table address.
  int PROFINET_NByte_IN = 1500;
  int PROFINET_NByte_OUT = 1500;

protected:
  TTabSheet* Page(int Table) const;
  void FillPositionLists() override;
  void AfterShow() override;
  bool CheckRow(int Table, int ARow) override;
  void DeleteTableRow(int Table, int ARow) override;

private:
  TCanOpenPage FPages[2];
  TCellInt FCellInt;
};
