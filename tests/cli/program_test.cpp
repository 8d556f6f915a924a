// The program's own answers before any command: its version and its help.
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "cli_support.h"

namespace momentart {
namespace {

TEST(Program, VersionGoesToStdoutAsOneLineUnderEitherName) {
    QTemporaryDir dir;
    for (const char* option : {"--version", "-V"}) {
        const cli::Result result = cli::run({option}, dir.path());
        EXPECT_EQ(result.status, 0) << option;
        EXPECT_EQ(result.out, "momentart " MOMENTART_VERSION "\n") << option;
        EXPECT_TRUE(result.err.isEmpty()) << option << ": " << result.err.toStdString();
    }
}

TEST(Program, HelpNamesEveryCommandAndTheVersionOption) {
    QTemporaryDir dir;
    const cli::Result result = cli::run({"--help"}, dir.path());
    EXPECT_EQ(result.status, 0);
    for (const char* word : {"render", "sheet", "--version"})
        EXPECT_TRUE(result.out.contains(word)) << word;
}

}  // namespace
}  // namespace momentart
