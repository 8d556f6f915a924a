// Every picture must come out bit for bit the same from every build: each
// operation rounded on its own, in double precision, as written. These
// checks refuse builds that would break that (the build also passes
// -ffp-contract=off, which no macro reports).
#pragma once

#include <cfloat>

#ifdef __FAST_MATH__
#error "momentart's engine must not be built with -ffast-math: it reorders and fuses arithmetic, and pictures would change"
#endif

static_assert(FLT_EVAL_METHOD == 0,
              "momentart's engine needs every double operation rounded to double (FLT_EVAL_METHOD 0, "
              "e.g. SSE2 rather than x87 arithmetic); otherwise pictures depend on the build");
