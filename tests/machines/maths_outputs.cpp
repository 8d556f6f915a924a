// The maths' results on a fixed set of inputs, to hold another machine's
// build to this one's bit for bit (this one's are held to MPFR by the
// maths tests).
//
//   maths_outputs make FILE               every result's 64 bits, in order
//   maths_outputs compare EXPECTED ACTUAL  the count of differing results of
//                                         each function
//
// The inputs: doubles of every bit pattern (huge, tiny, subnormal, infinite,
// NaN) and doubles of the sizes the formulas give. A NaN equals any NaN: its
// sign and payload are the processor's, and no picture reads them.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "maths/correctly_rounded.h"
#include "raw_files.h"

namespace {

constexpr int kInputs = 20000;  // a function
const char* const kFunctions[] = {"sin", "cos", "tan", "atan", "log", "pow"};
constexpr int kFunctionCount = 6;

// SplitMix64: a fixed sequence, the same on every machine.
struct Inputs {
    std::uint64_t state = 0x6d6f6d656e74ULL;

    std::uint64_t next() {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    double anyBits() {
        const std::uint64_t bits = next();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        return x;
    }
    // A double of magnitude below 2^e with a random sign, e in [-8, 30).
    double sized() {
        const std::uint64_t bits = next();
        const double unit = static_cast<double>(bits >> 11) * 0x1p-53;
        const int e = static_cast<int>(next() % 38) - 8;
        return (bits & 1 ? -1 : 1) * std::ldexp(unit, e);
    }
};

double evaluate(int function, double x, double y) {
    namespace m = momentart::maths;
    switch (function) {
        case 0: return m::sin(x);
        case 1: return m::cos(x);
        case 2: return m::tan(x);
        case 3: return m::atan(x);
        case 4: return m::log(x);
        default: return m::pow(x, y);
    }
}

std::vector<std::uint64_t> results() {
    std::vector<std::uint64_t> out;
    Inputs inputs;
    for (int function = 0; function < kFunctionCount; ++function)
        for (int n = 0; n < kInputs; ++n) {
            double x = n % 2 ? inputs.anyBits() : inputs.sized();
            double y = n % 2 ? inputs.anyBits() : inputs.sized() / 64;
            if (function == 4 && n % 2 == 0) x = std::fabs(x);
            // The powers the formulas take most: cubes and cube roots.
            if (function == 5 && n % 4 == 0) y = n % 8 ? 3.0 : 1.0 / 3.0;
            const double result = evaluate(function, x, y);
            std::uint64_t bits;
            std::memcpy(&bits, &result, sizeof bits);
            out.push_back(bits);
        }
    return out;
}

bool isNan(std::uint64_t bits) { return (bits & 0x7fffffffffffffffULL) > 0x7ff0000000000000ULL; }

std::vector<std::uint64_t> readResults(const char* path) {
    const std::optional<std::string> bytes = momentart::machines::readFile(path);
    std::vector<std::uint64_t> words(bytes ? bytes->size() / 8 : 0);
    if (bytes) std::memcpy(words.data(), bytes->data(), words.size() * 8);
    return words;
}

int compare(const char* expected, const char* actual) {
    const std::vector<std::uint64_t> want = readResults(expected), got = readResults(actual);
    const std::size_t size = std::size_t{kInputs} * kFunctionCount;
    if (want.size() != size || got.size() != size) {
        std::printf("maths_outputs: %s or %s does not hold %zu results\n", expected, actual, size);
        return 1;
    }
    int differing = 0;
    for (int function = 0; function < kFunctionCount; ++function) {
        int count = 0;
        for (int n = function * kInputs; n < (function + 1) * kInputs; ++n)
            count += want[n] != got[n] && !(isNan(want[n]) && isNan(got[n]));
        std::printf("%s: %d of %d results differ\n", kFunctions[function], count, kInputs);
        differing += count;
    }
    return differing == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "make" && argc == 3) {
        const std::vector<std::uint64_t> out = results();
        return momentart::machines::writeFile(argv[2], out.data(), out.size() * 8) ? 0 : 1;
    }
    if (command == "compare" && argc == 4) return compare(argv[2], argv[3]);
    std::fprintf(stderr, "usage: maths_outputs make FILE | compare EXPECTED ACTUAL\n");
    return 2;
}
