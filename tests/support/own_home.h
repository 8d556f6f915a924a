// Every test process runs in a home of its own: a fresh folder in the
// temporary folder becomes HOME and the XDG folders, so no test reads or
// writes where a user's pictures, history or settings are, and tests
// running side by side never meet in a shared Pictures folder. The folder
// is removed when the process ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace momentart::testing {

class OwnHome {
public:
    OwnHome() {
        const char* temporary = std::getenv("TMPDIR");
        std::string pattern = std::string(temporary != nullptr && *temporary != '\0' ? temporary : "/tmp") +
                              "/momentart-test-home-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) return;
        folder_ = pattern;
        setenv("HOME", folder_.c_str(), 1);
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
            unsetenv(name);
        // Qt wants a runtime folder only its user can enter.
        const std::string runtime = folder_ + "/runtime";
        std::filesystem::create_directory(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    ~OwnHome() {
        std::error_code ignored;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
    }
    OwnHome(const OwnHome&) = delete;
    OwnHome& operator=(const OwnHome&) = delete;

    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
};

}  // namespace momentart::testing
