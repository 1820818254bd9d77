// A filter condition and a cell text (separated by a NUL byte): every match
// ends within a fixed amount of work, whatever the two hold.
#include "FuzzSupport.h"

#include "grid/foundation/FilterMatcher.h"

namespace {
// Far above any condition a user types against any cell; a match that needs
// more is a matcher whose work grows with its input.
constexpr int64_t StepBudget = 20'000'000;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto [condition, text] = fuzz::SplitAtNul(fuzz::Bytes(data, size));
  for (bool caseSensitive : {false, true}) {
    TMatchWork work;
    (void)MatchFilter(QString::fromUtf8(condition), QString::fromUtf8(text), caseSensitive, &work);
    if (work.Steps > StepBudget) std::abort();
  }
  return 0;
}
