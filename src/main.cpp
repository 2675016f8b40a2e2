#include <QApplication>
#include <QLocale>

#include "form/window/application_setup.h"
#include "form/window/form1.h"
#include "form/window/i18n.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    setupApplication();
    installTranslation(QLocale::system(), translationDirectory());
    Form1 window;
    window.BeispielGleichungen();
    window.show();
    QObject::connect(&application, &QGuiApplication::lastWindowClosed, &application,
                     &QCoreApplication::quit);
    return application.exec();
}
