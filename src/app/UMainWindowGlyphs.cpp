#include "app/UMainWindowGlyphs.h"

#include "platform/Graphics.h"

#include <QString>

namespace {

constexpr const char* GlyphNames[] = {"", "Info", "Options", "Close", "New", "Open", "Parameters", "LoRaWAN", "Update"};

}  // namespace

// The resources live in the configurator library; a program that links it
// statically needs them registered before the first look-up.
static void EnsureGlyphResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(resources);
    return true;
  }();
  (void)registered;
}

void LoadMainWindowGlyph(TMainGlyph glyph, TBitmap& into) {
  into.SetSize(0, 0);
  if (glyph == TMainGlyph::None) return;
  EnsureGlyphResources();
  into.LoadFromFile(":/glyphs/" + QString::fromLatin1(GlyphNames[static_cast<int>(glyph)]) + ".bmp");
}
