#pragma once
// A laboratory in a scratch working directory, with the analysis and table
// controls as start-up leaves them, and helpers to hand-make a run record.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "lab/laboratory.h"

namespace quorvan::testing_support {

inline std::vector<unsigned char> readBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& p, const std::vector<unsigned char>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Splits a panel's text into its lines.
inline std::vector<std::string> panelLines(const ControlModel& c, Ctl id) {
  std::vector<std::string> out;
  if (c[id].lineCount == 0) return out;
  const std::string& t = c.text(id);
  std::size_t start = 0;
  for (;;) {
    const std::size_t nl = t.find('\n', start);
    out.push_back(t.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  return out;
}

class AnalysisLab : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir = std::filesystem::temp_directory_path() / ("quorvan-an-" + std::string(info->test_suite_name()) +
                                                    "-" + info->name() + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "RT");
    for (const char* f : {"rt1.dat", "rt2.dat", "rtU.dat", "rtemp.dat"})
      writeBytes(dir / "RT" / f, std::vector<unsigned char>(8044, 0));
    LabEnvironment env;
    env.workDir = dir.string();
    env.showWarning = [this](const std::string& t) { seen.push_back(t); };
    lab = std::make_unique<Laboratory>(env);
    startUp();
  }
  void TearDown() override {
    lab.reset();
    std::filesystem::remove_all(dir);
  }

  // The start values of the analysis and table controls, set as start-up
  // sets them (each change runs its handler).
  void startUp() {
    ControlModel& c = lab->controls;
    c.setChecked(Ctl::F2x1, false);
    c.setChecked(Ctl::F3x1, false);
    c.setChecked(Ctl::ResT0c1c11, false);
    c.setChecked(Ctl::N7, false);
    c.setChecked(Ctl::N0colomn1, true);
    c.setChecked(Ctl::Res01231, true);
    c.setChecked(Ctl::ResNfbleN11, true);
    c.setChecked(Ctl::ResTableN21, false);
    lab->setChecked(Ctl::CheckBox41, true);
    lab->setChecked(Ctl::CheckBox46, true);
    lab->setChecked(Ctl::CheckBox45, false);
    for (int d = 1; d <= MaxDistance; ++d) {
      lab->setChecked(leftMaskBox(d), d == 1 || d == 2);
      lab->setChecked(rightMaskBox(d), d == 1);
    }
    lab->setItemIndex(Ctl::RadioGroup15, 1);
    lab->Button122Click();
    lab->Button93Click();
  }

  // A fresh record of `rows` rows (markRows = rows - 1) over `cells` cells,
  // with no marks.
  void record(int rows, int cells) {
    LatticeState& l = lab->lattice;
    for (auto* m : {&l.directCMarks, &l.dualCMarks})
      for (auto& row : *m) row.fill(0);
    for (auto* m : {&l.directCMarkStep, &l.dualCMarkStep})
      for (auto& row : *m) row.fill(0);
    lab->lattice.markRows = rows - 1;
    lab->lattice.lineLength = cells;
    lab->lattice.squareCols = cells;
  }
  void markDirect(int r, int x, int step) {
    lab->lattice.directCMarks[r][x] = 1;
    lab->lattice.directCMarkStep[r][x] = step;
  }
  void markDual(int r, int x, int step) {
    lab->lattice.dualCMarks[r][x] = 1;
    lab->lattice.dualCMarkStep[r][x] = step;
  }
  // A mark whose point value is v (0..2 direct, 3..5 dual), made at step v+1.
  void markValue(int r, int x, int v) {
    if (v < 3)
      markDirect(r, x, v + 1);
    else
      markDual(r, x, v - 2);
  }
  std::vector<std::uint8_t>& table(int n) { return lab->patterns.forN(n); }
  const std::string& text(Ctl id) { return lab->controls.text(id); }
  std::vector<std::string> lines(Ctl id) { return panelLines(lab->controls, id); }

  std::filesystem::path dir;
  std::vector<std::string> seen;
  std::unique_ptr<Laboratory> lab;

 private:
};

}  // namespace quorvan::testing_support
