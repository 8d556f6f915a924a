#include "engine/run_maths.h"

#include <cmath>

#include "maths/correctly_rounded.h"

namespace momentart {

namespace {

constinit thread_local Maths tMaths = Maths::CorrectlyRounded;

bool library() { return tMaths == Maths::CLibrary; }

}  // namespace

std::string_view mathsName(Maths maths) {
    return maths == Maths::CLibrary ? "c-library" : "correctly-rounded";
}

MathsScope::MathsScope(Maths maths) : previous_(tMaths) { tMaths = maths; }
MathsScope::~MathsScope() { tMaths = previous_; }

namespace runmaths {

double sin(double v) { return library() ? std::sin(v) : maths::sin(v); }
double cos(double v) { return library() ? std::cos(v) : maths::cos(v); }
double tan(double v) { return library() ? std::tan(v) : maths::tan(v); }
double atan(double v) { return library() ? std::atan(v) : maths::atan(v); }
double log(double v) { return library() ? std::log(v) : maths::log(v); }
double pow(double base, double exponent) {
    return library() ? std::pow(base, exponent) : maths::pow(base, exponent);
}

}  // namespace runmaths

}  // namespace momentart
