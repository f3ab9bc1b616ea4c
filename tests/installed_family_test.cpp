#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>

#include "default_font.h"
#include "installed_family.h"

namespace hexling {
namespace {

QString ShownFamily(const QFont& font) { return QFontInfo(font).family(); }

// Qt's own search through every font's fallbacks, against the one match.
TEST(InstalledFamily, IsTheFamilyQtShowsForTheFaceInstalledOrNot) {
  const struct {
    const char* family;
    bool monospace;
  } faces[] = {{"Courier New", true},     {"Courier New", false}, {"Sans Serif", false}, {"Monospace", true},
               {"Times New Roman", false}, {"No Such Face", true}, {"DejaVu Sans", false}, {"Liberation Mono", true}};
  for (const auto& [family, monospace] : faces) {
    QFont font(QString::fromLatin1(family));
    if (monospace) font.setStyleHint(QFont::TypeWriter);
    EXPECT_EQ(QString::fromStdString(InstalledFamily(family, monospace)), ShownFamily(font))
        << family << (monospace ? ", monospace" : "");
  }
}

TEST(DefaultFont, NamedByItsInstalledFamilyLooksTheSame) {
  const QFont before = QGuiApplication::font();
  const QString shown = ShownFamily(before);
  NameTheDefaultFontByItsInstalledFamily();
  const QFont after = QGuiApplication::font();
  QGuiApplication::setFont(before);
  EXPECT_EQ(after.family(), shown) << "was " << before.family().toStdString();
  EXPECT_EQ(ShownFamily(after), shown);
  EXPECT_EQ(after.pointSizeF(), before.pointSizeF());
}

}  // namespace
}  // namespace hexling
