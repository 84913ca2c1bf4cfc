#include "cli/atlas_command.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <ostream>

#include "lab/atlas.h"

namespace quorvan {
namespace {

nlohmann::json toJson(const AtlasCell& c) {
  return {{"left", c.left},
          {"right", c.right},
          {"pointCount", c.pointCount},
          {"outside", c.outside},
          {"trials", c.trials},
          {"ambiguous", c.ambiguous},
          {"firstAmbiguousTrial", c.firstAmbiguousTrial},
          {"ambiguities", c.ambiguities},
          {"halted", c.halted},
          {"table1Rows", c.table1Rows}};
}

AtlasCell fromJson(const nlohmann::json& j) {
  AtlasCell c;
  c.left = j.at("left").get<int>();
  c.right = j.at("right").get<int>();
  c.pointCount = j.at("pointCount").get<int>();
  c.outside = j.at("outside").get<bool>();
  c.trials = j.at("trials").get<int>();
  c.ambiguous = j.at("ambiguous").get<bool>();
  c.firstAmbiguousTrial = j.at("firstAmbiguousTrial").get<int>();
  c.ambiguities = j.at("ambiguities").get<int>();
  c.halted = j.at("halted").get<bool>();
  c.table1Rows = j.at("table1Rows").get<int>();
  return c;
}

bool writeText(const std::string& path, const std::string& text, std::string& error) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  if (f) f << text;
  if (f) f.close();
  if (!f) error = "cannot write " + path;
  return static_cast<bool>(f);
}

std::string csvOf(const std::vector<AtlasCell>& cells) {
  std::string s = "left,right,N,outside,trials,ambiguous,first_ambiguous_trial,ambiguities,halted,table1_rows\n";
  for (const AtlasCell& c : cells)
    s += std::to_string(c.left) + "," + std::to_string(c.right) + "," + std::to_string(c.pointCount) + "," +
         (c.outside ? "1" : "0") + "," + std::to_string(c.trials) + "," + (c.ambiguous ? "1" : "0") + "," +
         std::to_string(c.firstAmbiguousTrial) + "," + std::to_string(c.ambiguities) + "," +
         (c.halted ? "1" : "0") + "," + std::to_string(c.table1Rows) + "\n";
  return s;
}

// Combines partial atlases of the same trials and clock; a cell given twice
// must agree with itself.
bool mergeAtlases(const std::vector<std::string>& files, std::vector<AtlasCell>& cells, int& trials,
                  std::uint32_t& clock, std::string& error) {
  std::map<std::pair<int, int>, AtlasCell> byCell;
  bool first = true;
  for (const std::string& file : files) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return error = "cannot read " + file, false;
    nlohmann::json j;
    try {
      in >> j;
      const int t = j.at("trials").get<int>();
      const auto c = j.at("clock").get<std::uint32_t>();
      if (!first && (t != trials || c != clock))
        return error = file + ": made with other --trials or --clock than " + files.front(), false;
      trials = t;
      clock = c;
      first = false;
      for (const auto& cj : j.at("cells")) {
        const AtlasCell cell = fromJson(cj);
        std::string why;
        if (!parseAtlasCells(std::to_string(cell.left) + ":" + std::to_string(cell.right), why))
          return error = file + ": " + why, false;
        const auto [at, fresh] = byCell.emplace(std::pair(cell.right, cell.left), cell);
        if (!fresh && !(at->second == cell))
          return error = file + ": cell " + std::to_string(cell.left) + ":" + std::to_string(cell.right) +
                         " differs from an earlier file",
                 false;
      }
    } catch (const nlohmann::json::exception& e) {
      return error = file + ": not an atlas (" + e.what() + ")", false;
    }
  }
  cells.clear();
  for (const auto& [key, cell] : byCell) cells.push_back(cell);  // right code, then left: the chart's order
  return true;
}

}  // namespace

int runAtlasCommand(const AtlasOptions& o, const CliStreams& io) {
  std::string error;
  std::vector<AtlasCell> cells;
  int trials = o.trials;
  std::uint32_t clock = o.clockSeconds;
  const auto start = std::chrono::steady_clock::now();
  if (!o.merge.empty()) {
    if (!mergeAtlases(o.merge, cells, trials, clock, error)) {
      io.err << "quorvan-lab atlas: " << error << "\n";
      return 2;
    }
  } else {
    std::vector<AtlasCell> wanted = atlasCells();
    if (!o.cells.empty()) {
      const auto parsed = parseAtlasCells(o.cells, error);
      if (!parsed) {
        io.err << "quorvan-lab atlas: " << error << "\n";
        return 2;
      }
      wanted = *parsed;
    }
    cells = runAtlas(wanted, trials, clock, o.jobs);
    // In the chart's order, so that parts merge into the same file.
    std::sort(cells.begin(), cells.end(), [](const AtlasCell& x, const AtlasCell& y) {
      return std::pair(x.right, x.left) < std::pair(y.right, y.left);
    });
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  nlohmann::json j = {{"trials", trials}, {"clock", clock}, {"cells", nlohmann::json::array()}};
  for (const AtlasCell& c : cells) j["cells"].push_back(toJson(c));
  int exitCode = 0;
  const std::string base = o.out.empty() ? "." : o.out;
  const auto report = [&](bool ok) {
    if (!ok) {
      io.err << "quorvan-lab atlas: " << error << "\n";
      exitCode = 1;
    }
  };
  report(writeText(base + "/atlas.json", j.dump(1) + "\n", error));
  report(writeText(base + "/atlas.csv", csvOf(cells), error));
  // Only a whole chart is drawn; a part of one is for merging.
  const bool whole = cells.size() == atlasCells().size();
  if (whole) report(writeAtlasPicture(cells, trials, base + "/atlas.bmp", error));

  int incorrect = 0, correct = 0, outside = 0;
  for (const AtlasCell& c : cells) (c.outside ? outside : c.ambiguous ? incorrect : correct) += 1;
  io.out << "Quorvan mask atlas: " << cells.size() << " cells, " << trials << " trials each, clock " << clock
         << "\n  incorrect (an ambiguity) " << incorrect << "\n  correct (none)           " << correct
         << "\n  outside (N > 9)          " << outside << "\n  time                     " << seconds << " s on "
         << o.jobs << (o.jobs == 1 ? " thread" : " threads") << "\n  written                  " << base
         << "/atlas.json, " << base << "/atlas.csv" << (whole ? ", " + base + "/atlas.bmp" : "") << "\n";
  return exitCode;
}

}  // namespace quorvan
