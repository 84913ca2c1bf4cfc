#pragma once
// The mask atlas: for every cell of the reference chart (odd left and right
// mask codes 1..39, the upper-right triangle where the left code is at
// least the right one) the automatic test is run from start-up, and what it
// found is recorded. Cells are independent of one another, so any subset
// may be computed anywhere and merged.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvan {

inline constexpr int kAtlasMaxCode = 39;

struct AtlasCell {
  int left = 0;   // mask code: bit d-1 is the box of distance d
  int right = 0;
  int pointCount = 0;       // N as "Do from mask" derives it
  bool outside = false;     // N above 9: no analysis, no test run
  int trials = 0;           // trials analysed
  bool ambiguous = false;   // a "Warning" arose
  int firstAmbiguousTrial = 0;  // the trial whose analysis raised the first one; 0 when none
  int ambiguities = 0;
  bool halted = false;      // the four-point test stopped itself
  int table1Rows = 0;
  friend bool operator==(const AtlasCell&, const AtlasCell&) = default;
};

// Every cell of the chart, in order: right code, then left code ascending.
std::vector<AtlasCell> atlasCells();

// Parses "L:R,L:R,..." into cells of the chart; nullopt (with a reason) when
// an entry is malformed or names no cell of the chart.
std::optional<std::vector<AtlasCell>> parseAtlasCells(const std::string& text, std::string& error);

// Runs the automatic test for one cell, `trials` trials at most, with the
// calendar clock fixed at `clockSeconds`. Touches no file.
AtlasCell runAtlasCell(int left, int right, int trials, std::uint32_t clockSeconds);

// Runs the cells on `jobs` threads; the result is in the cells' order and
// the same for any number of jobs.
std::vector<AtlasCell> runAtlas(const std::vector<AtlasCell>& cells, int trials, std::uint32_t clockSeconds,
                                int jobs);

}  // namespace quorvan
