// The form every table editor shares: a title panel, one table or two on the
// pages of a page control, and a button panel with OK, Cancel and the four row
// buttons. It loads its ProjectTableFile each time it is shown and writes it
// on OK after the editor's rules passed. An editor states its texts, tables
// and rules; the variants of the family are options of TTableEditorSetup.
#pragma once

#include "common/tables/ProjectTableFile.h"
#include "platform/Forms.h"

#include <QChar>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class TLabel;
class TLbButton;
class TPageControl;
class TPanel;
class TPlexStringGrid;
class TStringList;
class TTabSheet;
class TXmlDocument;

// The ids of an editor's texts in its block of LanguageTexts (the order
// inside a block is the editor's own).
struct TTableEditorTexts {
  int Caption = 0;
  int Description = 0;
  // OK, Cancel, Delete Row, Insert Row, Copy Row, Paste Row.
  std::array<int, 6> Buttons{};
  std::array<int, 6> ButtonHints{};
  // Fetched when shown: "Error row " or the editor's own prefix, and the delete
  // question that the row number follows.
  int ErrorPrefix = 0;
  int DeleteQuestion = 0;
};

// One table of an editor. The spans point at the editor's own constexpr
// tables, which outlive the form.
struct TEditorTableSetup {
  // Where the rows stand in the file and which columns are saved.
  QString Section;
  std::span<const TTableFileColumn> Columns;
  int KeyColumn = 1;
  // Column 1 is an Enable column holding EnableOn or its opposite.
  bool HasEnable = false;
  QString EnableOn = QStringLiteral("Y");
  // How validation reads the Enable cell against EnableOn.
  enum TEnableMatch { TrimmedUpper, Trimmed, Exact };
  TEnableMatch EnableMatch = TrimmedUpper;
  // A string grid with check-box graphics and read-only flags instead of a column grid.
  bool StringGrid = false;
  // String-grid check boxes load checked unless their value is exactly "N".
  bool CheckedUnlessN = false;
  // Off: the grid keeps its own click, double-click, key and hint handling
  // (no row selection from column 0, no Enter advance, no header hints).
  bool GridEvents = true;
  // The reset of a showing also clears the hidden columns.
  bool ResetHiddenColumns = true;
  // The loader's step after each row (TTableFileSection::RowLoadHook).
  TRowLoadHook RowLoadHook;
  // A missing section element stops the load (TTableFileSection::SectionRequired).
  bool SectionRequired = false;
  // Non-zero: that missing section's message text instead of the generic one.
  int MissingSectionText = 0;
  // Checking and writing end only at an empty key, not at one of blanks (TTableFileSection::TrimKey).
  bool TrimKey = true;
  // Row elements beyond the table are dropped silently (TTableFileSection::ReportExtraRows).
  bool ReportExtraRows = true;
  int PageCaption = 0;
  // Text ids by real data column: entry c - 1 belongs to column c.
  std::span<const int> Headers;
  std::span<const int> Hints;
  // The conversions of the file's Converted columns (TTableFileSection).
  std::function<QString(int ACol, int ARow)> ToFile = nullptr;
  std::function<void(int ACol, int ARow, const QString& Value)> FromFile = nullptr;
};

// The six buttons in one row from the left, in the order OK, Cancel, Delete
// Row, Insert Row, Copy Row, Paste Row, each Step pixels after the one before.
// Without it (Step 0) the row buttons stand left, OK and Cancel right.
struct TButtonRow {
  int Left = 0;
  int Width = 0;
  int Step = 0;
};

struct TTableEditorSetup {
  TTableEditorTexts Texts;
  int ClientWidth = 700;
  int ClientHeight = 450;
  // The path global of the editor's file (for example &ModbusMSetAccessFile).
  const QString* FilePath = nullptr;
  QString Root;
  QString Version = QStringLiteral("1.000");
  QString RowElement = QStringLiteral("row");
  // Two tables go on the pages of a page control.
  int TableCount = 1;
  TButtonRow ButtonRow;
  // Copy Row and Paste Row are offered (false: hidden, the editor has no row copy).
  bool RowCopyButtons = true;
};

class TTableEditorForm : public TForm {
public:
  TTableEditorForm(TComponent* AOwner, const TTableEditorSetup& Setup);
  ~TTableEditorForm() override;

  // Puts the form's texts from its block of LanguageTexts; the main window
  // calls it again when the user changes the language.
  virtual void Set_Lang();
  virtual bool Controllo_Dati();

  // The handlers, public so the main window's road and the tests reach them.
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void GridClickCell(TObject* Sender, int ARow, int ACol);
  void GridDblClickCell(TObject* Sender, int ARow, int ACol);
  void GridKeyPress(TObject* Sender, QChar& Key);
  void GridHint(TObject* Sender, int ARow, int ACol, QString& HintStr);
  void Btn_OKClick(TObject* Sender);
  void Btn_DelRowClick(TObject* Sender);
  void Btn_InsRowClick(TObject* Sender);
  void Btn_CopyRowClick(TObject* Sender);
  void Btn_PasteRowClick(TObject* Sender);

  int TableCount() const { return int(FTables.size()); }
  TPlexStringGrid* Grid(int Table) const { return FTables.at(size_t(Table)).File.Grid; }
  // The table of the active page (0 with one table).
  int ActiveTable() const;
  const TProjectTableFile& TableFile() const { return FTableFile; }

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
  TLbButton* Btn_DelRow;
  TLbButton* Btn_InsRow;
  TLbButton* Btn_CopyRow;
  TLbButton* Btn_PasteRow;
  // Only with two tables.
  TPageControl* PC_Tables = nullptr;
  std::vector<TTabSheet*> Pages;
  std::unique_ptr<TXmlDocument> XML1;
  // One hint list per table: entry c - 1 is the hint of data column c.
  std::vector<std::unique_ptr<TStringList>> HintLists;
  // One copied flag per table (Do_Copy, or Do_Copy_In_Read and Do_Copy_In_Write).
  std::vector<bool> Do_Copy;

protected:
  // Adds the next table on the grid the editor built (a column grid, or a
  // string grid for StringGrid tables): the form places it and wires its events.
  void AddTable(TPlexStringGrid* AGrid, const TEditorTableSetup& Setup);
  // Where the grid of table `Table` goes: the form, or its page.
  TWinControl* TableParent(int Table);

  // The editor's column set-up, run by FormCreate before Set_Lang.
  virtual void Init_Tables() {}
  // FormShow step 2: the item lists of position columns.
  virtual void FillPositionLists() {}
  // One rule set for one row; a failing rule answers RowError(...).
  virtual bool CheckRow(int Table, int ARow) { return true; }
  // The editor's own row delete, where it has one.
  virtual void DeleteTableRow(int Table, int ARow);
  // Row 0 of a data column; a column grid puts it into the column definition.
  virtual void SetColumnHeader(int Table, int ACol, const QString& Text);

  // The confirmation Delete Row asks: the delete question followed by the row number.
  virtual QString DeleteQuestion(int ARow) const;
  // Shows prefix + row number + rule text in an error dialog; answers false.
  bool RowError(int ARow, const QString& RuleText) const;
  // The rows validation reads: from 1 up to the first empty key (see TrimKey), enabled only.
  std::vector<int> RowsToCheck(int Table) const;
  // Whether validation counts the row's Enable cell as on (EnableMatch).
  bool EnableOn(int Table, int ARow) const;
  // The text of a cell as the file holds it ("Y"/"N" for a check box of a string grid).
  QString TableCell(int Table, int ACol, int ARow) const;
  const TEditorTableSetup& TableSetup(int Table) const { return FTables.at(size_t(Table)).Setup; }
  // For editors whose key column follows a setting read at each show.
  void SetKeyColumn(int Table, int ACol);
  // A sizeable editor cannot be made so small that a button of the bottom row
  // or the client-aligned table drops out of sight.
  void DoShow() override;

private:
  struct TTable {
    TEditorTableSetup Setup;
    TTableFileSection File;
  };
  void CreateTitle();
  void CreateButtons();
  void CreatePages();
  void PlaceButtons();
  void KeepButtonsReachable();
  void ResetRows(int Table);
  int TableOfGrid(TObject* Sender) const;

  TTableEditorSetup FSetup;
  std::vector<TTable> FTables;
  TProjectTableFile FTableFile;
};
