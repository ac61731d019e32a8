// The asset tests run with an offscreen GUI application, which fonts need.
#include <gtest/gtest.h>

#include "skin_tools.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  vx::assets::ensure_gui();
  return RUN_ALL_TESTS();
}
