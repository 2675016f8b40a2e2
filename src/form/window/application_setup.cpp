#include "form/window/application_setup.h"

#include <QFont>
#include <QStringList>

#include <clocale>

void setupApplication() {
    QFont::insertSubstitutions("Adobe Courier", {"Nimbus Mono PS", "DejaVu Sans Mono"});
    QFont::insertSubstitutions("Adobe Helvetica", {"Nimbus Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Adobe Times", {"Nimbus Roman", "DejaVu Serif"});
    std::setlocale(LC_NUMERIC, "C");
}
