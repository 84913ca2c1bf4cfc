#pragma once
// The window's timers, named once with their intervals, and the one loop
// that fires them without an event loop: quorvan-lab, scripts, tests and
// benchmarks all step the laboratory through it, and the window's QTimers
// take their intervals from the same list.
#include <array>
#include <cstdint>
#include <functional>

#include "lab/control_model.h"

namespace quorvan {

class Laboratory;

struct TimerSpec {
  Ctl timer;
  std::int32_t intervalMs;
  bool precise;  // a precise timer in the window (the others may coalesce)
};

// In the order that settles a tie: of two timers due at the same moment the
// earlier one here fires first.
inline constexpr std::array<TimerSpec, 5> kTimers = {{
    {Ctl::Timer1, 1, true},    // the step handler
    {Ctl::Timer10, 10, true},  // batch statistics
    {Ctl::Timer11, 10, true},  // the automatic test's next trial
    {Ctl::Timer2, 10, false},
    {Ctl::Timer3, 10, false},
}};

// The interval of a timer of kTimers; 0 for any other control.
std::int32_t timerIntervalMs(Ctl timer);

// Simulated timer time: each enabled timer is due one interval after it was
// switched on and again one interval after each of its ticks. A tick is
// whatever `fire` does with the timer (by default the laboratory's
// timerTick; the window's tests pass the form's slot so that the widgets
// follow).
class TimerScheduler {
 public:
  using Fire = std::function<void(Ctl)>;
  explicit TimerScheduler(Laboratory& lab, Fire fire = {});

  // Fires the timer due next; false, firing nothing, when none is enabled.
  bool fireNext();
  // Fires timers until none is enabled, `stop` answers true after a tick, or
  // `maxTicks` ticks have fired; returns the ticks fired.
  std::int64_t run(std::int64_t maxTicks, const std::function<bool()>& stop = {});
  // Fires every tick due up to `ms` milliseconds of timer time from now.
  std::int64_t advance(std::int64_t ms);
  std::int64_t nowMs() const { return now_; }

 private:
  int nextDue() const;
  void noteEnabled();

  Laboratory& lab_;
  Fire fire_;
  std::int64_t now_ = 0;
  std::array<std::int64_t, kTimers.size()> due_{};
  std::array<bool, kTimers.size()> wasOn_{};
};

}  // namespace quorvan
