// The maths of a run: which sin, cos, tan, atan, log and pow its formulas,
// colouring and angles use. Every new picture uses the correctly rounded
// functions (maths/correctly_rounded.h), the same on every machine; a
// picture whose recipe was saved before them is made again with the C
// library's, as it was made then.
#pragma once

#include <string_view>

namespace momentart {

// Which maths a picture is made with.
enum class Maths {
    CLibrary,          // the C library's functions: recipes without a maths key
    CorrectlyRounded,  // correctly rounded to the nearest double: every new picture
};

// The maths' name in a recipe ("c-library", "correctly-rounded").
std::string_view mathsName(Maths maths);

// The calling thread's maths is `maths` while this lives: a pixel's visit,
// the settling of a run. Outside any, it is the correctly rounded maths.
class MathsScope {
public:
    explicit MathsScope(Maths maths);
    ~MathsScope();
    MathsScope(const MathsScope&) = delete;
    MathsScope& operator=(const MathsScope&) = delete;

private:
    Maths previous_;
};

// The functions of the calling thread's maths. Out of line, so that no
// compiler folds a call of known arguments (pow(x, 2.0) into x * x, which is
// not every C library's pow).
namespace runmaths {
double sin(double v);
double cos(double v);
double tan(double v);
double atan(double v);
double log(double v);
double pow(double base, double exponent);
}  // namespace runmaths

}  // namespace momentart
