#include "maths/correctly_rounded.h"

#include <atomic>
#include <cmath>

#include "maths/correctly_rounded_atan.h"
#include "maths/correctly_rounded_pow.h"
#include "maths/quick_powers.h"
#include "maths/reference.h"

// LLVM's C library, whose sin, cos, tan and log are correctly rounded,
// linked under names of our own (the build renames its members'
// symbols), so that the process's own sin and log stay the system's.
extern "C" {
double momentart_llvmlibc_sin(double);
double momentart_llvmlibc_cos(double);
double momentart_llvmlibc_tan(double);
double momentart_llvmlibc_log(double);
}

namespace momentart::maths {

namespace {

std::atomic<bool> gReferenceOnly{false};

// Debian's build of those members uses AVX and fused multiply-adds; a
// processor without them gets the reference, slowly but with the same
// results.
bool processorRunsFastPath() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool runs = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") && __builtin_cpu_supports("fma");
    }();
    return runs;
#else
    return true;
#endif
}

bool referenceOnly() { return gReferenceOnly.load(std::memory_order_relaxed); }
bool fast() { return processorRunsFastPath() && !referenceOnly(); }

}  // namespace

void useReferenceOnly(bool on) { gReferenceOnly.store(on); }

double sin(double x) { return fast() ? momentart_llvmlibc_sin(x) : reference(Function::Sin, x); }
double cos(double x) { return fast() ? momentart_llvmlibc_cos(x) : reference(Function::Cos, x); }
double tan(double x) { return fast() ? momentart_llvmlibc_tan(x) : reference(Function::Tan, x); }
double atan(double x) { return fast() ? correctlyRoundedAtan(x) : reference(Function::Atan, x); }
double log(double x) { return fast() ? momentart_llvmlibc_log(x) : reference(Function::Log, x); }
// Plain double arithmetic but for the formulas' cubes and cube roots: every
// processor runs it.
double pow(double x, double y) {
    if (referenceOnly()) return reference(Function::Pow, x, y);
    if ((y == 3 || y == kNearestThird) && processorRunsFastPath())
        if (const double power = y == 3 ? cube(x) : nearestThirdPower(x); !std::isnan(power)) return power;
    return correctlyRoundedPow(x, y);
}

}  // namespace momentart::maths
