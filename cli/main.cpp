#include "CliCommands.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const pelmora::cli::Outcome outcome = pelmora::cli::run(arguments);
    std::fwrite(outcome.out.constData(), 1, size_t(outcome.out.size()), stdout);
    std::fwrite(outcome.err.constData(), 1, size_t(outcome.err.size()), stderr);
    std::fflush(stdout);
    return outcome.exitCode;
}
