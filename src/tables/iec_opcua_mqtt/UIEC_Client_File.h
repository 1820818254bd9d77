// What the IEC 61850 client editor keeps besides its grids, and its file
// IEC_61850_Client.xml: the device catalog (SCL files of the project's
// ICD_Catalog folder), the chosen data sets with the mapping of each member,
// and the rows of the attribute and data-set tables as plain texts, so the
// file is read and written without a window.
#pragma once

#include "tables/iec_opcua_mqtt/UIEC_Client_Decode.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

// Attributes of one attribute row, columns 1 to 18 of the attribute table.
inline constexpr int IecDaColumnCount = 18;
// Attributes of one data-set row, columns 1 to 8 of the data-set table.
inline constexpr int IecDataSetColumnCount = 8;
extern const std::array<const char16_t*, IecDaColumnCount> IecDaAttributes;
extern const std::array<const char16_t*, IecDataSetColumnCount> IecDataSetAttributes;
// Columns (grid numbering) the byte counts live in.
inline constexpr int IecDaColBType = 2;
inline constexpr int IecDaColStartByte = 5;
inline constexpr int IecDaColNumByte = 6;

// Text id of the message naming the catalogued SCL files that could not be read.
inline constexpr int TextSclFilesNotRead = 3268;

// The mapping of one member attribute of a chosen data set.
class TDataSet_DA {
public:
  TIEC_DA* Select_DA = nullptr;  // not owned
  QString Position;
  QString bitAddress;
  QString conversion;
  QString multFactor;
  QString Mnemonic;
};

// One chosen data set: one row of the data-set table.
class TDataSet {
public:
  TIEC_DataSet* Select_DataSet = nullptr;  // not owned; none when the catalog no longer has it
  std::vector<std::unique_ptr<TDataSet_DA>> List_DAs;
};

using TIecDaRow = std::array<QString, IecDaColumnCount>;            // [c - 1] is column c
using TIecDataSetRow = std::array<QString, IecDataSetColumnCount>;  // [c - 1] is column c
using TIecDeviceList = std::vector<std::unique_ptr<TIEC_Device>>;

// Everything the file holds. DataSetRows[r] and List_DataSet[r] belong to row r + 1.
struct TIecClientData {
  TIecDeviceList List_IEC_Dev;
  std::vector<TIecDaRow> DaRows;
  std::vector<TIecDataSetRow> DataSetRows;
  std::vector<std::unique_ptr<TDataSet>> List_DataSet;
};

// The data set of catalog device Index whose Reference is the text; none for an
// index outside the catalog.
TIEC_DataSet* Get_DataSet(const TIecDeviceList& List_IEC_Dev, int Index, const QString& Reference);

// Start Byte and Num Byte a basic type fixes (compared upper-cased); false for
// the types whose counts the user sets.
bool IecFixedByteCounts(const QString& bType, QString& StartByte, QString& NumByte);
// Applies the fixed counts to every row.
void Set_Start_Num_Byte(std::vector<TIecDaRow>& Rows);

// A table is saved when it has more than one row, or one whose Index is not empty.
bool IecRowsFilled(int Rows, const QString& FirstIndex);

// Reads the file into Data (emptied first). A catalogued file that is missing,
// ill-formed or beyond the reader's limits keeps an entry with its Name and
// FileName and no tree, and is named in one message. A row that lacks a
// required attribute, or a data-set row whose Index is no whole number, stops
// the load there with a message; what was read before stays. Messages are
// appended for the caller to show; false when the load stopped early.
bool LoadIecClientFile(const QString& Path, const QString& CatalogFolder, TIecClientData& Data, QStringList& Messages);

// The file's text.
QByteArray IecClientFileBytes(const TIecClientData& Data);
// Writes the file whole or not at all; false when it could not be written.
bool SaveIecClientFile(const QString& Path, const TIecClientData& Data);
