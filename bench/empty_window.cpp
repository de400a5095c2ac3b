// The floor any Qt Widgets program pays: an empty top-level window, nothing else. compare.sh
// measures it beside the game, built with the same compiler, flags and Qt. With --text the window
// shows one line in the default font, the floor of a window with any text in it (font
// configuration, FreeType and HarfBuzz come with the first line drawn).
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "program_facts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("empty"));
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        auto* line = new QLabel(QString::fromUtf8(troven::facts::kProgramName), &window);
        line->move(16, 16);
    }
    window.show();
    return QApplication::exec();
}
