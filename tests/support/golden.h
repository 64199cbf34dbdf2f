// Exact PNG goldens: a whole picture compared pixel for pixel with a reviewed PNG kept in
// tests/goldens. On a difference the actual picture and a difference picture (differing pixels
// in a colour outside the palette) are written into the build tree and their paths printed.
// Goldens change only through the update target (LUNKARO_UPDATE_GOLDENS=1), never in CI.
#pragma once

#include <string>

#include "platform/surface.h"

// Reads an 8-bit RGB or RGBA PNG; false when the file is missing or not such a PNG.
bool read_png(const std::string& path, gdi::Surface& surface);

// Compares the surface with tests/goldens/NAME.png; an empty result means equal, otherwise it
// says what differs and where the pictures were written.
std::string compare_with_golden(const gdi::Surface& surface, const std::string& name);
