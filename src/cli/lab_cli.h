#pragma once
#include <iosfwd>

namespace quorvan {

struct CliStreams {
  std::istream& in;  // the script of `script -`
  std::ostream& out;
  std::ostream& err;
  bool progress = false;  // draw the automatic test's progress bar on `err`
};

// The headless front end, `quorvan-lab test|script ...`. Returns the exit
// code: 0, 1 when a file could not be written, 2 for a bad argument or line.
int runLabCli(int argc, const char* const* argv, const CliStreams& io);

}  // namespace quorvan
