#include "cli/lab_cli.h"

int main(int argc, char** argv) { return quorvan::runLabCli(argc, argv); }
