#include "form/form1.h"

void Form1::istGleichXYZ_Slot() {}

void Form1::clearTabeleXYZ_Slot() {}

void Form1::clearListBoxXYZ_Slot() {}

void Form1::BeispieleXYZ_Slot() {}
