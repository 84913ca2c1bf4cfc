#include <unistd.h>

#include <iostream>

#include "cli/lab_cli.h"

int main(int argc, char** argv) {
  const quorvan::CliStreams io{std::cin, std::cout, std::cerr, isatty(STDERR_FILENO) != 0};
  return quorvan::runLabCli(argc, argv, io);
}
