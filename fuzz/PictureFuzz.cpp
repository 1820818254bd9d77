// Picture bytes (BMP, GIF, ICO, PNG, JPEG) on any input: a load either fails
// with a reason or gives a picture of a size in proportion to its file.
#include "FuzzSupport.h"

#include "platform/Graphics.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::EnsureApplication();
  TPicture picture;
  if (!picture.LoadFromBytes(fuzz::Bytes(data, size))) {
    if (picture.ErrorText().isEmpty() && size > 0) std::abort();
    return 0;
  }
  if (picture.Width() <= 0 || picture.Height() <= 0) std::abort();
  return 0;
}
