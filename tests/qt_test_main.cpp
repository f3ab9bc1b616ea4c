// GoogleTest main for tests of the Qt binding: one QApplication on the
// offscreen platform, so the tests need no display; or on the platform that
// HEXLING_TEST_PLATFORM names (the Wayland test runs them on Wayland).
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
  const QByteArray platform = qgetenv("HEXLING_TEST_PLATFORM");
  qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
  // Qt warns on every start without one; CI has none.
  const QTemporaryDir runtimeDir;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
