#include <gtest/gtest.h>

#include "core/launcher.h"
#include "support/fake_platform.h"
#include "ui/main/frm_main.h"
#include "ui/options/frm_opt.h"

using namespace zorvik;

TEST(Smoke, Starts) {
  test::FakePlatform fake;
  Launcher l(fake);
  l.Start();
  EXPECT_FALSE(l.Ending());
}
