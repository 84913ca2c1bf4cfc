#pragma once
#include <cstdint>
#include <functional>

namespace quorvan {

// The 32-bit linear congruential generator every random choice draws from.
struct Generator {
  std::uint32_t randomState = 1;

  // A value in 0..32767: bits 16..30 of the next state.
  std::int32_t nextRandom() {
    randomState = randomState * 22695477u + 1u;
    return static_cast<std::int32_t>((randomState >> 16) & 0x7FFFu);
  }

  // Seeds from the calendar time in whole seconds and discards one value.
  void reseedFromClock(std::uint32_t secondsNow) {
    randomState = secondsNow;
    nextRandom();
  }
};

}  // namespace quorvan
