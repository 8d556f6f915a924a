// The manual page the build writes names every option that some --help
// names, and no option that none does (so its hand-written examples cannot
// go stale either), and gives every command a section.
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "cli_support.h"

namespace momentart {
namespace {

// `--long` and `-x` options standing as words of `text`.
QSet<QString> optionsIn(const QString& text) {
    static const QRegularExpression option(R"((?<![\w-])(--[a-z][a-z0-9-]*[a-z0-9]|-[A-Za-z])(?![\w-]))");
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : option.globalMatch(text)) found << match.captured(1);
    return found;
}

// The page as a reader sees its words: no font changes, escaped minus signs
// plain, comment lines left out.
QString pageText() {
    QFile file(MOMENTART_MANUAL_PAGE);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << MOMENTART_MANUAL_PAGE;
    QString text;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
        if (!line.startsWith(".\\\"")) text += line + "\n";
    return text.remove(QRegularExpression(R"(\\f[BIRP])")).replace("\\-", "-").replace("\\&", "");
}

TEST(ManualPage, NamesExactlyTheOptionsOfEveryHelpAndEveryCommand) {
    QTemporaryDir dir;
    const cli::Result main = cli::run({"--help"}, dir.path());
    ASSERT_EQ(main.status, 0);
    QSet<QString> helpOptions = optionsIn(main.out);
    const QString page = pageText();

    static const QRegularExpression commandLine(R"(^  ([a-z]+) )", QRegularExpression::MultilineOption);
    const QString commandList = main.out.section("commands:\n", 1).section("\n\n", 0, 0);
    int commands = 0;
    for (const QRegularExpressionMatch& match : commandLine.globalMatch(commandList)) {
        const QString command = match.captured(1);
        ++commands;
        const cli::Result help = cli::run({command, "--help"}, dir.path());
        ASSERT_EQ(help.status, 0) << command.toStdString();
        helpOptions += optionsIn(help.out);
        EXPECT_TRUE(page.contains(".SS \"momentart " + command + "\"")) << command.toStdString();
    }
    EXPECT_GE(commands, 2);
    EXPECT_TRUE(helpOptions.contains("--version") && helpOptions.contains("--no-stamp"));

    const QSet<QString> pageOptions = optionsIn(page);
    for (const QString& option : helpOptions)
        EXPECT_TRUE(pageOptions.contains(option)) << "the page lacks " << option.toStdString();
    for (const QString& option : pageOptions)
        EXPECT_TRUE(helpOptions.contains(option)) << "no --help has " << option.toStdString();
}

}  // namespace
}  // namespace momentart
