#include "form/command_line/start_mode.h"

namespace {

bool isLanguage(const QString& value) {
    return value == QLatin1String("de") || value == QLatin1String("en");
}

} // namespace

StartMode startMode(int argc, const char* const* argv) {
    StartMode mode;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QLatin1String("--lang") && i + 1 < argc &&
            isLanguage(QString::fromLocal8Bit(argv[i + 1]))) {
            mode.language = QString::fromLocal8Bit(argv[++i]);
        } else if (argument.startsWith(QLatin1String("--lang=")) && isLanguage(argument.mid(7))) {
            mode.language = argument.mid(7);
        } else if (argument.startsWith(QLatin1String("--")) || argument == QLatin1String("-h") ||
                   argument == QLatin1String("-?") || argument == QLatin1String("-v")) {
            mode.textMode = true;
        }
        if (argument == QLatin1String("--plot") || argument.startsWith(QLatin1String("--plot="))) {
            mode.drawsPlot = true;
        }
    }
    if (mode.textMode) {
        mode.language.clear();
    }
    return mode;
}
