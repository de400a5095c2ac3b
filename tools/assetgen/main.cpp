// assetgen FOLDER: draws the game's pictures and synthesises its sounds into FOLDER.
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

#include "all_assets.h"

int main(int argc, char* argv[]) {
    // Drawing needs no screen: run headless wherever the generator is started.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: assetgen FOLDER\n", stderr);
        return 2;
    }
    try {
        troven::assetgen::writeAllAssets(QDir(arguments[1]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
