#include "form/form1.h"

void Form1::DeltaSlot(int) {}

void Form1::MitteSlot(int) {}

void Form1::BeispielSlot() {}

void Form1::istGleichSlot() {}

void Form1::clearEingabeSlot() {}

void Form1::clearAusgabeSlot() {}

void Form1::BeispielGleichungen() {}

void Form1::SchrittweiteSlot(int) {}

int Form1::X_ungefaehr(int, int) {
    return 0;
}

long double Form1::X_Regula_Falsi(long double, long double, bool&) {
    return 0;
}
