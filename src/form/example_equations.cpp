// The example equations: the catalogue and the button that loads and solves the next one.
#include "form/example_equations.h"

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

constexpr const char* BeispielTexte[] = {
    "X^2=2",
    "X^2=X+2",
    "sqrt(x)=sin(x)*3",
    "sqrt(x+18+sqrt(2*x+10))=5",
    "sqrt(x)=0.1*x^2",
    "(x+4)^(1/3)=5",
    "3^X=3.976277948",
    "X^X+2.0*X^2+1,34*X=94.31695275",
    "X^3+X^2+3*X+3.7^X-LN(X*100)=13.98690655",
    "x^2=sqrt(x)",
    "ln(x*0.23)=log(x+3.51)",
    "X^5.3+10*X^2-LOG(X*374.0)=339.6004709",
    "3.71^X+LOG(X)*133.0=62.39007573",
    "x^2+LOG(x)*100=74.55284819",
    "7*2^x=3^x+32.28855158",
    "(X*100)^0.5+X^3+100=140.1198911",
    "3^X*X+5=69.31950648",
    "4/(X-5)-2/(X+4)+5/(X+1)=0",
    "0.5*sin(x*10)+x=x",
    "tan(x)=0.5",
    "cos(x)=sin(x)",
    "cos(x)=x^3",
    "cos(2*x)+x=x^3",
    "X*(X+31)=690",
    "(X+5)*(X-3)=153",
    "42/70=X/(X+60)",
    "X+1=79+2/(X+3)",
    "X+44=79+2/(X+3)",
    "X+7.5=12.5+3*x/(x+5)",
    "12/25=X/(X+15)",
    "X+(2+1/2)=(3+2/5)",
    "X+17=10*X/15",
    "X-9=3*X+2",
    "X-0.5=2.5*x",
    "X-(3+1/X)=2+1/(X+1)",
    "X-(9+2/3)=(4+1/X)",
    "X+21=X+3/(X+2)",
    "X+21=X+3/(X+2)",
    "(40+2*X)*(30+2*X)=4*1200",
    "0.3*X=3/10",
    "1.25*X=5/9",
    "X/4=5",
    "X/7=8",
    "X/0.5=20",
    "X/2.7=5.2",
    "X/3=2/3",
    "X/5=(6+2/15)",
    "X/(1/2)=(4+2/3)",
    "X/(3+2/5)=(4+7/17)",
    "30=X-6",
    "(5+1/2)=(4+1/2)+X",
    "4/5=8*X",
    "(3+3/5)=(2+1/2)*X",
    "(4+2/3)=(1+3/7)*X",
    "2.5=X/4",
    "(3+1/2)=x/0.5",
    "(4+1/5)=X/(3+5/7)",
    "10/x=5",
    "4.5/X=1.5",
    "5/X=3/14",
    "13/X=(5+1/5)",
    "20/X=(3+1/3)",
    "(5.4/X)=(1+4/5)",
    "99/55=72/X",
    "6/14=72/X",
    "50/30=X/(112-X)",
    "42/70=X/(X+60)",
};

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
