// SPDX-License-Identifier: MIT
// Twips to pixels, the one rounding every renderer uses, so that a control lands on the same
// pixel on each platform.
#pragma once

#include <algorithm>
#include <cstdint>

#include "ui/design/design.h"

namespace ui {

// At 96 dpi fifteen twips make a pixel.
inline constexpr int kDesignDpi = 1440 / kTwipsPerPixel;

struct PixelRect {
    int left;
    int top;
    int width;
    int height;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// To the nearest pixel at the given DPI, halves away from zero, as Windows' MulDiv rounds.
constexpr int Pixels(int twips, int dpi = kDesignDpi) {
    const std::int64_t scaled = std::int64_t{twips} * dpi;
    const std::int64_t rounded = ((scaled < 0 ? -scaled : scaled) + 720) / 1440;
    return static_cast<int>(scaled < 0 ? -rounded : rounded);
}

constexpr PixelRect Pixels(const TwipsRect& box, int dpi = kDesignDpi) {
    return {Pixels(box.left, dpi), Pixels(box.top, dpi), Pixels(box.width, dpi),
            Pixels(box.height, dpi)};
}

// The pixels a one-pixel line covers, both its ends included.
constexpr PixelRect LinePixels(const LineDesign& line, int dpi = kDesignDpi) {
    const int x1 = Pixels(line.from.x, dpi);
    const int y1 = Pixels(line.from.y, dpi);
    const int x2 = Pixels(line.to.x, dpi);
    const int y2 = Pixels(line.to.y, dpi);
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) - std::min(x1, x2) + 1,
            std::max(y1, y2) - std::min(y1, y2) + 1};
}

static_assert(Pixels(15) == 1 && Pixels(7) == 0 && Pixels(8) == 1 && Pixels(6855) == 457);
static_assert(Pixels(15, 144) == 2 && Pixels(5, 144) == 1 && Pixels(-8) == -1);

}  // namespace ui
