#include "default_font.h"

#include <QFont>
#include <QGuiApplication>

#include "installed_family.h"

namespace hexling {

void NameTheDefaultFontByItsInstalledFamily() {
  QFont font = QGuiApplication::font();
  const QFont::StyleHint hint = font.styleHint();
  const bool monospace =
      hint == QFont::TypeWriter || hint == QFont::Monospace || (hint == QFont::AnyStyle && font.fixedPitch());
  // Other hints and styles Qt looks up with other patterns: those are left to it.
  if (font.style() != QFont::StyleNormal || !(monospace || hint == QFont::AnyStyle)) return;
  const QString family = QString::fromStdString(InstalledFamily(font.family().toStdString(), monospace));
  if (family.isEmpty() || family.compare(font.family(), Qt::CaseInsensitive) == 0) return;
  font.setFamily(family);
  // Not QApplication's: that would also drop the desktop's fonts for menus, tooltips and the like.
  QGuiApplication::setFont(font);
}

}  // namespace hexling
