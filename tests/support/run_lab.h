#pragma once
// Running quorvan-lab as a program from a test, and reading what it wrote.
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <regex>
#include <string>

namespace quorvan::testing_support {

namespace fs = std::filesystem;

struct Result {
  int exitCode;
  std::string out;
};

// Runs quorvan-lab with `args` (a shell word list); standard error goes to
// `stderrTo` (a shell redirection target, "/dev/null" unless asked).
inline Result runLab(const std::string& args, const std::string& stderrTo = "/dev/null") {
  const std::string cmd = std::string(QUORVAN_LAB_BIN) + " " + args + " 2>" + stderrTo;
  FILE* p = popen(cmd.c_str(), "r");
  std::string out;
  char buf[4096];
  for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  const int status = pclose(p);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

inline fs::path scratch() {
  static std::mt19937_64 names{std::random_device{}()};
  fs::path d = fs::temp_directory_path() / ("quorvan-cli-" + std::to_string(names()));
  fs::create_directories(d);
  return d;
}

inline std::string bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline long jsonNumber(const std::string& json, const std::string& key) {
  std::smatch m;
  if (!std::regex_search(json, m, std::regex("\"" + key + "\":(-?[0-9]+)"))) return -999999;
  return std::stol(m[1]);
}

inline std::string jsonArray(const std::string& json, const std::string& key) {
  std::smatch m;
  if (!std::regex_search(json, m, std::regex("\"" + key + "\":\\[([^\\]]*)\\]"))) return "?";
  return m[1];
}

}  // namespace quorvan::testing_support
