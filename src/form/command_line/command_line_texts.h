#pragma once

#include <QCoreApplication>

// The context "CommandLine" of the texts the command line writes.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};
