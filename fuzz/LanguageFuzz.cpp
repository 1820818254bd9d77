// A language file on any bytes: it is applied or refused whole, every id
// stays inside the table and the table keeps its size.
#include "FuzzSupport.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "platform/Classes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = fuzz::ScratchFolder() + "/Fuzz.lng";
  fuzz::WriteFile(path, fuzz::Bytes(data, size));
  FillDefaultTexts();
  const int count = LanguageTexts->Count();
  LoadLanguageFile(path);
  if (LanguageTexts->Count() != count) std::abort();
  (void)LangText(LanguageIdLimit - 1);
  return 0;
}
