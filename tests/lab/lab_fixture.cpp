#include "lab_fixture.h"

#include <fstream>
#include <random>

namespace quorvan::testing {

void makeSkeleton(const std::filesystem::path& dir) {
  namespace fs = std::filesystem;
  const fs::path source = fs::path(QUORVAN_DATA_DIR) / "lab";
  fs::create_directories(dir);
  fs::copy(source, dir, fs::copy_options::recursive | fs::copy_options::skip_existing);
}

void LabTest::SetUp() {
  static std::mt19937_64 names{std::random_device{}()};
  dir = std::filesystem::temp_directory_path() / ("quorvan-test-" + std::to_string(names()));
  makeSkeleton(dir);
}

void LabTest::TearDown() {
  lab.reset();
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}

void LabTest::startLab(bool runFormShow) {
  LabEnvironment env;
  env.workDir = dir.string();
  env.showWarning = [this](const std::string& text) {
    shown.push_back(text);
    if (onWarning) onWarning(text);
  };
  env.clockSeconds = [] { return 1000u; };
  lab = std::make_unique<Laboratory>(env);
  if (runFormShow) lab->FormShow();
}

}  // namespace quorvan::testing
