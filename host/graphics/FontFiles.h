// Internal: the font files fontconfig finds for a font, and the files that supply the
// characters a face lacks.
#pragma once

#include <optional>
#include <string>

#include "host/graphics/FontEngine.h"

namespace host::fontengine {

struct TFaceFile {
  std::string Path;
  int Index = 0;
  bool Bold = false;    // the file itself is bold
  bool Italic = false;  // the file itself is slanted
};

// The file that shows a font; nothing when fontconfig finds none. Classic font names map
// to the DejaVu families so that the metrics are the same on every machine that has them.
std::optional<TFaceFile> FindFaceFile(const TFaceKey& key);

// The file to take a character from that the font's own file lacks: among the scalable,
// single-colour fonts fontconfig ranks for the font, the best one that has it.
std::optional<TFaceFile> FallbackFileFor(const TFaceKey& key, char32_t cp);

}  // namespace host::fontengine
