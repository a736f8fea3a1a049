// Bitmap resources: PNG bytes or generator functions registered by module and name.
#include <map>
#include <utility>

#include "host/graphics/Graphics.h"

namespace host {

namespace {

struct TResource {
  const std::uint8_t* Png = nullptr;
  size_t Size = 0;
  void (*Make)(TBitmap&) = nullptr;
};

// Keyed by module, then upper-case name; resources register from static initialisers,
// so the registry is built on first use.
std::map<std::pair<TModuleHandle, std::string>, TResource>& Registry() {
  static std::map<std::pair<TModuleHandle, std::string>, TResource> registry;
  return registry;
}

}  // namespace

void RegisterBitmapResource(TModuleHandle module, const std::string& name, const std::uint8_t* png, size_t size) {
  Registry()[{module, UpperCase(name)}] = TResource{png, size, nullptr};
}

void RegisterBitmapResource(TModuleHandle module, const std::string& name, void (*make)(TBitmap&)) {
  Registry()[{module, UpperCase(name)}] = TResource{nullptr, 0, make};
}

std::unique_ptr<TBitmap> LoadBitmap(TModuleHandle module, const std::string& name) {
  const std::string key = UpperCase(name);
  const TResource* found = nullptr;
  for (const auto& [id, res] : Registry()) {
    if (id.second == key && (!module || id.first == module)) {
      found = &res;
      break;
    }
  }
  if (!found) return nullptr;
  auto bitmap = std::make_unique<TBitmap>();
  if (found->Make)
    found->Make(*bitmap);
  else
    bitmap->LoadFromPngBytes(found->Png, found->Size);
  return bitmap;
}

}  // namespace host
