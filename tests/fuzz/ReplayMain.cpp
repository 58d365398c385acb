// Runs a harness once on every file named, or on every file in the folders
// named, as libFuzzer would on its corpus, but built by any compiler. A broken
// promise aborts; otherwise the exit status is 0 and one line counts the inputs.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"

namespace {

int RunFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "replay: cannot read " << path << "\n";
    return 1;
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> files;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path named(argv[i]);
    if (!std::filesystem::is_directory(named)) {
      files.push_back(named);
      continue;
    }
    for (const auto& entry : std::filesystem::directory_iterator(named)) {
      if (entry.is_regular_file()) files.push_back(entry.path());
    }
  }
  if (files.empty()) {
    std::cerr << "replay: no inputs\n";
    return 1;
  }
  int failures = 0;
  for (const auto& file : files) failures += RunFile(file);
  std::cout << "replayed " << files.size() - failures << " inputs\n";
  return failures == 0 ? 0 : 1;
}
