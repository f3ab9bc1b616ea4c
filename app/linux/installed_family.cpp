#include "installed_family.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace hexling {
namespace {

using Pattern = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;

Pattern NewPattern(FcPattern* pattern) { return {pattern, &FcPatternDestroy}; }

const FcChar8* Chars(const char* text) { return reinterpret_cast<const FcChar8*>(text); }

// The user's language, which the configuration's rules may choose by.
void AddDefaultLanguage(FcPattern& pattern) {
  const Pattern defaults = NewPattern(FcPatternCreate());
  FcDefaultSubstitute(defaults.get());
  FcChar8* language = nullptr;
  if (FcPatternGetString(defaults.get(), FC_LANG, 0, &language) == FcResultMatch) {
    FcPatternAddString(&pattern, FC_LANG, language);
  }
}

// Whether a font is installed under `family` as its first name, the one Qt
// knows it by: a listing, which compares names only and costs far less than
// a match.
bool Installed(const std::string& family) {
  const Pattern pattern = NewPattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, Chars(family.c_str()));
  const std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> names(FcObjectSetBuild(FC_FAMILY, nullptr),
                                                                          &FcObjectSetDestroy);
  const std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(FcFontList(nullptr, pattern.get(), names.get()),
                                                                      &FcFontSetDestroy);
  for (int i = 0; fonts && i < fonts->nfont; ++i) {
    FcChar8* first = nullptr;
    if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &first) == FcResultMatch &&
        FcStrCmpIgnoreCase(first, Chars(family.c_str())) == 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::string InstalledFamily(std::string_view family, bool monospace) {
  const std::string name(family);
  if (Installed(name)) return name;
  // The pattern Qt sorts for the fallbacks of a family it lacks.
  const Pattern pattern = NewPattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, Chars(name.c_str()));
  FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
  AddDefaultLanguage(*pattern);
  if (monospace) {
    FcValue generic{.type = FcTypeString, .u = {.s = Chars("monospace")}};
    FcPatternAddWeak(pattern.get(), FC_FAMILY, generic, FcTrue);
  }
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());

  FcResult result = FcResultNoMatch;
  const Pattern match = NewPattern(FcFontMatch(nullptr, pattern.get(), &result));
  FcChar8* found = nullptr;
  if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &found) != FcResultMatch) return {};
  return reinterpret_cast<const char*>(found);
}

}  // namespace hexling
