// The option lines of the help texts.
#include <gtest/gtest.h>

#include "platform/options.h"

namespace momentart {
namespace {

TEST(OptionsHelp, LongHelpWrapsUnderItsColumnKeepingEveryWordInOrder) {
    const QList<OptionInfo> table = {
        {"out", "PATH", "a single picture: write to the file PATH (.png or .bmp); a batch: write into "
                        "the folder PATH (created if missing). Default: the momentart folder of your "
                        "Pictures folder, under new names"},
        {"quiet", nullptr, "print nothing but errors"},
    };
    const QStringList lines = describeOptions(table).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("  --out PATH    "));
    EXPECT_EQ(lines.last(), QString("  --quiet").leftJustified(24) + " print nothing but errors");
    QStringList words;
    for (const QString& line : lines) {
        EXPECT_LE(line.size(), 80) << line.toStdString();
        words += line.mid(25).split(' ', Qt::SkipEmptyParts);
    }
    // The lines between the first and --quiet continue the help of --out.
    for (int n = 1; n + 1 < lines.size(); ++n)
        EXPECT_TRUE(lines[n].startsWith(QString(25, ' ')) && lines[n][25] != ' ')
            << lines[n].toStdString();
    EXPECT_EQ(words.join(' '), QString(table[0].help) + " " + table[1].help);
}

TEST(OptionsHelp, ANameTooLongForItsColumnPutsTheHelpOnTheNextLine) {
    // An option of 23 characters leaves two spaces before the help column;
    // one of 24 does not.
    const QList<OptionInfo> table = {
        {"fits-a-column", "VALUE", "help beside"},
        {"over-the-limit", "VALUE", "help below"},
    };
    const QStringList lines = describeOptions(table).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "  --fits-a-column VALUE  help beside");
    EXPECT_EQ(lines[1], "  --over-the-limit VALUE");
    EXPECT_EQ(lines[2], QString(25, ' ') + "help below");
}

}  // namespace
}  // namespace momentart
