#include "wayland_plugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace hexling {

bool HasWaylandPlatformPlugin() {
  QStringList folders = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
  for (const QString& pluginFolder : QCoreApplication::libraryPaths()) folders << pluginFolder + QStringLiteral("/platforms");
  for (const QString& folder : folders) {
    if (!QDir(folder).entryList({QStringLiteral("libqwayland-*")}, QDir::Files).isEmpty()) return true;
  }
  return false;
}

}  // namespace hexling
