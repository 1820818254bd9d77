#include "common/tables/ProjectTableFile.h"

#include "common/LangFormat.h"
#include "common/ShellState.h"
#include "common/tables/TableCells.h"
#include "grid/core/PlexStringGrid.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"
#include "platform/Xml.h"
#include "platform/XmlWriter.h"

#include <algorithm>

namespace {
// No indentation: the files hold nothing between their elements.
constexpr int NoIndent = -1;

TXmlNode TableNode(const TXmlNode& Root, const TTableFileSection& Table) {
  return Table.Section.isEmpty() ? Root : Root.ChildNode(Table.Section);
}
}  // namespace

QString TTableFileSection::CellText(int ACol, int ARow) const {
  bool state = false;
  if (CheckBoxStates && Grid->GetCheckBoxState(ACol, ARow, state)) return state ? "Y" : "N";
  return Grid->GetCellEx(ACol, ARow);
}

void TTableFileSection::PutCellText(int ACol, int ARow, const QString& Value) const {
  bool state = false;
  if (CheckBoxStates && Grid->GetCheckBoxState(ACol, ARow, state))
    Grid->SetCheckBoxState(ACol, ARow, CheckedUnlessN ? Value != QStringLiteral("N") : TableFlagOn(Value));
  else
    Grid->SetCellEx(ACol, ARow, Value);
}

bool TTableFileSection::KeyEmpty(int ARow) const {
  const QString key = CellText(KeyColumn, ARow);
  return TrimKey ? TableTrim(key).isEmpty() : key.isEmpty();
}

QString TTableFileSection::FileText(const TTableFileColumn& Column, int ARow) const {
  if (Column.Converted && ToFile) return ToFile(Column.Col, ARow);
  return CellText(Column.Col, ARow);
}

void TTableFileSection::PutFileText(const TTableFileColumn& Column, int ARow, const QString& Value) const {
  if (Column.Converted && FromFile)
    FromFile(Column.Col, ARow, Value);
  else
    PutCellText(Column.Col, ARow, Value);
}

bool TProjectTableFile::Load(TXmlDocument& XML1, const QString& Path) const {
  if (!XML1.LoadFromFile(Path)) {
    MessageDlg(XML1.ErrorText(), mtError, {mbOK});
    return false;
  }
  const TXmlNode root = XML1.Root();
  for (const TTableFileSection& table : Tables) {
    const TXmlNode node = TableNode(root, table);
    if (node.IsNull() && table.SectionRequired) {
      const QString message = table.MissingSectionText
                                  ? LangText(table.MissingSectionText)
                                  : Format("Error in file \"%s\": the element \"%s\" is missing.", {Path, table.Section});
      MessageDlg(message, mtError, {mbOK});
      return false;
    }
    if (node.IsNull()) continue;
    if (!LoadTable(table, node.ChildElements(), Path)) return false;
  }
  return true;
}

bool TProjectTableFile::LoadTable(const TTableFileSection& Table, const std::vector<TXmlNode>& Rows,
                                  const QString& Path) const {
  const int capacity = std::max(0, Table.Grid->RowCount() - 1);
  const int count = std::min(int(Rows.size()), capacity);
  for (int i = 0; i < count; ++i) {
    for (const TTableFileColumn& column : Table.Columns) {
      const QString attribute = QString::fromUtf16(column.Attribute);
      QString value;
      if (!Rows[size_t(i)].ReadAttribute(attribute, value)) {
        if (!column.Default) {
          MessageDlg(Format("Error in file \"%s\": row %d has no attribute \"%s\".", {Path, i + 1, attribute}), mtError,
                     {mbOK});
          return false;
        }
        value = QString::fromUtf16(column.Default);
      }
      Table.PutFileText(column, i + 1, value);
    }
    if (Table.RowLoadHook) Table.RowLoadHook(Rows[size_t(i)], i + 1);
  }
  // The editors never write more rows than their tables hold; a file that
  // does was made elsewhere, and the user must know that rows were left out.
  if (Table.ReportExtraRows && int(Rows.size()) > count) MessageDlg(LangFormat(TextRowsNotLoaded, {int(Rows.size()) - count}), mtError, {mbOK});
  return true;
}

void TProjectTableFile::Write(TXmlWriter& Writer) const {
  Writer.StartElement(Root);
  for (const TTableFileSection& table : Tables) {
    if (!table.Section.isEmpty()) Writer.StartElement(table.Section);
    for (int r = 1; r < table.Grid->RowCount(); ++r) {
      if (table.KeyEmpty(r)) break;
      Writer.StartElement(RowElement);
      for (const TTableFileColumn& column : table.Columns)
        Writer.Attribute(QString::fromUtf16(column.Attribute), XmlWritableText(table.FileText(column, r)));
      Writer.EndElement();
    }
    if (!table.Section.isEmpty()) Writer.EndElement();
  }
  Writer.EndElement();
  Writer.Comment("SW_VERSION = " + Version);
}

QByteArray TProjectTableFile::Bytes() const {
  TXmlWriter writer(NoIndent);
  Write(writer);
  return writer.Bytes();
}

bool TProjectTableFile::Save(const QString& Path) const {
  TXmlWriter writer(NoIndent);
  Write(writer);
  return writer.SaveToFile(Path);
}
