#include "frame/frame_options.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

#include "engine/generation/catalogue.h"
#include "platform/options.h"
#include "session/commands.h"

namespace momentart {

namespace {

const QList<OptionInfo> kFrameOptions = {
    {"every", "DURATION", "a new picture every DURATION, a number with s, m or h (default 60s)"},
    {"on-the-minute", nullptr, "instead: a new picture each time the clock's minute turns, seeded from that "
                               "moment, which names it"},
    {"seed", "S", "the first picture's seed, 0..4294967295, in place of the timer (it is 'momentart render "
                  "--seed S' made larger); the next pictures take S+1, S+2, ..."},
    {"type", "T", "every new picture of image type T, 9..66 (default: drawn at random)"},
    {"no-stamp", nullptr, "leave out the signature line"},
    {"skip-dull", nullptr, "never show a dull picture (the interest measure of 'momentart render')"},
    {"pace", "SECONDS", "how long a picture takes to grow (default 2; 0: as fast as it is computed)"},
    {"screen", "N", "the monitor to fill, 0 for the first Qt lists (default: the primary monitor)"},
    {"window-id", "ID", "draw into the window ID (decimal, or hexadecimal with 0x) of another program, as "
                        "a screensaver does, until killed (default: the window XSCREENSAVER_WINDOW names, "
                        "when set)"},
    {"help", nullptr, "show this help"},
};

QString notWith(const char* option, const char* other) {
    return QString("--%1 cannot go with --%2").arg(option, other);
}

std::optional<WId> parseWindowId(const QString& text) {
    bool ok = false;
    const qulonglong id = text.trimmed().toULongLong(&ok, 0);
    if (!ok || id == 0 || id > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<WId>(id);
}

}  // namespace

std::optional<std::chrono::milliseconds> parseDuration(const QString& text) {
    static const QRegularExpression form(R"(^\s*(\d+(?:\.\d+)?)\s*([smh]?)\s*$)");
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const double number = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    const double seconds = number * (unit == "h" ? 3600 : unit == "m" ? 60 : 1);
    if (!std::isfinite(seconds)) return std::nullopt;
    return std::chrono::milliseconds(std::llround(std::min(seconds, 1e9) * 1000));
}

QString readFrameRequest(const QStringList& arguments, const QString& screensaverWindow, FrameRequest& request) {
    const ParsedOptions options = parseOptions(arguments, kFrameOptions);
    if (!options.error.isEmpty()) return options.error;
    request.help = options.has("help");
    FrameSettings& settings = request.settings;
    settings.stamp = !options.has("no-stamp");
    settings.skipDull = options.has("skip-dull");
    settings.timing.onTheMinute = options.has("on-the-minute");
    if (settings.timing.onTheMinute) {
        for (const char* other : {"every", "seed"})
            if (options.has(other)) return notWith("on-the-minute", other);
    }
    if (options.has("every")) {
        const QString text = options.value("every");
        const auto every = parseDuration(text);
        if (!every) return "--every must be a duration such as 90s, 5m or 1h, not '" + text + "'";
        if (*every < kShortestTurn || *every > kLongestTurn)
            return "--every must be 1s at least and 24h at most, not '" + text + "'";
        settings.timing.every = *every;
    }
    const WholeOption seed = wholeOption(options, "seed", 0, std::numeric_limits<std::uint32_t>::max(), 0);
    const WholeOption type = wholeOption(options, "type", kFirstType, kLastType, 0);
    const WholeOption screen = wholeOption(options, "screen", 0, 99, 0);
    for (const WholeOption* whole : {&seed, &type, &screen})
        if (!whole->error.isEmpty()) return whole->error;
    if (options.has("seed")) settings.timing.seed = static_cast<std::uint32_t>(seed.value);
    settings.type = static_cast<int>(type.value);
    if (options.has("screen")) request.screen = static_cast<int>(screen.value);
    if (const QString error = readPace(options, settings.pace); !error.isEmpty()) return error;

    const bool given = options.has("window-id");
    const QString window = given ? options.value("window-id") : screensaverWindow;
    if (!window.isEmpty()) {
        request.windowId = parseWindowId(window);
        if (!request.windowId)
            return given ? "--window-id must be a window's id such as 0x2a00007, not '" + window + "'"
                         : "XSCREENSAVER_WINDOW must be a window's id such as 0x2a00007, not '" + window + "'";
        if (request.screen) return notWith("screen", given ? "window-id" : "window-id (XSCREENSAVER_WINDOW is set)");
    }
    return {};
}

QString frameHelp() {
    QList<QPair<QString, QString>> keys;
    for (const SessionCommand& command : sessionCommands())
        if (std::holds_alternative<FrameAction>(command.action)) keys.append({command.key.toString(), command.help});
    return "usage: momentart frame [--every DURATION|--on-the-minute] [--seed S] [--type T] [--screen N] [options]\n"
           "       momentart frame --window-id ID [options]\n"
           "Fills the screen with pictures, one after another, on a black field: each made at the\n"
           "largest whole scale K whose 600 K x 450 K pixels fit the screen's own pixels, never\n"
           "resampled, so it is 'momentart render --scale K' of the same recipe, pixel for pixel.\n"
           "Every picture shown enters the history ('momentart history' lists it). While it fills\n"
           "the screen, the desktop is asked not to blank it. As a screensaver it draws into the\n"
           "window XSCREENSAVER_WINDOW (or --window-id) names and ends when killed.\n\n"
           "options:\n" +
           describeOptions(kFrameOptions) + "\nkeys:\n" + describeEntries(keys);
}

}  // namespace momentart
