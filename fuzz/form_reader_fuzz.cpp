// libFuzzer target: any bytes given to the form reader either load a form or raise
// the host's read error; nothing may crash, hang, leak or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/streaming/Filer.h"
#include "zelvant/Package.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  zelvant::PackageDescription();
  std::string_view text(reinterpret_cast<const char*>(data), size);
  host::TReadOptions options;
  options.FallbackRootClass = host::FindClass("TForm");
  if (!options.FallbackRootClass) options.FallbackRootClass = &host::TComponent::StaticClassInfo();
  options.KeepUnboundEvents = true;
  try {
    host::TComponent* root = host::ReadForm(text, nullptr, options);
    std::string written = host::WriteForm(root);
    delete root;
    // What the writer produced must read back.
    delete host::ReadForm(written, nullptr, options);
  } catch (const host::EReadError&) {
  }
  return 0;
}
