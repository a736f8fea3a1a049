// Registers the package's bitmaps with the host when the library loads.
#include <array>
#include <string>

#include "GlyphArt.h"
#include "PaletteArt.h"
#include "zelvant/Resources.h"

namespace zelvant {

namespace {

struct TEntry {
  std::string_view Name;
  void (*Make)(host::TBitmap&);
};

// Generators rather than stored pixels: the disabled halves are derived, never drawn twice.
constexpr TEntry kEntries[] = {
    {"HELP", [](host::TBitmap& b) { art::MakeGlyph(b, art::kHelp); }},
    {"ZELVANTOK", [](host::TBitmap& b) { art::MakeGlyph(b, art::kZelvantOk); }},
    {"FINISH", [](host::TBitmap& b) { art::MakeGlyph(b, art::kFinish); }},
    {"DIALOGOK", [](host::TBitmap& b) { art::MakeGlyph(b, art::kDialogOk); }},
    {"CHANGEZELVANT", [](host::TBitmap& b) { art::MakeGlyph(b, art::kChangeZelvant); }},
    {"CHANGEDIALOG", [](host::TBitmap& b) { art::MakeGlyph(b, art::kChangeDialog); }},
    {"CANCEL", [](host::TBitmap& b) { art::MakeGlyph(b, art::kCancel); }},
    {"ARROWL", [](host::TBitmap& b) { art::MakeGlyph(b, art::kArrowLeft); }},
    {"ARROWR", [](host::TBitmap& b) { art::MakeGlyph(b, art::kArrowRight); }},
    {"TZELVANT", [](host::TBitmap& b) { art::MakePicture(b, art::kZelvantPalette); }},
    {"TABOX", [](host::TBitmap& b) { art::MakePicture(b, art::kBoxPalette); }},
    {"TAFORM", [](host::TBitmap& b) { art::MakePicture(b, art::kFormPalette); }},
};

constexpr auto kNames = [] {
  std::array<std::string_view, std::size(kEntries)> names{};
  for (size_t i = 0; i < names.size(); ++i) names[i] = kEntries[i].Name;
  return names;
}();

struct TRegistrar {
  TRegistrar() {
    for (const TEntry& e : kEntries) host::RegisterBitmapResource(PackageModule(), std::string(e.Name), e.Make);
  }
} registrar;

}  // namespace

host::TModuleHandle PackageModule() {
  // Any object of this library has an address no other library shares.
  static const char anchor = 0;
  return &anchor;
}

std::span<const std::string_view> BitmapResourceNames() { return kNames; }

}  // namespace zelvant
