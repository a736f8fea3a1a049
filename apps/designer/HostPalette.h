// The host's own controls on the palette page "Standard".
#pragma once

namespace designer {

void RegisterHostPalette();

}  // namespace designer
