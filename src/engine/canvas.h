// The picture the engine paints into: 600 x 450 pixels of 24-bit colour,
// owned by the caller (the window, the renderer, a batch worker).
#pragma once

#include <array>
#include <cstdint>

namespace momentart {

// A colour number red + 256 * green + 65536 * blue.
using ColourNumber = std::uint32_t;

inline constexpr ColourNumber colourOf(int red, int green, int blue) {
    return static_cast<ColourNumber>(red) | (static_cast<ColourNumber>(green) << 8) |
           (static_cast<ColourNumber>(blue) << 16);
}
inline constexpr int redOf(ColourNumber c) { return static_cast<int>(c & 0xFF); }
inline constexpr int greenOf(ColourNumber c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int blueOf(ColourNumber c) { return static_cast<int>((c >> 16) & 0xFF); }

class Canvas {
public:
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 450;

    Canvas() { clear(); }

    // Paints every pixel black (the background of every run).
    void clear() { pixels_.fill(0); }

    // Sets one pixel; points outside the picture change nothing.
    void set(int column, int row, ColourNumber colour) {
        if (column >= 0 && column < kWidth && row >= 0 && row < kHeight)
            pixels_[static_cast<std::size_t>(row) * kWidth + column] = colour;
    }

    ColourNumber at(int column, int row) const {
        return pixels_[static_cast<std::size_t>(row) * kWidth + column];
    }

    // Row-major pixels, row 0 first.
    const ColourNumber* data() const { return pixels_.data(); }
    ColourNumber* data() { return pixels_.data(); }

    bool operator==(const Canvas&) const = default;

private:
    std::array<ColourNumber, static_cast<std::size_t>(kWidth) * kHeight> pixels_{};
};

}  // namespace momentart
