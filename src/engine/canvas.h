// The picture the engine paints into: 24-bit colour pixels, 600 x 450 at the
// standard size or K times as wide and high for a scaled run, owned by the
// caller (the window, the renderer, a batch worker).
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

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
    // The standard size of a picture (scale 1).
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 450;

    // A black picture of the given size. Throws std::bad_alloc when the
    // memory cannot be had.
    explicit Canvas(int width = kWidth, int height = kHeight)
        : width_(width), height_(height),
          pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0) {}

    int width() const { return width_; }
    int height() const { return height_; }

    // Paints every pixel black (the background of every run).
    void clear() { pixels_.assign(pixels_.size(), 0); }

    // Sets one pixel; points outside the picture change nothing. The store
    // is atomic (relaxed, a plain store on common machines), so a picture
    // painted by several threads may be shown while it grows.
    void set(int column, int row, ColourNumber colour) {
        if (column >= 0 && column < width_ && row >= 0 && row < height_)
            std::atomic_ref(pixels_[static_cast<std::size_t>(row) * width_ + column])
                .store(colour, std::memory_order_relaxed);
    }

    ColourNumber at(int column, int row) const {
        return pixels_[static_cast<std::size_t>(row) * width_ + column];
    }

    // A pixel read while other threads may be painting: the colour before
    // or after their store, never a mixture.
    ColourNumber atWhilePainted(int column, int row) const {
        auto& pixel = const_cast<ColourNumber&>(pixels_[static_cast<std::size_t>(row) * width_ + column]);
        return std::atomic_ref(pixel).load(std::memory_order_relaxed);
    }

    // Row-major pixels, row 0 first.
    const ColourNumber* data() const { return pixels_.data(); }
    ColourNumber* data() { return pixels_.data(); }

    bool operator==(const Canvas&) const = default;

private:
    int width_;
    int height_;
    std::vector<ColourNumber> pixels_;
};

}  // namespace momentart
