#include "maths/reference.h"

#include <mpfr.h>

#include <mutex>

namespace momentart::maths {

namespace {

// Debian's MPFR keeps its exponent range per thread; a build that does not
// shares one range, so its users take turns.
std::mutex gSharedRange;

// MPFR numbers of 53 bits in the exponent range of doubles while alive:
// rounding a result then gives a double's (subnormals included, with
// mpfr_subnormalize). The caller's range is restored at the end.
class DoubleRange {
public:
    DoubleRange() : lock_(gSharedRange, std::defer_lock) {
        if (!mpfr_buildopt_tls_p()) lock_.lock();
        emin_ = mpfr_get_emin();
        emax_ = mpfr_get_emax();
        // A double's exponents in MPFR's convention (significand in [1/2, 1)).
        mpfr_set_emin(-1073);
        mpfr_set_emax(1024);
    }
    ~DoubleRange() {
        mpfr_set_emin(emin_);
        mpfr_set_emax(emax_);
    }
    DoubleRange(const DoubleRange&) = delete;
    DoubleRange& operator=(const DoubleRange&) = delete;

private:
    std::unique_lock<std::mutex> lock_;
    mpfr_exp_t emin_ = 0, emax_ = 0;
};

// MPFR keeps constants such as pi per thread; they are given back when the
// thread ends.
struct ThreadCaches {
    ~ThreadCaches() { mpfr_free_cache2(MPFR_FREE_LOCAL_CACHE); }
};
thread_local ThreadCaches gThreadCaches;

int evaluate(Function f, mpfr_ptr result, mpfr_srcptr x, mpfr_srcptr y) {
    switch (f) {
        case Function::Sin: return mpfr_sin(result, x, MPFR_RNDN);
        case Function::Cos: return mpfr_cos(result, x, MPFR_RNDN);
        case Function::Tan: return mpfr_tan(result, x, MPFR_RNDN);
        case Function::Atan: return mpfr_atan(result, x, MPFR_RNDN);
        case Function::Log: return mpfr_log(result, x, MPFR_RNDN);
        case Function::Pow: return mpfr_pow(result, x, y, MPFR_RNDN);
    }
    return mpfr_set_nan(result), 0;
}

}  // namespace

double reference(Function f, double x, double y) {
    static_cast<void>(&gThreadCaches);  // so that this thread's caches are given back
    const DoubleRange range;
    mpfr_t a, b, result;
    mpfr_inits2(53, a, b, result, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_d(a, x, MPFR_RNDN);  // exact: both have 53 bits
    mpfr_set_d(b, y, MPFR_RNDN);
    const int inexact = evaluate(f, result, a, b);
    mpfr_subnormalize(result, inexact, MPFR_RNDN);
    const double value = mpfr_get_d(result, MPFR_RNDN);  // exact now
    mpfr_clears(a, b, result, static_cast<mpfr_ptr>(nullptr));
    return value;
}

}  // namespace momentart::maths
