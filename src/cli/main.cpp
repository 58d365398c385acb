#include <csignal>
#include <iostream>

#include "cli/Command.h"

int main(int argc, char** argv) {
  // A reader that goes away (`| head`) must not end a run half-way through,
  // its pages, reports and history ahead of the project: writes to it fail
  // instead, and the command finishes.
  std::signal(SIGPIPE, SIG_IGN);
  std::vector<std::string> args(argv + 1, argv + argc);
  return kestrova::cli::RunCli(args, std::cout, std::cerr);
}
