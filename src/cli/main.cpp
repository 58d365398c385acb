#include <iostream>

#include "cli/Command.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return kestrova::cli::RunCli(args, std::cout, std::cerr);
}
