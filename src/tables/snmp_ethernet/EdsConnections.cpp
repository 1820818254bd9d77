#include "tables/snmp_ethernet/EdsConnections.h"

#include "common/tables/TableCells.h"

namespace {
constexpr uint8_t LogicalClass = 0x20, Instance8 = 0x24, Instance16 = 0x25, Instance32 = 0x26, ConnPoint = 0x2C;
constexpr int MinPathBytes = 6;

// Takes the text up to the next comma off the front of Rest; without a comma, all of it.
QString TakeField(QString& Rest) {
  const qsizetype comma = Rest.indexOf(u',');
  QString field = comma < 0 ? Rest : Rest.left(comma);
  Rest = comma < 0 ? QString() : Rest.mid(comma + 1);
  return field;
}

// The path field: up to its comma when one comes before the first semicolon,
// otherwise up to the semicolon; quotes removed.
QString PathText(const QString& Rest) {
  const qsizetype comma = Rest.indexOf(u',');
  const qsizetype semicolon = Rest.indexOf(u';');
  QString path;
  if (comma >= 0 && (semicolon < 0 || comma < semicolon))
    path = Rest.left(comma);
  else if (semicolon >= 0)
    path = Rest.left(semicolon);
  path.remove(u'"');
  return TableTrim(path);
}

// The position of the first byte `Value` (or `Other`) at or after From, -1 when none.
int FindByte(const std::vector<uint8_t>& Bytes, size_t From, uint8_t Value, int Other = -1) {
  for (size_t i = From; i < Bytes.size(); ++i)
    if (Bytes[i] == Value || int(Bytes[i]) == Other) return int(i);
  return -1;
}

// The instance segment after the class segment: the instance and where the
// scan for the connection points starts; nothing when the segment is cut off.
std::optional<std::pair<uint8_t, size_t>> InstanceSegment(const std::vector<uint8_t>& b) {
  switch (b[2]) {
    case Instance8: return std::pair{b[3], size_t(4)};
    // 16 and 32 bits, least significant byte first after a pad byte: the field holds that byte.
    case Instance16: return std::pair{b[4], size_t(6)};
    case Instance32:
      if (b.size() < 8) return std::nullopt;
      return std::pair{b[4], size_t(8)};
    default: return std::pair{uint8_t(1), size_t(2)};
  }
}
}  // namespace

QStringList EdsConnectionEntries(const QStringList& Lines) {
  QStringList entries;
  QString entry;
  bool inside = false;
  const auto flush = [&] {
    if (!entry.isEmpty()) entries << entry;
    entry.clear();
  };
  for (const QString& raw : Lines) {
    QString line = TableTrim(raw);
    if (const qsizetype comment = line.indexOf(u'$'); comment >= 0) line = TableTrim(line.left(comment));
    if (line.isEmpty()) continue;
    if (!inside) {
      inside = line.contains("[Connection Manager]");
      continue;
    }
    if (line.startsWith(u'[')) {
      inside = false;
      flush();
    } else if (line.contains("Connection")) {
      flush();
      const qsizetype equals = line.indexOf(u'=');
      entry = equals < 0 ? line : TableTrim(line.mid(equals + 1));
    } else {
      entry += line;
    }
  }
  flush();
  return entries;
}

std::vector<uint8_t> EdsPathBytes(const QString& Path) {
  std::vector<uint8_t> bytes;
  for (const QString& piece : Path.split(u' ', Qt::SkipEmptyParts)) {
    if (int(bytes.size()) >= MaxPathBytes) break;
    const int value = TableCellInt("0x" + piece);
    if (value >= 0 && value <= 0xFF) bytes.push_back(uint8_t(value));
  }
  return bytes;
}

std::optional<TConnData> DecodeConnStr(const QString& ConnStr) {
  QString rest = ConnStr;
  TakeField(rest);  // trigger and transport
  rest = TableTrim(rest);
  TConnData data;
  const int parameters = TableCellInt(TableTrim(TakeField(rest)));
  data.DimHeaderOT = parameters < 0 ? 7 : uint8_t((parameters >> 8) & 7);
  data.DimHeaderTO = parameters < 0 ? 7 : uint8_t((parameters >> 12) & 7);
  for (int field = 3; field <= 12; ++field) TakeField(rest);
  data.ConnName = TableTrim(TakeField(rest));
  data.HelpStr = TableTrim(TakeField(rest));
  const std::vector<uint8_t> b = EdsPathBytes(PathText(rest));
  if (b.size() < MinPathBytes || b[0] != LogicalClass) return std::nullopt;

  const auto instance = InstanceSegment(b);
  if (!instance) return std::nullopt;
  data.NumClass = 0;
  data.InstanceOT = data.InstanceTO = instance->first;
  const int pointOT = FindByte(b, instance->second, ConnPoint);
  if (pointOT < 0 || size_t(pointOT) + 1 >= b.size()) return std::nullopt;
  data.ConnPointOT = b[size_t(pointOT) + 1];
  const int next = FindByte(b, size_t(pointOT) + 2, ConnPoint, Instance8);
  if (next < 0 || size_t(next) + 1 >= b.size()) return std::nullopt;
  if (b[size_t(next)] == ConnPoint) {
    data.ConnPointTO = b[size_t(next) + 1];
    return data;
  }
  data.InstanceTO = b[size_t(next) + 1];
  const int pointTO = FindByte(b, size_t(next) + 2, ConnPoint);
  if (pointTO < 0 || size_t(pointTO) + 1 >= b.size()) return std::nullopt;
  data.ConnPointTO = b[size_t(pointTO) + 1];
  return data;
}

std::vector<TConnData> EdsConnections(const QStringList& Lines) {
  std::vector<TConnData> connections;
  for (const QString& entry : EdsConnectionEntries(Lines)) {
    std::optional<TConnData> data = DecodeConnStr(entry);
    if (!data) continue;
    data->ConnIndex = int(connections.size()) + 1;
    connections.push_back(*data);
  }
  return connections;
}
