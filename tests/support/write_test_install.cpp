// write-test-install DIR [SKINS]: the tests' small installation, for tests that
// run the real program and for a quick look at it.
#include <cstdio>
#include <cstdlib>

#include "support/test_install.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: write-test-install DIR [SKINS]\n");
    return 2;
  }
  vx::test::write_test_install(argv[1], argc == 3 ? std::atoi(argv[2]) : 2);
  return 0;
}
