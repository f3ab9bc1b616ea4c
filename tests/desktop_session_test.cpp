#include <gtest/gtest.h>

#include "desktop_session.h"

namespace hexling {
namespace {

TEST(DesktopSession, PrefersX11WhereWaylandOffersItAndRunsOnWaylandAloneWhereItCan) {
  using enum DesktopPlatform;
  const struct {
    DesktopSession session;
    DesktopPlatform platform;
  } cases[] = {
      {{false, true, false, false, false}, AsChosen}, {{false, true, true, true, true}, X11},
      {{false, false, true, true, true}, Wayland},   {{false, false, true, false, true}, WaylandMissing},
      {{false, false, true, true, false}, WaylandAway}, {{false, false, false, true, true}, None},
      {{true, false, false, false, false}, AsChosen}, {{true, true, true, false, false}, AsChosen},
  };
  for (const auto& [session, platform] : cases) {
    EXPECT_EQ(ChooseDesktopPlatform(session), platform)
        << "chosen " << session.platformChosen << ", X11 " << session.hasX11Display << ", Wayland "
        << session.hasWaylandDisplay << ", plugin " << session.hasWaylandPlugin << ", answers "
        << session.waylandAnswers;
  }
}

}  // namespace
}  // namespace hexling
