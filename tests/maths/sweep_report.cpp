// The long sweep: maths_sweep_report N [SEED] compares every function with
// MPFR on N inputs per function (default 10,000,000) and prints, region by
// region, how many results were misrounded, by ours and by the C library's.
// Exit status 1 when one of ours was.
#include <cstdio>
#include <cstdlib>

#include "sweep.h"

int main(int argc, char** argv) {
    using namespace momentart::maths::sweep;
    const long perFunction = argc > 1 ? std::atol(argv[1]) : 10000000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    long inputs = 0, misrounded = 0;
    std::printf("%-5s %-45s %12s %10s %14s\n", "", "region", "inputs", "ours", "C library's");
    for (const Region& region : regions()) {
        const Count count = sweep(region, static_cast<long>(region.share * perFunction), seed);
        inputs += count.inputs;
        misrounded += count.misrounded;
        std::printf("%-5s %-45s %12ld %10ld %14ld %s\n", functionName(region.function), region.name, count.inputs,
                    count.misrounded, count.libraryMisrounded, count.firstMiss.c_str());
        std::fflush(stdout);
    }
    std::printf("%ld inputs, %ld misrounded\n", inputs, misrounded);
    return misrounded == 0 ? 0 : 1;
}
