// Another C library's maths, as a test preloads it into the program: the C
// library's sin, cos, tan, atan, log, exp, atan2 and pow, each result moved
// one unit in the last place up. Pictures of the C library's maths change
// under it; correctly rounded ones must not.
#include <dlfcn.h>

// (<cmath> is left out: it declares the functions defined here.)
extern "C" double nextafter(double from, double to) noexcept;

static double moved(double v) { return __builtin_isfinite(v) ? nextafter(v, __builtin_huge_val()) : v; }

#define PERTURBED(name, parameters, arguments)                                             \
    extern "C" double name parameters {                                                    \
        static const auto real = reinterpret_cast<double(*) parameters>(dlsym(RTLD_NEXT, #name)); \
        return moved(real arguments);                                                      \
    }
PERTURBED(sin, (double x), (x))
PERTURBED(cos, (double x), (x))
PERTURBED(tan, (double x), (x))
PERTURBED(atan, (double x), (x))
PERTURBED(log, (double x), (x))
PERTURBED(exp, (double x), (x))
PERTURBED(atan2, (double y, double x), (y, x))
PERTURBED(pow, (double x, double y), (x, y))

extern "C" void sincos(double x, double* s, double* c) {
    *s = sin(x);
    *c = cos(x);
}
