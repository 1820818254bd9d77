#include "lorawan/UDevice_Images.h"

#include "lorawan/ConfigBanks.h"

#include <memory>

namespace {

// The images stay in memory from a build to the store that follows it.
std::unique_ptr<TConfigBanks>& Banks() {
  static std::unique_ptr<TConfigBanks> banks;
  return banks;
}

TImageStepResult StepResult(const TBuildResult& result) { return {result.Ok, result.Message}; }

}  // namespace

// A new builder each time: it reads through the caller's document, which need
// not outlive this call.
TImageStepResult Make_Config_Banks(TXmlDocument& XML1) {
  Banks() = std::make_unique<TConfigBanks>(XML1);
  return StepResult(Banks()->Make_Config_Banks());
}

TImageStepResult Store_Bank_Files() {
  if (!Banks()) return StepResult(TConfigBanks().Store_Bank_Files());
  return StepResult(Banks()->Store_Bank_Files());
}
