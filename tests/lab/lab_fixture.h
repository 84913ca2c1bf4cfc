#pragma once
// A laboratory in a scratch working directory that holds the skeleton
// files, with the "Warning" texts collected instead of shown.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lab/laboratory.h"

namespace quorvan::testing {

// Creates DIR/path files of the given sizes (zero bytes), as the working
// directory skeleton has them.
void makeSkeleton(const std::filesystem::path& dir);

class LabTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A fresh laboratory after start-up (FormShow) unless told otherwise.
  void startLab(bool runFormShow = true);

  std::filesystem::path dir;
  std::vector<std::string> shown;
  // Runs inside each "Warning" box, while the handler that raised it waits.
  std::function<void(const std::string&)> onWarning;
  std::unique_ptr<Laboratory> lab;
};

}  // namespace quorvan::testing
