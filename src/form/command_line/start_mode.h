#pragma once

#include <QString>

// How the program starts, decided from its arguments before any application object exists:
// the window, or the text mode of the command line, which needs no display.
struct StartMode {
    bool textMode = false;
    // The language --lang names for the window ("de" or "en"); empty when none is named.
    QString language;
    // The text mode draws a plot (--plot): it needs fonts, on an offscreen platform.
    bool drawsPlot = false;
};

// The text mode for any argument of the form --name, and for -h, -? and -v, except a --lang
// with the value de or en alone, which starts the window in that language. Qt's own
// arguments (-platform, -style, ...) keep starting the window.
StartMode startMode(int argc, const char* const* argv);
