// The connections of an EtherNet/IP EDS file: the entries of its
// "[Connection Manager]" section, and each entry's connection path decoded
// into the instances and connection points of both directions. Pure
// functions, so the dialog and the fuzz target share them.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

struct TConnData {
  int ConnIndex = 0;
  QString ConnName;
  QString HelpStr;
  // Real-time formats of the connection parameters: T > O bits 12-14, O > T bits 8-10.
  uint8_t DimHeaderTO = 0;
  uint8_t DimHeaderOT = 4;
  uint8_t NumClass = 4;
  uint8_t InstanceTO = 30;
  uint8_t ConnPointTO = 0;
  uint8_t InstanceOT = 30;
  uint8_t ConnPointOT = 0;
};

// A path holds at most this many byte values; the rest is ignored.
inline constexpr int MaxPathBytes = 1001;

// The entry texts of the section, in file order: each the text after the key
// line's first "=" with the entry's further lines appended, comments dropped.
QStringList EdsConnectionEntries(const QStringList& Lines);
// The byte values of a path text: blank-separated hexadecimal pieces.
std::vector<uint8_t> EdsPathBytes(const QString& Path);
// One entry decoded; nothing when its path names no usable connection.
// ConnIndex is left 0 for the caller to number.
std::optional<TConnData> DecodeConnStr(const QString& ConnStr);
// Every usable connection of the file's lines, numbered from 1.
std::vector<TConnData> EdsConnections(const QStringList& Lines);
