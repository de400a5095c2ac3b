// The real program, played from the inside by a script that starts with the application object:
// the splash, New Game, plays until the game is over, a name for the ranking, the ranking
// closed, the main window closed. The program itself runs unchanged, and the script only uses
// the windows as a player would. Made for a memory check under valgrind (run_valgrind.sh).
//
// The working folder needs a "score.dat" that any game enters (a negative tenth score).
// Exit status: the program's own, or 3 when the script could not finish.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "program/application.h"
#include "ranking/cp932.h"
#include "ranking/score_file.h"
#include "score_files.h"
#include "shown_window.h"
#include "sound/mm_control.h"
#include "widgets/picture_box_widget.h"
#include "windows/form1_main_window.h"
#include "windows/form2_ranking_window.h"

namespace {

using namespace troven;
using testing::readFile;
using testing::shownWindow;

const QString kName = QStringLiteral("全角５文字");
constexpr qint64 kTimeLimitMs = 15 * 60 * 1000;  // under valgrind everything is slow

class Script : public QObject {
  public:
    explicit Script(QObject* parent) : QObject(parent) {
        connect(&step_, &QTimer::timeout, this, &Script::step);
        step_.start(20);
        // The name prompt comes up inside the click that ends the game, while step() waits for
        // that click to return: a timer of its own answers it.
        connect(&prompt_, &QTimer::timeout, this, &Script::answerNamePrompt);
        prompt_.start(20);
        clock_.start();
    }

  private:
    enum class Stage { WaitingForMainWindow, Playing, ClosingRanking, Closing };

    void fail(const char* what) {
        qCritical("scripted game: %s", what);
        step_.stop();
        QCoreApplication::exit(3);
    }

    void step() {
        if (clock_.hasExpired(kTimeLimitMs)) return fail("out of time");
        Form1* form1 = shownWindow<Form1>();
        if (!form1) {
            if (stage_ != Stage::WaitingForMainWindow) fail("the main window went away");
            return;
        }
        switch (stage_) {
            case Stage::WaitingForMainWindow:
                form1->findChild<QAction*>(QStringLiteral("mnuGameNew"))->trigger();
                stage_ = Stage::Playing;
                return;
            case Stage::Playing:
                return play(*form1);
            case Stage::ClosingRanking:
                return closeRanking();
            case Stage::Closing:
                if (!form1->isEnabled()) return fail("the main window stayed disabled");
                step_.stop();
                form1->close();  // the program ends with it
                return;
        }
    }

    // The first hand slot a click is accepted on, one play per step.
    void play(Form1& form1) {
        if (form1.game().isOver()) {
            const auto* card = form1.findChild<MMControl*>(QStringLiteral("MMControl1"));
            qInfo("scripted game: over after %d plays, card sound %s", form1.game().count(),
                  card->isAudible() ? "heard" : "not heard (no sound server)");
            stage_ = Stage::ClosingRanking;
            return;
        }
        // The first slot marked "SELECTABLE", as a player reads the table.
        for (int k = 0; k < kHandSize; ++k) {
            auto* slot = form1.findChild<PictureBoxWidget*>(QStringLiteral("Picture2(%1)").arg(k));
            const auto* mark = form1.findChild<QLabel*>(QStringLiteral("Label5(%1)").arg(k));
            if (slot->isVisible() && mark->text() == QLatin1String("SELECTABLE")) {
                QTest::mouseClick(slot, Qt::LeftButton);
                return;
            }
        }
        fail("no hand slot can be played, yet the game is not over");
    }

    void answerNamePrompt() {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        box->setTextValue(kName);
        box->accept();
        named_ = true;
        prompt_.stop();
    }

    void closeRanking() {
        Form2* form2 = shownWindow<Form2>();
        if (!named_ || !form2) return fail("the game's end did not enter the ranking");
        form2->close();
        if (!readFile(kScoreFileName).contains("\"" + cp932::encode(kName).bytes + "\",")) {
            return fail("the name did not reach score.dat");
        }
        stage_ = Stage::Closing;
    }

    Stage stage_ = Stage::WaitingForMainWindow;
    bool named_ = false;
    QTimer step_;
    QTimer prompt_;
    QElapsedTimer clock_;
};

void startScript() { new Script(QCoreApplication::instance()); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(startScript)

int main(int argc, char** argv) { return troven::runProgram(argc, argv); }
