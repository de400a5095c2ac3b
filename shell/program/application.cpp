#include "program/application.h"

#include <QApplication>

#include <memory>

#include "accessibility/news_filter.h"
#include "game/random_source.h"
#include "looks/fonts.h"
#include "platform/previous_instance.h"
#include "platform/program_ending.h"
#include "program/command_line.h"
#include "program/qt_translations.h"
#include "program/session_state.h"
#include "program/xwayland_preference.h"
#include "program_facts.h"
#include "windows/form1_main_window.h"
#include "windows/form3_splash_window.h"

namespace troven {

int runProgram(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto answered = answerCommandLine(arguments)) return *answered;
    preferXWaylandOnWayland(arguments);

    QApplication app(argc, argv);
    if (const auto refused = refuseUnknownArguments(QCoreApplication::arguments())) return *refused;
    QApplication::setApplicationName(QStringLiteral("troven"));
    // The installed desktop entry and icon carry this name; a Wayland desktop matches the window
    // to them by it.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(facts::kAppId));
    // The program ends when the main window closes or through the menu, never because the splash
    // went before the main window came.
    QApplication::setQuitOnLastWindowClosed(false);
    fonts::installSubstitutes();
    installNewsFilter();
    installJapaneseQtTranslations(app);

    PreviousInstance previousInstance;
    ClockSeededRandom random;
    std::unique_ptr<Form1> form1;
    ProgramEnding ending(
        [&]() -> QWidget* { return form1 && form1->isVisible() ? form1.get() : nullptr; });
    SessionState sessionState(
        [&]() -> Form1* { return form1 && form1->isVisible() ? form1.get() : nullptr; });

    auto* form3 = new Form3([&] {
        if (programEnding()) return;  // the program ends before its main window comes
        form1 = std::make_unique<Form1>(previousInstance, random);
        QObject::connect(form1.get(), &Form1::programEnded, [] { QCoreApplication::exit(0); });
        if (!form1->Form_Load()) {
            QCoreApplication::exit(1);
            return;
        }
        sessionState.restoreInto(*form1);
        form1->show();
    });
    form3->Form_Load();
    form3->show();
    return QApplication::exec();
}

}  // namespace troven
