// An EtherNet/IP EDS file on any bytes: the reader and the path decoder never
// fail, and every connection they give is numbered in order.
#include "FuzzSupport.h"

#include "platform/Files.h"
#include "tables/snmp_ethernet/EdsConnections.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = DecodeText(fuzz::Bytes(data, size));
  const QStringList lines = text.split(QRegularExpression("\r\n|\r|\n"));
  const std::vector<TConnData> connections = EdsConnections(lines);
  for (size_t i = 0; i < connections.size(); ++i)
    if (connections[i].ConnIndex != int(i) + 1) std::abort();
  for (const QString& entry : EdsConnectionEntries(lines)) DecodeConnStr(entry);
  if (EdsPathBytes(text).size() > size_t(MaxPathBytes)) std::abort();
  return 0;
}
