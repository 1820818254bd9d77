// Timers on the GUI thread: TTimer and the clock behind every timer, which
// tests replace with a manual clock they advance themselves.
#pragma once

#include "platform/Classes.h"

#include <cstdint>
#include <functional>
#include <memory>

class TTimerClock {
public:
  virtual ~TTimerClock() = default;
  // Calls `tick` every `ms` milliseconds until stopped; returns the timer's id.
  virtual int Start(int ms, std::function<void()> tick) = 0;
  virtual void Stop(int id) = 0;
};

// The clock in use (Qt timers unless a test installed a manual clock).
TTimerClock& TimerClock();

// A clock that moves only when told: Advance fires every due timer in time order.
class TManualClock : public TTimerClock {
public:
  int Start(int ms, std::function<void()> tick) override;
  void Stop(int id) override;
  void Advance(int64_t ms);
  int64_t Now() const { return FNow; }
  int ActiveCount() const;

private:
  struct Entry {
    int Id;
    int Interval;
    int64_t Due;
    std::function<void()> Tick;
  };
  std::vector<Entry> FEntries;
  int64_t FNow = 0;
  int FNextId = 1;
};

// Installs a manual clock for the lifetime of the returned object.
class TManualClockScope {
public:
  TManualClockScope();
  ~TManualClockScope();
  TManualClock& Clock() { return *FClock; }

private:
  std::unique_ptr<TManualClock> FClock;
  TTimerClock* FPrevious;
};

class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v);
  int Interval() const { return FInterval; }
  void SetInterval(int ms);
  TNotifyEvent OnTimer;

private:
  void Restart();
  bool FEnabled = true;
  int FInterval = 1000;
  int FId = 0;
  TTimerClock* FClock = nullptr;
};
