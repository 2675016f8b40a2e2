#pragma once

#include <QByteArray>
#include <QStringList>

// The exit codes of the text mode.
inline constexpr int ExitSolved = 0;     // a block was written, whatever it found
inline constexpr int ExitOtherError = 1; // a wrong option, an unreadable file, failed output
inline constexpr int ExitUnreadable = 2; // an equation or a system that cannot be read

// What one run of the text mode writes and returns.
struct CommandLineRun {
    QByteArray out;
    QByteArray err;
    int exitCode = ExitSolved;
};

// Runs the text mode on the arguments, the program's name first: --help, --version, --solve
// with its interval and step, --system; --lang chooses the language for this run. Needs a
// QCoreApplication and no display. The blocks are the ones the window lists, line by line.
CommandLineRun runCommandLine(const QStringList& arguments);
