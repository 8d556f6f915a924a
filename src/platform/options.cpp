#include "platform/options.h"

#include <QTextStream>
#include <cmath>

namespace momentart {

namespace {
const OptionInfo* find(const QList<OptionInfo>& table, const QString& name) {
    for (const OptionInfo& option : table)
        if (name == QLatin1String(option.name)) return &option;
    return nullptr;
}
}  // namespace

ParsedOptions parseOptions(const QStringList& arguments, const QList<OptionInfo>& table,
                           bool takesOperands) {
    ParsedOptions parsed;
    for (int n = 0; n < arguments.size(); ++n) {
        const QString& argument = arguments[n];
        if (!argument.startsWith("--") && takesOperands) {
            parsed.operands << argument;
            continue;
        }
        if (!argument.startsWith("--")) {
            parsed.error = "unexpected argument '" + argument + "'";
            return parsed;
        }
        QString name = argument.mid(2);
        std::optional<QString> inlineValue;
        if (const qsizetype equals = name.indexOf('='); equals >= 0) {
            inlineValue = name.mid(equals + 1);
            name = name.left(equals);
        }
        const OptionInfo* option = find(table, name);
        if (option == nullptr) {
            parsed.error = "unknown option --" + name;
            return parsed;
        }
        if (parsed.values.contains(name)) {
            parsed.error = "option --" + name + " is given twice";
            return parsed;
        }
        if (option->valueName == nullptr) {
            if (inlineValue) {
                parsed.error = "option --" + name + " takes no value";
                return parsed;
            }
            parsed.values.insert(name, QString());
        } else if (inlineValue) {
            parsed.values.insert(name, *inlineValue);
        } else if (n + 1 < arguments.size()) {
            parsed.values.insert(name, arguments[++n]);
        } else {
            parsed.error = "option --" + name + " needs a value (" + option->valueName + ")";
            return parsed;
        }
    }
    return parsed;
}

std::optional<int> parseCommandOptions(const char* command, const QStringList& arguments,
                                       const QList<OptionInfo>& table, const QString& help,
                                       QTextStream& out, QTextStream& err, ParsedOptions& options,
                                       bool takesOperands) {
    options = parseOptions(arguments, table, takesOperands);
    if (!options.error.isEmpty()) {
        err << "momentart " << command << ": " << options.error << " (see momentart " << command
            << " --help)\n";
        return 2;
    }
    if (options.has("help")) {
        out << help;
        return 0;
    }
    return std::nullopt;
}

QString describeEntries(const QList<QPair<QString, QString>>& entries) {
    // The help of an entry starts in column 26 and wraps at the width of a
    // terminal; a long name pushes it onto its own line.
    constexpr int kHelpColumn = 25;
    constexpr int kWidth = 80;
    QString text;
    for (const auto& [name, help] : entries) {
        const QString left = "  " + name;
        // At least two spaces part an entry from its help.
        QString line = left.leftJustified(kHelpColumn - 1);
        if (left.size() >= kHelpColumn - 1) {
            text += left + "\n";
            line = QString(kHelpColumn - 1, ' ');
        }
        bool first = true;
        for (const QString& word : help.split(' ', Qt::SkipEmptyParts)) {
            if (!first && line.size() + 1 + word.size() > kWidth) {
                text += line + "\n";
                line = QString(kHelpColumn, ' ') + word;
            } else {
                line += " " + word;
            }
            first = false;
        }
        text += line + "\n";
    }
    return text;
}

QString describeOptions(const QList<OptionInfo>& table) {
    QList<QPair<QString, QString>> entries;
    for (const OptionInfo& option : table) {
        QString name = QString("--") + option.name;
        if (option.valueName != nullptr) name += QString(" ") + option.valueName;
        entries.append({name, option.help});
    }
    return describeEntries(entries);
}

std::optional<unsigned long long> parseWhole(const QString& text, unsigned long long low,
                                             unsigned long long high) {
    if (text.isEmpty() || text.size() > 20) return std::nullopt;
    for (QChar c : text)
        if (c < '0' || c > '9') return std::nullopt;
    bool ok = false;
    const unsigned long long value = text.toULongLong(&ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}

WholeOption wholeOption(const ParsedOptions& options, const QString& name, unsigned long long low,
                        unsigned long long high, unsigned long long fallback) {
    if (!options.has(name)) return {fallback, {}};
    if (const auto value = parseWhole(options.value(name), low, high)) return {*value, {}};
    return {0, QString("--%1 must be a whole number from %2 to %3, not '%4'")
                   .arg(name)
                   .arg(low)
                   .arg(high)
                   .arg(options.value(name))};
}

QString readPace(const ParsedOptions& options, double& pace) {
    if (!options.has("pace")) return {};
    const QString text = options.value("pace").trimmed();
    bool ok = false;
    const double seconds = text.toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds < 0)
        return "--pace must be a number of seconds, 0 or more, not '" + options.value("pace") + "'";
    pace = seconds;
    return {};
}

}  // namespace momentart
