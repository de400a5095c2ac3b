// Takes the single-instance lock named on the command line, says so, and waits to be killed.
#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

#include "platform/previous_instance.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    troven::PreviousInstance instance(QString::fromLocal8Bit(argv[1]));
    if (instance.isRunning()) return 1;
    std::puts("locked");
    std::fflush(stdout);
    pause();
    return 0;
}
