// The example equations: the catalogue and the button that loads and solves the next one.
#include "form/example_equations.h"
#include "form/example_texts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <cstdio>
#include <cstring>
#include <iterator>

#include "form/form1.h"
#include "interpreter/formelinterpreter.h"

char* BeispielGleichung[BeispielZeilen];
int AnzahlGleichungen;
int Index_Beispiel;

namespace {

// Each example is solved on the current centre with this half-width.
constexpr int BeispielDeltaWert = 1000;

} // namespace

void Form1::BeispielGleichungen() {
    int row = 0;
    for (const char* text : BeispielTexte) {
        ++row;
        if (!BeispielGleichung[row]) {
            BeispielGleichung[row] = new char[BeispielTextGroesse];
        }
        std::snprintf(BeispielGleichung[row], BeispielTextGroesse, "%s", text);
    }
    AnzahlGleichungen = static_cast<int>(std::size(BeispielTexte));
}

void Form1::BeispielSlot() {
    if (AnzahlGleichungen < 1) {
        return;
    }
    ++Index_Beispiel;
    if (Index_Beispiel > AnzahlGleichungen) {
        Index_Beispiel = 1;
    }
    Delta_spinBox->setValue(BeispielDeltaWert);

    char gleichung[BeispielTextGroesse];
    std::snprintf(gleichung, sizeof gleichung, "%s", BeispielGleichung[Index_Beispiel]);
    const char* rechteSeite = "";
    if (char* gleich = std::strchr(gleichung, '=')) {
        *gleich = '\0';
        rechteSeite = gleich + 1;
    }
    GleichLinks_LineEdit->setText(QString::fromLatin1(gleichung));
    GleichRechts_LineEdit->setText(QString::fromLatin1(rechteSeite));

    char beschriftung[32];
    std::snprintf(beschriftung, sizeof beschriftung, "Beispiel:%d", Index_Beispiel);
    Beispiel_pushButton->setText(QString::fromLatin1(beschriftung));

    istGleichSlot();
}
