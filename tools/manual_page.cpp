// Writes the manual page from the program's own help texts, the way help2man
// does, but for every command: the synopsis, the window's options and each
// command's options come from `--help` (which the option tables print), and
// the prose that no help text holds (exit status, files, examples) from a
// template. So the page names exactly the options the program takes.
//
//   momentart_manual_page PROGRAM TEMPLATE OUTPUT [KEY=VALUE...]
//
// The template's lines @SYNOPSIS@, @DESCRIPTION@ and @COMMANDS@ are replaced
// by what the help texts say, and each @KEY@ by its VALUE.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>
#include <cstdlib>
#include <functional>

namespace {

QTextStream err(stderr);

[[noreturn]] void fail(const QString& message) {
    err << "momentart_manual_page: " << message << "\n";
    err.flush();
    std::exit(1);
}

// What `PROGRAM arguments --help` prints.
QString helpOf(const QString& program, QStringList arguments) {
    arguments << "--help";
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        fail("'" + program + " " + arguments.join(' ') + "' failed: " +
             QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Text for roff: backslashes and minus signs escaped (so that options can be
// copied from the page), and no line taken for a request.
QString roff(const QString& text) {
    QString escaped = text;
    escaped.replace('\\', "\\e").replace('-', "\\-");
    if (escaped.startsWith('.') || escaped.startsWith('\'')) escaped.prepend("\\&");
    return escaped;
}

// A help text cut into its usage lines and its blocks (runs of lines between
// blank lines).
struct Help {
    QStringList usage;              // each without "usage: "
    QList<QStringList> blocks;      // the rest
};

Help parseHelp(const QString& text) {
    Help help;
    QStringList block;
    const QStringList lines = text.split('\n');
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty()) {
            if (!block.isEmpty()) help.blocks << block;
            block.clear();
        } else if (help.blocks.isEmpty() && block.isEmpty() && line.startsWith("usage: ")) {
            help.usage << line.mid(7);
        } else if (help.blocks.isEmpty() && block.isEmpty() && !help.usage.isEmpty() &&
                   line.startsWith(' ')) {
            help.usage << line.trimmed();
        } else {
            block << line;
        }
    }
    if (!block.isEmpty()) help.blocks << block;
    return help;
}

// The usage lines of a help as roff lines for a no-fill block, the words
// typed as they stand (the program's name and a command's name) in bold.
QString usageLines(const QStringList& usage) {
    QString text;
    for (const QString& line : usage) {
        QStringList words = line.split(' ');
        for (int n = 0; n < words.size(); ++n) {
            const bool literal = n == 0 || (n == 1 && !words[1].isEmpty() && words[1][0].isLower());
            words[n] = literal ? "\\fB" + roff(words[n]) + "\\fR" : roff(words[n]);
        }
        text += words.join(' ') + "\n";
    }
    return text;
}

// The term of a list entry: `--name VALUE` or a command's name.
QString term(const QString& entry) {
    const qsizetype space = entry.indexOf(' ');
    if (space < 0) return "\\fB" + roff(entry) + "\\fR";
    return "\\fB" + roff(entry.left(space)) + "\\fR \\fI" + roff(entry.mid(space + 1)) + "\\fR";
}

// The blocks of a help as roff: a line "name:" alone starts a heading
// (`heading` turns it into roff), a line indented by two spaces an entry of a
// list (its text continues on lines indented further), other lines make
// paragraphs. The entries under the heading `entriesHeading` are collected
// in `headedEntries`.
QString renderBlocks(const QList<QStringList>& blocks, const std::function<QString(const QString&)>& heading,
                     QStringList* headedEntries = nullptr, const QString& entriesHeading = {}) {
    static const QRegularExpression headingLine(R"(^(\S[^:]*):$)");
    static const QRegularExpression entryLine(R"(^  (\S+(?: \S+)?)(?: {2,}(\S.*))?$)");
    QString text;
    QString currentHeading;
    for (const QStringList& block : blocks) {
        QString paragraph;
        QString entryHelp;
        bool inEntry = false;
        const auto flush = [&] {
            if (!paragraph.isEmpty()) text += ".PP\n" + roff(paragraph) + "\n";
            if (inEntry && !entryHelp.isEmpty()) text += roff(entryHelp) + "\n";
            paragraph.clear();
            entryHelp.clear();
            inEntry = false;
        };
        const auto append = [](QString& to, const QString& words) {
            if (!to.isEmpty()) to += ' ';
            to += words.trimmed();
        };
        for (const QString& line : block) {
            QRegularExpressionMatch match;
            if ((match = headingLine.match(line)).hasMatch()) {
                flush();
                currentHeading = match.captured(1);
                text += heading(currentHeading);
            } else if ((match = entryLine.match(line)).hasMatch()) {
                flush();
                text += ".TP\n" + term(match.captured(1)) + "\n";
                inEntry = true;
                entryHelp = match.captured(2);
                if (headedEntries != nullptr && currentHeading == entriesHeading)
                    *headedEntries << match.captured(1);
            } else if (inEntry && line.startsWith("   ")) {
                append(entryHelp, line);
            } else {
                if (inEntry) flush();
                append(paragraph, line);
            }
        }
        flush();
    }
    return text;
}

QString capitalised(const QString& text) { return text.left(1).toUpper() + text.mid(1); }

QString readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) fail("cannot read " + path + ": " + file.errorString());
    return QString::fromUtf8(file.readAll());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() < 3) fail("usage: momentart_manual_page PROGRAM TEMPLATE OUTPUT [KEY=VALUE...]");
    const QString& program = arguments[0];

    // The program's own help: its usage, what it is, its commands and the
    // window's options.
    const Help main = parseHelp(helpOf(program, {}));
    QStringList commands;
    const QString description = renderBlocks(
        main.blocks, [](const QString& name) { return ".SS " + roff(capitalised(name)) + "\n"; },
        &commands, "commands");
    if (commands.isEmpty()) fail("'" + program + " --help' lists no commands");

    QString synopsis = usageLines(main.usage);
    QString details;
    for (const QString& command : commands) {
        const Help help = parseHelp(helpOf(program, {command}));
        if (help.usage.isEmpty()) fail("'" + program + " " + command + " --help' has no usage line");
        synopsis += usageLines(help.usage);
        details += ".SS \"momentart " + roff(command) + "\"\n.nf\n" + usageLines(help.usage) + ".fi\n" +
                   renderBlocks(help.blocks, [](const QString& name) {
                       return ".PP\n\\fB" + roff(capitalised(name)) + ":\\fR\n";
                   });
    }

    QString page = readFile(arguments[1]);
    for (const QString& setting : arguments.mid(3)) {
        const qsizetype equals = setting.indexOf('=');
        if (equals <= 0) fail("expected KEY=VALUE, not '" + setting + "'");
        page.replace('@' + setting.left(equals) + '@', setting.mid(equals + 1));
    }
    page.replace("@SYNOPSIS@\n", synopsis)
        .replace("@DESCRIPTION@\n", description)
        .replace("@COMMANDS@\n", details);

    if (const QRegularExpressionMatch left = QRegularExpression("@[A-Z]+@").match(page); left.hasMatch())
        fail(arguments[1] + " has " + left.captured() + ", which nothing replaces");
    QSaveFile out(arguments[2]);
    if (!out.open(QIODevice::WriteOnly) || out.write(page.toUtf8()) < 0 || !out.commit())
        fail("cannot write " + arguments[2] + ": " + out.errorString());
    return 0;
}
