// The XML file of one table editor: the root element, then at document level
// the comment "SW_VERSION = " + version, and one row element per table row
// whose attributes hold the cell texts unchanged. A description (root,
// sections, row element, saved columns, key column) drives both the reader
// and the writer, so each editor states only its own names.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <span>
#include <vector>

class TPlexStringGrid;
class TXmlDocument;
class TXmlNode;
class TXmlWriter;

// Text id of the message for rows of a file that found no row of the table.
inline constexpr int TextRowsNotLoaded = 1506;

// One saved column: its real grid column, its attribute and the text a missing
// attribute gives. Without a default the attribute is required: a row that
// lacks it stops the load.
struct TTableFileColumn {
  int Col = 1;
  const char16_t* Attribute = u"";
  const char16_t* Default = nullptr;
  // The file keeps a value of its own for this column, not the cell text (a
  // list index for a shown name): the section's ToFile and FromFile convert it.
  bool Converted = false;
};

// A step of the loader after the attributes of one row element: for a cell
// whose value depends on what the same row just loaded (ARow is the grid row).
using TRowLoadHook = std::function<void(const TXmlNode& Row, int ARow)>;

// One table of the file.
struct TTableFileSection {
  TPlexStringGrid* Grid = nullptr;
  // The element that holds the table's rows; empty: the rows stand in the root.
  QString Section;
  std::span<const TTableFileColumn> Columns;
  // Rows are written up to, not including, the first whose key cell is empty (see TrimKey).
  int KeyColumn = 1;
  // String-grid tables: a cell holding a check box is written "Y"/"N" from its
  // state and read back into it.
  bool CheckBoxStates = false;
  // Such check boxes load checked unless the value is exactly "N" (instead of
  // checked only for a "Y").
  bool CheckedUnlessN = false;
  // Runs after each loaded row; empty: none.
  TRowLoadHook RowLoadHook = nullptr;
  // A file whose root lacks the section element stops the load with a message
  // when that section is reached; otherwise the table keeps its reset rows.
  bool SectionRequired = false;
  // Non-zero: the text of that message instead of the generic one.
  int MissingSectionText = 0;
  // False: only an empty key cell ends the table, a key of blanks is a row.
  bool TrimKey = true;
  // False: row elements beyond the table's rows are left out without a message.
  bool ReportExtraRows = true;

  // True when the key cell of the row is empty (trimmed unless TrimKey is off).
  bool KeyEmpty(int ARow) const;
  // The conversions of the Converted columns, given by the editor.
  std::function<QString(int ACol, int ARow)> ToFile = nullptr;
  std::function<void(int ACol, int ARow, const QString& Value)> FromFile = nullptr;

  // The cell as the file holds it, and the cell from a file's value.
  QString CellText(int ACol, int ARow) const;
  void PutCellText(int ACol, int ARow, const QString& Value) const;
  // The value of a saved column as the file holds it, and the other way round.
  QString FileText(const TTableFileColumn& Column, int ARow) const;
  void PutFileText(const TTableFileColumn& Column, int ARow, const QString& Value) const;
};

class TProjectTableFile {
public:
  QString Root;
  QString Version = QStringLiteral("1.000");
  QString RowElement = QStringLiteral("row");
  std::vector<TTableFileSection> Tables;

  // Fills the grids from the file at Path: row element i goes to grid row
  // i + 1. A file that is not well-formed shows the parser's message and
  // leaves the grids as they are; a missing required attribute or section
  // shows one message and stops, keeping what was read. False in all cases.
  bool Load(TXmlDocument& XML1, const QString& Path) const;
  // The file's text from the grids. Written front to back, as the document
  // object would not keep the attributes in column order.
  QByteArray Bytes() const;
  // Writes the file whole or not at all; false when it could not be written.
  bool Save(const QString& Path) const;

private:
  void Write(TXmlWriter& Writer) const;
  bool LoadTable(const TTableFileSection& Table, const std::vector<TXmlNode>& Rows, const QString& Path) const;
};
