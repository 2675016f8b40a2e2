#include <QApplication>
#include <QLocale>

#include <clocale>
#include <cstdio>
#include <memory>

#include "form/command_line/command_line.h"
#include "form/command_line/start_mode.h"
#include "form/window/application_setup.h"
#include "form/window/form1.h"
#include "form/window/i18n.h"
#include "form/window/interface_language.h"
#include "form/window/kept_inputs.h"
#include "form/window/memory_reuse.h"

namespace {

// The text mode: a core application only, so that no display or platform plugin is needed;
// a plot is drawn on the offscreen platform, which needs no display either.
int runTextMode(int argc, char* argv[], bool drawsPlot) {
    std::unique_ptr<QCoreApplication> application;
    if (drawsPlot) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    // Numbers read and written as the window reads and writes them.
    std::setlocale(LC_NUMERIC, "C");
    const CommandLineRun run = runCommandLine(QCoreApplication::arguments());
    std::fwrite(run.err.constData(), 1, static_cast<std::size_t>(run.err.size()), stderr);
    std::fwrite(run.out.constData(), 1, static_cast<std::size_t>(run.out.size()), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fputs("quintabor: die Standardausgabe ist nicht schreibbar\n", stderr);
        return ExitOtherError;
    }
    return run.exitCode;
}

} // namespace

int main(int argc, char* argv[]) {
    keepFreedMemoryForReuse();
    const StartMode mode = startMode(argc, argv);
    if (mode.textMode) {
        return runTextMode(argc, argv, mode.drawsPlot);
    }
    QApplication application(argc, argv);
    setupApplication();
    installInterfaceLanguage(
        interfaceLanguage(mode.language, QLocale::system(), translationDirectory()),
        translationDirectory());
    Form1 window;
    window.BeispielGleichungen();
    keepInputsAcrossRuns(window);
    window.show();
    QObject::connect(&application, &QGuiApplication::lastWindowClosed, &application,
                     &QCoreApplication::quit);
    return application.exec();
}
