#pragma once
// `quorvan-lab atlas`: the mask atlas, computed, merged and drawn.
#include <cstdint>
#include <string>
#include <vector>

#include "cli/lab_cli.h"
#include "lab/atlas.h"

namespace quorvan {

struct AtlasOptions {
  int trials = 200;
  std::uint32_t clockSeconds = 0;  // fixed, so that an atlas can be reproduced
  int jobs = 1;
  std::string cells;               // "L:R,..." ; empty: every cell of the chart
  std::vector<std::string> merge;  // atlas.json files to combine in place of computing
  std::string out = ".";           // atlas.json, atlas.csv and atlas.bmp go here
};

int runAtlasCommand(const AtlasOptions& o, const CliStreams& io);

// The chart as an 8-bit BMP: false with a reason when it cannot be written,
// also in a build without Qt.
bool writeAtlasPicture(const std::vector<AtlasCell>& cells, int trials, const std::string& path,
                       std::string& error);

}  // namespace quorvan
