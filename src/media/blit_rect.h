#pragma once
// The rectangle every block transfer is described by: where it lies on the
// destination, its size, and where its content lies in the source. Sixteen-bit
// fields, as the stored geometry and the callers' arithmetic expect.

#include <cstdint>

struct BlitRect {
    int16_t x = 0;
    int16_t y = 0;
    int16_t width = 0;
    int16_t height = 0;
    int16_t source_x = 0;
    int16_t source_y = 0;

    friend bool operator==(const BlitRect&, const BlitRect&) = default;
};
