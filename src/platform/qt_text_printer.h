// Prints the stamp's text into a canvas with Qt's font engine.
#pragma once

#include "engine/host.h"

namespace momentart {

class QtTextPrinter final : public TextPrinter {
public:
    void print(Canvas& canvas, std::span<const TextLine> lines, int points,
               ColourNumber colour) override;
};

}  // namespace momentart
