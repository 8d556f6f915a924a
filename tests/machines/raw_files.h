// Whole files in and out through the C library's streams: WebAssembly's
// libc++ has no file streams.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace momentart::machines {

inline bool writeFile(const std::string& path, const void* bytes, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool written = file != nullptr && std::fwrite(bytes, 1, size, file) == size;
    if (file != nullptr) written = std::fclose(file) == 0 && written;
    if (!written) std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return written;
}

inline std::optional<std::string> readFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return std::nullopt;
    std::string bytes;
    char chunk[1 << 16];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) bytes.append(chunk, got);
    const bool whole = !std::ferror(file);
    std::fclose(file);
    if (!whole) return std::nullopt;
    return bytes;
}

}  // namespace momentart::machines
