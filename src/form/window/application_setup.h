#pragma once

// Process-wide settings made right after the QApplication is constructed and before any
// widget exists: substitutes for the X11 font families the window asks for, and the "C"
// numeric locale for printf-style formatting of numbers.
void setupApplication();
