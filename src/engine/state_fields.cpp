#include "engine/state_fields.h"

#include <array>
#include <cstring>

namespace momentart {

namespace {

// The name is the member's own name, so the two cannot disagree.
#define MOMENTART_FIELD(member) NumberField{#member, &GenerationState::member}

constexpr std::array kNumberFields = {
    MOMENTART_FIELD(izbors), MOMENTART_FIELD(izbor), MOMENTART_FIELD(sir), MOMENTART_FIELD(vis),
    MOMENTART_FIELD(sir0), MOMENTART_FIELD(vis0), MOMENTART_FIELD(zamikx), MOMENTART_FIELD(zamiky),
    MOMENTART_FIELD(osx), MOMENTART_FIELD(osy), MOMENTART_FIELD(zum), MOMENTART_FIELD(change),
    MOMENTART_FIELD(vsehbarv), MOMENTART_FIELD(ib), MOMENTART_FIELD(v1), MOMENTART_FIELD(v2),
    MOMENTART_FIELD(forma), MOMENTART_FIELD(barve), MOMENTART_FIELD(tip),
    MOMENTART_FIELD(barvanje), MOMENTART_FIELD(nac), MOMENTART_FIELD(nacin),
    MOMENTART_FIELD(negat), MOMENTART_FIELD(negativ), MOMENTART_FIELD(kriz), MOMENTART_FIELD(krgb),
    MOMENTART_FIELD(typ), MOMENTART_FIELD(i), MOMENTART_FIELD(j), MOMENTART_FIELD(x),
    MOMENTART_FIELD(y), MOMENTART_FIELD(dx3), MOMENTART_FIELD(dx4), MOMENTART_FIELD(dx5),
    MOMENTART_FIELD(dx6), MOMENTART_FIELD(dx7), MOMENTART_FIELD(dx8), MOMENTART_FIELD(dy3),
    MOMENTART_FIELD(dy4), MOMENTART_FIELD(dy5), MOMENTART_FIELD(dy6), MOMENTART_FIELD(dy7),
    MOMENTART_FIELD(dy8), MOMENTART_FIELD(r3), MOMENTART_FIELD(r4), MOMENTART_FIELD(r5),
    MOMENTART_FIELD(r6), MOMENTART_FIELD(r7), MOMENTART_FIELD(r8), MOMENTART_FIELD(fi3),
    MOMENTART_FIELD(fi4), MOMENTART_FIELD(fi5), MOMENTART_FIELD(fi6), MOMENTART_FIELD(fi7),
    MOMENTART_FIELD(fi8), MOMENTART_FIELD(rmin), MOMENTART_FIELD(rmax), MOMENTART_FIELD(ob34),
    MOMENTART_FIELD(ob35), MOMENTART_FIELD(ob36), MOMENTART_FIELD(ob37), MOMENTART_FIELD(ob38),
    MOMENTART_FIELD(ob45), MOMENTART_FIELD(ob46), MOMENTART_FIELD(ob47), MOMENTART_FIELD(ob48),
    MOMENTART_FIELD(ob56), MOMENTART_FIELD(ob57), MOMENTART_FIELD(ob58), MOMENTART_FIELD(ob67),
    MOMENTART_FIELD(ob68), MOMENTART_FIELD(ob78), MOMENTART_FIELD(i0), MOMENTART_FIELD(j0),
    MOMENTART_FIELD(ba), MOMENTART_FIELD(izraz), MOMENTART_FIELD(re), MOMENTART_FIELD(gr),
    MOMENTART_FIELD(bl), MOMENTART_FIELD(res), MOMENTART_FIELD(grs), MOMENTART_FIELD(bls),
    MOMENTART_FIELD(ree), MOMENTART_FIELD(grr), MOMENTART_FIELD(bll), MOMENTART_FIELD(k),
    MOMENTART_FIELD(bb), MOMENTART_FIELD(rr), MOMENTART_FIELD(max), MOMENTART_FIELD(f),
    MOMENTART_FIELD(k1), MOMENTART_FIELD(k2), MOMENTART_FIELD(k3), MOMENTART_FIELD(ba2),
    MOMENTART_FIELD(ba3), MOMENTART_FIELD(ba1), MOMENTART_FIELD(f1), MOMENTART_FIELD(f2),
    MOMENTART_FIELD(f3), MOMENTART_FIELD(fba2), MOMENTART_FIELD(nb3), MOMENTART_FIELD(frgb02),
    MOMENTART_FIELD(frgb03), MOMENTART_FIELD(f06), MOMENTART_FIELD(f09), MOMENTART_FIELD(remin),
    MOMENTART_FIELD(grmin), MOMENTART_FIELD(blmin), MOMENTART_FIELD(remax), MOMENTART_FIELD(grmax),
    MOMENTART_FIELD(blmax), MOMENTART_FIELD(bamax), MOMENTART_FIELD(fre), MOMENTART_FIELD(fgr),
    MOMENTART_FIELD(fbl), MOMENTART_FIELD(m1), MOMENTART_FIELD(m2), MOMENTART_FIELD(re0),
    MOMENTART_FIELD(gr0), MOMENTART_FIELD(bl0), MOMENTART_FIELD(baza), MOMENTART_FIELD(dre),
    MOMENTART_FIELD(dgr), MOMENTART_FIELD(dbl),
};

#undef MOMENTART_FIELD

}  // namespace

std::span<const NumberField> numberFields() { return kNumberFields; }

bool sameNumbersAndGenerator(const GenerationState& a, const GenerationState& b) {
    if (!(a.rnd == b.rnd)) return false;
    // Bit for bit: -0 and 0 differ, and either may change a later result.
    for (const NumberField& field : kNumberFields)
        if (std::memcmp(&(a.*field.member), &(b.*field.member), sizeof(double)) != 0) return false;
    return true;
}

const NumberField* findNumberField(std::string_view name) {
    for (const NumberField& field : kNumberFields)
        if (field.name == name) return &field;
    return nullptr;
}

}  // namespace momentart
