#include <gtest/gtest.h>

#include "desktop_session.h"

namespace hexling {
namespace {

TEST(DesktopSession, PrefersAnX11ThatAnswersRunsOnWaylandAloneWhereItCanAndSaysWhyNot) {
  using enum DesktopPlatform;
  // chosen, X11 display, X11 answers, Wayland display, Wayland plugin, Wayland answers
  const struct {
    DesktopSession session;
    DesktopPlatform platform;
  } cases[] = {
      {{false, true, true, false, false, false}, AsChosen},   {{false, true, true, true, true, true}, X11},
      {{false, true, false, false, false, false}, X11Away},   {{false, true, false, true, true, true}, Wayland},
      {{false, false, false, true, true, true}, Wayland},     {{false, false, false, true, false, true}, WaylandMissing},
      {{false, false, false, true, true, false}, WaylandAway}, {{false, false, false, false, true, true}, None},
      {{true, false, false, false, false, false}, AsChosen},  {{true, true, false, true, false, false}, AsChosen},
  };
  for (const auto& [session, platform] : cases) {
    EXPECT_EQ(ChooseDesktopPlatform(session), platform)
        << "chosen " << session.platformChosen << ", X11 " << session.hasX11Display << " answers "
        << session.x11Answers << ", Wayland " << session.hasWaylandDisplay << " plugin " << session.hasWaylandPlugin
        << " answers " << session.waylandAnswers;
  }
}

}  // namespace
}  // namespace hexling
