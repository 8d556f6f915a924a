#include "engine/generation/variation.h"

#include "engine/generation/draws.h"
#include "engine/generation/run.h"

namespace momentart {

namespace {

constexpr VariationKindName kKinds[] = {
    {VariationKind::Centres, "centres"},
    {VariationKind::Colours, "colours"},
    {VariationKind::Formula, "formula"},
    {VariationKind::Zoom, "zoom"},
};

// An odd increment of its own, so a variation's stream is never one of the
// picture generator's streams.
constexpr std::uint64_t kVariationIncrement = 0x5851f42d4c957f2dULL;

}  // namespace

std::span<const VariationKindName> variationKinds() { return kKinds; }

std::string_view variationName(VariationKind kind) {
    for (const VariationKindName& known : kKinds)
        if (known.kind == kind) return known.name;
    return "none";
}

std::optional<VariationKind> variationKindNamed(std::string_view name) {
    for (const VariationKindName& known : kKinds)
        if (known.name == name) return known.kind;
    return std::nullopt;
}

std::string variationText(const Variation& variation) {
    return std::string(variationName(variation.kind)) + " " + std::to_string(variation.seed);
}

bool variationFree(const GenerationState& planned, VariationKind kind) {
    switch (kind) {
    case VariationKind::Formula:
        // The cross-mode pair is drawn even where the type fixes v1 and v2.
        return planned.forma != 2 || planned.kriz == 2;
    case VariationKind::Zoom:
        return planned.zum != 1;
    case VariationKind::Centres:
    case VariationKind::Colours:
        return true;
    case VariationKind::None:
        break;
    }
    return false;
}

Pcg32 variationGenerator(std::uint32_t timerSeed, std::uint32_t variationSeed) {
    Pcg32 rnd;
    rnd.restore((static_cast<std::uint64_t>(timerSeed) << 32) | variationSeed, kVariationIncrement);
    rnd.next();  // neighbouring seeds part ways after one step
    return rnd;
}

void redrawPart(GenerationState& s, RunPlan& run, VariationKind kind, Pcg32& rnd) {
    switch (kind) {
    case VariationKind::Colours:
        drawScheme(s, rnd);
        drawColouring(s, rnd);
        break;
    case VariationKind::Formula:
        drawFormula(s, rnd);
        run.v1run = s.v1;
        run.v2run = s.v2;
        run.v1alt = drawWhole(rnd, 15, 1);
        run.v2alt = drawWhole(rnd, 15, 1);
        break;
    case VariationKind::Zoom:
        drawZoom(s, rnd);
        s.osy = s.osx;
        break;
    case VariationKind::Centres:
    case VariationKind::None:
        break;
    }
}

}  // namespace momentart
