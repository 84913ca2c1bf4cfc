#pragma once
// `quorvan-lab batch`: the batch statistics of "Timer10" at full speed.
#include <cstdint>
#include <optional>

#include "cli/lab_cli.h"

namespace quorvan {

struct BatchOptions {
  int runs = 1000;                           // 1..1000
  std::optional<std::uint32_t> clockSeconds;  // unset: the real clock
  bool json = false;
};

int runBatchCommand(const BatchOptions& o, const CliStreams& io);

}  // namespace quorvan
