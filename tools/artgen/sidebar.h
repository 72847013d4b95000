// The wizards' side picture: 200 x 340, 256 colours.
#pragma once

#include "image.h"

namespace artgen {

// Palette entries 0 to 3 are exactly black, dark grey (128), light grey (192)
// and white, used only where the picture should follow the system's button
// colours (text, shadow, face, highlight) when it is loaded with colour mapping.
IndexedImage makeSidebar();

}  // namespace artgen
