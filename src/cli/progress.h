#pragma once
// The progress bar quorvan-lab draws on standard error when it is a terminal.
#include <cstdio>
#include <ostream>

namespace quorvan {

inline void drawProgress(std::ostream& err, long long done, long long total, const char* unit) {
  constexpr int kWidth = 40;
  const int filled = total > 0 ? static_cast<int>(kWidth * done / total) : kWidth;
  char line[160];
  std::snprintf(line, sizeof line, "\r[%.*s%*s] %lld/%lld %s", filled, "########################################",
                kWidth - filled, "", done, total, unit);
  err << line << std::flush;
}

}  // namespace quorvan
