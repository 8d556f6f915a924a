// What the engine does when asked for what it cannot do (a state no run can
// start from, its parts used against their promises): one line that says
// what, thrown as `Error` where the build has exceptions. WebAssembly's
// libc++ has none: there the same line goes to standard error and the
// program stops, so callers on such a build check first (unreachableField).
#pragma once

#include <string>

#if !defined(__cpp_exceptions)
#include <cstdio>
#include <cstdlib>
#endif

namespace momentart {

template <typename Error>
[[noreturn]] void fail(const std::string& what) {
#if defined(__cpp_exceptions)
    throw Error(what);
#else
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
#endif
}

}  // namespace momentart
