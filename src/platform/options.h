// A small command-line option parser: each command describes its options
// once, in a table that both the parser and the help text read.
#pragma once

#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace momentart {

struct OptionInfo {
    const char* name;       // without the leading dashes
    const char* valueName;  // nullptr for a flag
    const char* help;
};

struct ParsedOptions {
    QMap<QString, QString> values;  // option name -> value ("" for a flag)
    QString error;                  // one line naming the problem, if any
    QStringList operands;           // the arguments that are not options, in order

    bool has(const QString& name) const { return values.contains(name); }
    QString value(const QString& name) const { return values.value(name); }
};

// Parses `--name value`, `--name=value` and flags. Other arguments (files a
// command works on) are kept in `operands` where `takesOperands`, and are
// errors otherwise.
ParsedOptions parseOptions(const QStringList& arguments, const QList<OptionInfo>& table,
                           bool takesOperands = false);

// Parses the options of command `command`. An error is printed as one line
// on `err` and gives exit status 2; --help prints `help` on `out` and gives
// 0; otherwise there is no status and `options` holds what was given.
std::optional<int> parseCommandOptions(const char* command, const QStringList& arguments,
                                       const QList<OptionInfo>& table, const QString& help,
                                       QTextStream& out, QTextStream& err, ParsedOptions& options,
                                       bool takesOperands = false);

// The option lines of a help text.
QString describeOptions(const QList<OptionInfo>& table);

// Lines of a help text, each a name (an option, a key) and what it does,
// laid out as describeOptions lays out options.
QString describeEntries(const QList<QPair<QString, QString>>& entries);

// A whole number in [low, high], written in decimal digits only.
std::optional<unsigned long long> parseWhole(const QString& text, unsigned long long low,
                                             unsigned long long high);

// Option `name` read as a whole number in [low, high]: `fallback` when the
// option is not given; an error line naming the option and the range when
// its value is not such a number.
struct WholeOption {
    unsigned long long value = 0;
    QString error;
};
WholeOption wholeOption(const ParsedOptions& options, const QString& name, unsigned long long low,
                        unsigned long long high, unsigned long long fallback);

// --pace SECONDS, if given, into `pace`: an error line, or an empty string.
QString readPace(const ParsedOptions& options, double& pace);

}  // namespace momentart
