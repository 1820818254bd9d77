// A rich-text stream: whatever it holds, reading ends, the document written
// back is 7-bit, and reading that gives the same document again.
#include "FuzzSupport.h"

#include "platform/RichText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TRichDocument doc = ReadRichText(fuzz::Bytes(data, size));
  const QByteArray stream = WriteRichText(doc);
  for (const char c : stream)
    if (static_cast<unsigned char>(c) >= 0x80) std::abort();
  if (!(ReadRichText(stream) == doc)) std::abort();
  return 0;
}
