// vornix-script: plays a scenario script against the console core on the virtual
// clock. Usage: vornix-script [--seed N] [--trace] FILE|-
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "script/script_runner.h"

int main(int argc, char** argv) {
  std::uint32_t seed = static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
  bool trace = false;
  std::string file;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--seed" && i + 1 < argc) {
      char* end = nullptr;
      const unsigned long v = std::strtoul(argv[++i], &end, 10);
      if (*end != '\0') {
        std::cerr << "vornix-script: --seed needs a whole number, not '" << argv[i] << "'\n";
        return 2;
      }
      seed = static_cast<std::uint32_t>(v);
    } else if (a == "--trace") {
      trace = true;
    } else if (file.empty() && (a == "-" || a[0] != '-')) {
      file = a;
    } else {
      std::cerr << "usage: vornix-script [--seed N] [--trace] FILE|-\n";
      return 2;
    }
  }
  if (file.empty()) {
    std::cerr << "usage: vornix-script [--seed N] [--trace] FILE|-\n";
    return 2;
  }
  vx::ScriptRunner runner(std::cout, seed, trace);
  if (file == "-") return runner.run(std::cin, std::cerr);
  std::ifstream in(file);
  if (!in) {
    std::cerr << file << ": cannot open the script\n";
    return 2;
  }
  return runner.run(in, std::cerr);
}
