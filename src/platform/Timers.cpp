#include "platform/Timers.h"

#include "platform/Application.h"
#include "platform/Property.h"

#include <QTimer>

#include <algorithm>
#include <map>

namespace {

class TQtClock : public TTimerClock {
public:
  int Start(int ms, std::function<void()> tick) override {
    auto* t = new QTimer();
    t->setInterval(std::max(1, ms));
    int id = FNextId++;
    QObject::connect(t, &QTimer::timeout, [tick] { SafeCall(tick); });
    FTimers[id] = t;
    t->start();
    return id;
  }
  void Stop(int id) override {
    auto it = FTimers.find(id);
    if (it == FTimers.end()) return;
    it->second->stop();
    it->second->deleteLater();
    FTimers.erase(it);
  }

private:
  std::map<int, QTimer*> FTimers;
  int FNextId = 1;
};

TTimerClock*& CurrentClock() {
  static TQtClock qtClock;
  static TTimerClock* current = &qtClock;
  return current;
}

}  // namespace

TTimerClock& TimerClock() { return *CurrentClock(); }

int TManualClock::Start(int ms, std::function<void()> tick) {
  int id = FNextId++;
  FEntries.push_back(Entry{id, std::max(1, ms), FNow + std::max(1, ms), std::move(tick)});
  return id;
}

void TManualClock::Stop(int id) {
  FEntries.erase(std::remove_if(FEntries.begin(), FEntries.end(), [id](const Entry& e) { return e.Id == id; }),
                 FEntries.end());
}

int TManualClock::ActiveCount() const { return int(FEntries.size()); }

void TManualClock::Advance(int64_t ms) {
  const int64_t target = FNow + ms;
  for (;;) {
    auto next = std::min_element(FEntries.begin(), FEntries.end(),
                                 [](const Entry& a, const Entry& b) { return a.Due < b.Due; });
    if (next == FEntries.end() || next->Due > target) break;
    FNow = next->Due;
    next->Due += next->Interval;
    std::function<void()> tick = next->Tick;  // the handler may stop or start timers
    SafeCall(tick);
  }
  FNow = target;
}

TManualClockScope::TManualClockScope() : FClock(std::make_unique<TManualClock>()), FPrevious(CurrentClock()) {
  CurrentClock() = FClock.get();
}

TManualClockScope::~TManualClockScope() { CurrentClock() = FPrevious; }

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) { Restart(); }

TTimer::~TTimer() {
  if (FId && FClock) FClock->Stop(FId);
}

void TTimer::SetEnabled(bool v) {
  SetProperty(FEnabled, v, [&] { Restart(); });
}

void TTimer::SetInterval(int ms) {
  SetProperty(FInterval, ms, [&] { Restart(); });
}

void TTimer::Restart() {
  if (FId && FClock) FClock->Stop(FId);
  FId = 0;
  FClock = nullptr;
  if (FEnabled && FInterval > 0) {
    FClock = &TimerClock();
    FId = FClock->Start(FInterval, [this] {
      if (OnTimer) OnTimer(this);
    });
  }
}
