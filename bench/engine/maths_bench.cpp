// Each correctly rounded function against the C library's, on arguments
// like the formulas': 4096 calls an iteration.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <random>

#include "maths/correctly_rounded.h"

namespace momentart {
namespace {

using Function = double (*)(double);

// The C library's pow with the exponents the formulas use most: 3 and 1/3.
double libraryCube(double x) { return std::pow(x, 3.0); }
double libraryCubeRoot(double x) { return std::pow(x, 1.0 / 3); }
double roundedCube(double x) { return maths::pow(x, 3.0); }
double roundedCubeRoot(double x) { return maths::pow(x, 1.0 / 3); }

struct Pair {
    Function library, rounded;
    double low, high;  // the arguments' range
};
// sin, cos, tan, atan, log, x^3, x^(1/3): the names bench_main.cpp gives them.
const Pair kPairs[] = {
    {std::sin, maths::sin, -100, 100},       {std::cos, maths::cos, -100, 100},
    {std::tan, maths::tan, -100, 100},       {std::atan, maths::atan, -50, 50},
    {std::log, maths::log, 1e-3, 1e3},       {libraryCube, roundedCube, -100, 100},
    {libraryCubeRoot, roundedCubeRoot, 1e-3, 1e3},
};

void MathsFunction(benchmark::State& state) {
    const Pair& pair = kPairs[state.range(0)];
    const Function f = state.range(1) == 1 ? pair.rounded : pair.library;
    std::array<double, 4096> arguments;
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> uniform(pair.low, pair.high);
    for (double& v : arguments) v = uniform(random);
    for (auto _ : state)
        for (double v : arguments) benchmark::DoNotOptimize(f(v));
}
BENCHMARK(MathsFunction)->ArgNames({"function", "rounded"})->ArgsProduct({{0, 1, 2, 3, 4, 5, 6}, {1, 0}});

}  // namespace
}  // namespace momentart
