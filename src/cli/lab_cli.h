#pragma once

namespace quorvan {

// The headless front end: `quorvan-lab test [options]`. Returns the exit code.
int runLabCli(int argc, char** argv);

}  // namespace quorvan
