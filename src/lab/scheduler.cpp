#include "lab/scheduler.h"

#include "lab/laboratory.h"

namespace quorvan {

std::int32_t timerIntervalMs(Ctl timer) {
  for (const TimerSpec& t : kTimers)
    if (t.timer == timer) return t.intervalMs;
  return 0;
}

TimerScheduler::TimerScheduler(Laboratory& lab, Fire fire) : lab_(lab), fire_(std::move(fire)) {
  if (!fire_) fire_ = [this](Ctl timer) { lab_.timerTick(timer); };
  noteEnabled();
}

int TimerScheduler::nextDue() const {
  int best = -1;
  for (int i = 0; i < static_cast<int>(kTimers.size()); ++i)
    if (lab_.timerEnabled(kTimers[i].timer) && (best < 0 || due_[i] < due_[best])) best = i;
  return best;
}

bool TimerScheduler::fireNext() {
  // A handler run outside the scheduler (a click) may have switched a timer
  // since the last tick.
  noteEnabled();
  const int best = nextDue();
  if (best < 0) return false;
  now_ = due_[best];
  due_[best] = now_ + kTimers[best].intervalMs;
  fire_(kTimers[best].timer);
  noteEnabled();
  return true;
}

std::int64_t TimerScheduler::run(std::int64_t maxTicks, const std::function<bool()>& stop) {
  std::int64_t ticks = 0;
  while (ticks < maxTicks && fireNext()) {
    ++ticks;
    if (stop && stop()) break;
  }
  return ticks;
}

std::int64_t TimerScheduler::advance(std::int64_t ms) {
  const std::int64_t end = now_ + ms;
  std::int64_t ticks = 0;
  for (;;) {
    noteEnabled();
    const int next = nextDue();
    if (next < 0 || due_[next] > end) break;
    fireNext();
    ++ticks;
  }
  now_ = end;
  return ticks;
}

// A timer that was just switched on fires one interval later; one switched
// off forgets when it was due.
void TimerScheduler::noteEnabled() {
  for (std::size_t i = 0; i < kTimers.size(); ++i) {
    const bool on = lab_.timerEnabled(kTimers[i].timer);
    if (on && !wasOn_[i]) due_[i] = now_ + kTimers[i].intervalMs;
    wasOn_[i] = on;
  }
}

}  // namespace quorvan
