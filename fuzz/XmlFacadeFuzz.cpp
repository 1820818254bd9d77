// The XML facade on any bytes: a load either fails or gives a document whose
// saved text loads again to the same text (the facade's round-trip promise).
#include "platform/Xml.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TXmlDocument doc;
  if (!doc.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)))) return 0;
  (void)doc.Root().Text();
  const QByteArray saved = doc.ToBytes();
  TXmlDocument again;
  if (!again.LoadFromBytes(saved) || again.ToBytes() != saved) std::abort();
  return 0;
}
