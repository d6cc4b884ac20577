// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG pictures (screen backgrounds, the pitch) decoded through libjpeg.
#pragma once

#include <string_view>

#include "util/bitmap.h"

namespace vm {

// Decodes a whole JPEG file image (baseline or progressive; greyscale, YCbCr
// or RGB) into an opaque bitmap. Anything libjpeg has to complain about — a
// damaged or truncated stream, an unsupported colour model, a picture larger
// than kMaxBitmapSide — throws FormatError; a half-decoded picture is never
// returned.
Bitmap decodeJpeg(std::string_view bytes);

}  // namespace vm
