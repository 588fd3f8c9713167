// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours are given as the system writes them, blue-green-red (0x00BBGGRR); images hold
// red-green-blue with alpha (0xAARRGGBB). One conversion for every place that crosses over.
#include <cstdint>

namespace brv {

// The opaque image pixel of a blue-green-red colour; the top byte of `bgr` is ignored.
constexpr uint32_t OpaquePixelFromBgr(uint32_t bgr)
{
    return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}

} // namespace brv
