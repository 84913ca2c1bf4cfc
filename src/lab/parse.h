#pragma once
#include <cstdint>
#include <string_view>

namespace quorvan {

// The number a typed text stands for: optional leading blanks, an optional
// sign, then the digits up to the first other character. Text without a
// leading number gives 0. Values beyond the 32-bit range saturate, so a long
// run of digits can never overflow.
std::int32_t parseLeadingInt(std::string_view text);

}  // namespace quorvan
