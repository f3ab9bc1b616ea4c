#include <gtest/gtest.h>

#include "app/desktop_session.h"

namespace hexling {
namespace {

TEST(DesktopSession, RunsOnX11WhenWaylandOffersItAndNobodyChose) {
  const struct {
    bool chosen, x11, wayland;
    DesktopPlatform platform;
  } cases[] = {
      {false, true, false, DesktopPlatform::AsChosen}, {false, false, true, DesktopPlatform::AsChosen},
      {false, true, true, DesktopPlatform::X11},       {false, false, false, DesktopPlatform::None},
      {true, true, true, DesktopPlatform::AsChosen},   {true, false, false, DesktopPlatform::AsChosen},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseDesktopPlatform(c.chosen, c.x11, c.wayland), c.platform)
        << "chosen " << c.chosen << ", X11 " << c.x11 << ", Wayland " << c.wayland;
  }
}

}  // namespace
}  // namespace hexling
