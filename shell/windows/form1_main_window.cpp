#include "windows/form1_main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QWindow>

#include <algorithm>

#include "accessibility/accessible_texts.h"
#include "accessibility/announcer.h"
#include "accessibility/quiet_contents.h"
#include "art/colours.h"
#include "game/texts.h"
#include "looks/card_pictures.h"
#include "looks/fonts.h"
#include "looks/program_identity.h"
#include "platform/previous_instance.h"
#include "ranking/score_file.h"
#include "widgets/hand_slot_box.h"
#include "widgets/label_layout.h"
#include "widgets/picture_box_widget.h"
#include "widgets/pile_box.h"
#include "widgets/tracker_label.h"
#include "widgets/tracker_panel.h"
#include "windows/centring.h"
#include "windows/form2_ranking_window.h"

namespace troven {

Form1::Form1(PreviousInstance& previousInstance, RandomSource& random,
             const OutputFactory& makeOutput)
    : previousInstance_(previousInstance), game_(random), ranking_(kScoreFileName) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(mainWindowTitle());
    setWindowIcon(programIcon(devicePixelRatioF()));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    buildMenu();
    auto* table = new QWidget(this);
    table->setObjectName(QStringLiteral("table"));
    table->setFixedSize(kClientSize);
    table->setAutoFillBackground(true);
    QPalette green = table->palette();
    green.setColor(QPalette::Window, colours::kTable);
    table->setPalette(green);
    setCentralWidget(table);
    buildTable(table);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();  // the final size, before the window is centred on it

    MMControl1 = new MMControl(this, makeOutput);
    MMControl1->setObjectName(QStringLiteral("MMControl1"));
    MMControl2 = new MMControl(this, makeOutput);
    MMControl2->setObjectName(QStringLiteral("MMControl2"));
    mirror();
}

Form1::~Form1() = default;

void Form1::buildMenu() {
    QMenu* mnuGame = menuBar()->addMenu(QStringLiteral("ゲーム(&G)"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    const auto item = [&](const char* name, const QString& caption, void (Form1::*handler)()) {
        QAction* action = mnuGame->addAction(caption, this, handler);
        action->setObjectName(QString::fromLatin1(name));
    };
    item("mnuGameNew", QStringLiteral("ニューゲーム(&N)"), &Form1::mnuGameNew_Click);
    mnuGame->addSeparator()->setObjectName(QStringLiteral("mnuGameStep1"));
    item("mnuGameRanking", QStringLiteral("ランキング(&R)"), &Form1::mnuGameRanking_Click);
    mnuGame->addSeparator()->setObjectName(QStringLiteral("mnuGameStep2"));
    item("mnuGameExit", QStringLiteral("終了(&E)"), &Form1::mnuGameExit_Click);
}

void Form1::buildTable(QWidget* table) {
    const char* pGothic = fonts::kPGothic;
    Picture5 = new TrackerPanel(table);

    auto* Picture7 =
        new PictureBoxWidget(PictureBoxWidget::Border::Sunken, colours::kCountBox, table);
    Picture7->setObjectName(QStringLiteral("Picture7"));
    Picture7->setGeometry(48, 144, 73, 57);
    Label6 = makeLabel(Picture7, QRect(Picture7->interior().topLeft(), QSize(65, 49)),
                       fonts::face(pGothic, 36, {.bold = true}));
    Label6->setObjectName(QStringLiteral("Label6"));
    setLabelColours(Label6, colours::kCountFigures, colours::kCountBox);

    Picture3 = new PileBox(table);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setGeometry(QRect(QPoint(176, 136), kCreatedBoxSize));

    const QFont markFont = fonts::face(pGothic, 9);
    for (int k = 0; k < kHandSize; ++k) {
        const auto i = static_cast<std::size_t>(k);
        Picture2[i] = new HandSlotBox(k, table);
        Picture2[i]->setObjectName(QStringLiteral("Picture2(%1)").arg(k));
        Picture2[i]->setGeometry(QRect(QPoint(16 + 80 * k, 224), kCreatedBoxSize));
        connect(Picture2[i], &PictureBoxWidget::clicked, this, &Form1::Picture2_Click);

        Label5[i] = makeLabel(table, QRect(8 + 80 * k, 304, 73, 17), markFont);
        Label5[i]->setObjectName(QStringLiteral("Label5(%1)").arg(k));
        setLabelColours(Label5[i], colours::kSelectable, colours::kTable);
    }

    Label7 = makeLabel(table, QRect(56, 336, 297, 33),
                       fonts::face(pGothic, 20.25, {.bold = true, .italic = true}));
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setAccessibleDescription(QStringLiteral("メッセージ"));
    Label6->setAccessibleDescription(
        QStringLiteral("ゲームを始めてから山札から引いたカードの枚数"));
    setLabelColours(Label7, colours::kMessage, colours::kTable);
    announcer_ = new Announcer(table);
}

bool Form1::Form_Load() {
    if (previousInstance_.isRunning()) {
        QMessageBox::warning(nullptr, programName(), QStringLiteral("すでに起動されています."));
        return false;
    }
    centreOnScreen(this);
    game_.showCardBacks();
    for (MMControl* device : {MMControl1, MMControl2}) {
        device->setDeviceType(QStringLiteral("WaveAudio"));
        device->setFileName(device == MMControl1 ? QStringLiteral("card.wav")
                                                 : QStringLiteral("wa.wav"));
        device->setCommand(MMControl::Command::Open);
    }
    mirror();
    Picture2.front()->setFocus(Qt::OtherFocusReason);  // taken when the window is activated
    return true;
}

void Form1::mnuGameNew_Click() {
    game_.newGame();
    mirror();
    Picture2.front()->setFocus(Qt::OtherFocusReason);
    announcer_->announce(QString::fromUtf8(text::of(game_.message())));
}

void Form1::resumeGame(const SavedGame& saved, int focusedSlot) {
    game_.resume(saved);
    mirror();
    if (focusedSlot >= 0 && focusedSlot < kHandSize &&
        game_.hand()[static_cast<std::size_t>(focusedSlot)].visible) {
        Picture2[static_cast<std::size_t>(focusedSlot)]->setFocus(Qt::OtherFocusReason);
    }
}

// No result to enter: 0 enters only above a negative tenth score.
void Form1::mnuGameRanking_Click() { showForm2(0); }

// Shows the ranking window, without an owner and without making it modal; its load (and with it
// the name entry) runs before it appears. The main window takes no input from before the load
// until the ranking window has closed.
void Form1::showForm2(std::int32_t newScore) {
    auto* form2 = new Form2(ranking_);
    connect(form2, &Form2::unloaded, this, [this] { setEnabledQuietly(true); });
    setEnabledQuietly(false);
    form2->Form_Load(newScore);
    const QuietContents quiet(form2);  // its controls appear with it; its announcement is heard
    form2->show();
}

void Form1::setEnabledQuietly(bool enabled) {
    {
        // The window's own state change tells a screen reader that its controls take no input.
        const QuietContents quiet(this);
        setEnabled(enabled);
    }
    // Nor does the window manager give it the focus: when the name prompt closes, before the
    // ranking window maps, it would, and a screen reader would hear the window come and go.
    if (QWindow* w = windowHandle()) w->setFlag(Qt::WindowDoesNotAcceptFocus, !enabled);
    // Disabling took the focus away; back to the first stop of the table.
    if (enabled && !focusWidget()) focusNextPrevChild(true);
}

// The card sound comes with the play, before the table shows it; the table and its announcement
// are finished before a result that ends the game is judged.
void Form1::Picture2_Click(int index) {
    const Message messageBefore = game_.message();
    const PlayOutcome outcome = game_.play(index);
    if (!outcome.played) return;
    playFromStart(MMControl1);
    mirror();
    announcer_->announce(accessible::playAnnouncement(game_, index, messageBefore));
    if (outcome.gameEnded) judgeResult(outcome.count);
}

void Form1::playFromStart(MMControl* device) {
    device->setCommand(MMControl::Command::Prev);
    device->setCommand(MMControl::Command::Play);
}

// A result above the tenth score in score.dat as it is now enters the ranking: its sound, then
// the ranking window, whose load asks for the name.
void Form1::judgeResult(int count) {
    if (!entersRanking(count, kScoreFileName)) return;
    playFromStart(MMControl2);
    showForm2(count);
}

void Form1::mnuGameExit_Click() {
    closeSoundDevices();
    emit programEnded();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!isEnabled()) {
        // The ranking window is loaded: it must close (and save) first.
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
    emit programEnded();
}

void Form1::Form_Unload() { closeSoundDevices(); }

void Form1::closeSoundDevices() {
    MMControl1->setCommand(MMControl::Command::Close);
    MMControl2->setCommand(MMControl::Command::Close);
}

void Form1::mirror() {
    for (std::size_t k = 0; k < kHandSize; ++k) {
        const HandSlot& slot = game_.hand()[k];
        showPicture(Picture2[k], slot.picture, slot.visible);
        Label5[k]->setText(slot.playable ? QString::fromUtf8(text::kSelectable) : QString());
    }
    showPicture(Picture3, game_.pile().picture, game_.pile().visible);
    Label6->setText(game_.isDealt() ? QString::number(game_.count()) : QString());
    Label7->setText(QString::fromUtf8(text::of(game_.message())));
    Picture5->mirror(game_.tracker());
    describe();
}

// A hand slot or the pile sizes itself to the card it shows, and keeps its size without one.
void Form1::showPicture(PictureBoxWidget* box, const Picture& picture, bool visible) {
    box->setPicture(artworkOf(picture));
    box->fitToPicture();
    box->setVisible(visible);
}

// What a screen reader says of the count, the message, the pile and each hand slot.
void Form1::describe() {
    for (int k = 0; k < kHandSize; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const HandSlot& slot = game_.hand()[i];
        Picture2[i]->setSpokenTexts(accessible::slotName(k, slot.picture),
                                    accessible::slotState(slot.visible, game_.canPlay(k)));
    }
    Picture3->setSpokenTexts(
        QStringLiteral("場札 %1").arg(accessible::pictureName(game_.pile().picture)),
        QStringLiteral("最後に出したカード"));
    Label6->setAccessibleName(accessible::countName(Label6->text()));
    Label7->setAccessibleName(Label7->text().isEmpty() ? QStringLiteral("メッセージなし")
                                                       : Label7->text());
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        const int focused = focusedSlot();
        switch (event->key()) {
            case Qt::Key_Left:
            case Qt::Key_Right:
                if (focused >= 0) {
                    focusSlotBeside(event->key() == Qt::Key_Left ? -1 : 1);
                    return;
                }
                break;
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Space:
                if (focused >= 0) {
                    playByKey(focused);
                    return;
                }
                break;
            default:
                break;
        }
    }
    // The keys 1 to 5 play hand slot 0 to 4, wherever a click on that slot would be taken.
    const int k = event->key() - Qt::Key_1;
    if (k >= 0 && k < kHandSize && event->modifiers() == Qt::NoModifier) {
        playByKey(k);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// A key that may not play its slot is told, as the slot's state is on focus: one who cannot see
// the table would otherwise take it for a key lost.
void Form1::playByKey(int slot) {
    if (game_.canPlay(slot)) {
        Picture2_Click(slot);
    } else {
        announcer_->announce(
            accessible::slotState(game_.hand()[static_cast<std::size_t>(slot)].visible, false));
    }
}

// The window's own focus, kept while another window is active (a session manager's dialog).
int Form1::focusedSlot() const {
    const auto at = std::find(Picture2.begin(), Picture2.end(), focusWidget());
    return at == Picture2.end() ? -1 : static_cast<int>(at - Picture2.begin());
}

// Left and Right: the nearest slot that still holds a card, no further than the row's ends.
void Form1::focusSlotBeside(int step) {
    for (int k = focusedSlot() + step; k >= 0 && k < kHandSize; k += step) {
        HandSlotBox* slot = Picture2[static_cast<std::size_t>(k)];
        if (slot->isVisible()) {
            slot->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            return;
        }
    }
}

// The focus order, round and round: the slots that hold a card, then the tracker as one stop.
// Qt also asks here when the focused slot is emptied.
bool Form1::focusNextPrevChild(bool next) {
    std::array<QWidget*, kHandSize + 1> stops{};
    std::copy(Picture2.begin(), Picture2.end(), stops.begin());
    stops.back() = Picture5->focusStop();
    const auto size = static_cast<int>(stops.size());
    QWidget* focused = focusWidget();
    int at = qobject_cast<TrackerLabel*>(focused) ? size - 1 : next ? -1 : size;
    for (int k = 0; k < kHandSize; ++k) {
        if (stops[static_cast<std::size_t>(k)] == focused) at = k;
    }
    for (int step = 1; step <= size; ++step) {
        QWidget* stop =
            stops[static_cast<std::size_t>(((at + (next ? step : -step)) % size + size) % size)];
        if (stop->isVisible() && stop->isEnabled()) {
            stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

}  // namespace troven
