#include "windows/form2_ranking_window.h"

#include <QCloseEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>

#include "accessibility/announcer.h"
#include "accessibility/line_edit_accessible.h"
#include "accessibility/quiet_contents.h"
#include "accessibility/ranking_announcement.h"
#include "art/colours.h"
#include "looks/fonts.h"
#include "looks/program_identity.h"
#include "platform/program_ending.h"
#include "ranking/cp932.h"
#include "widgets/caption_fit.h"
#include "widgets/keys_from_now_on.h"
#include "widgets/label_layout.h"
#include "windows/centring.h"

namespace troven {

namespace {

constexpr int rowTop(int i) { return 8 + 24 * i; }

constexpr QStringView kNamePrompt = u"10文字（全角５文字）以内で入力してください。";
constexpr QStringView kNameTitle = u"おめでとう！ Top10へ名前の登録です。";
constexpr QStringView kClearQuestion = u"ランキングをクリアしますか？";

}  // namespace

Form2::Form2(RankingWindowModel& model) : model_(model) {
    const QuietContents quiet(this);  // nothing shown yet
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("RANKING"));
    setWindowIcon(programIcon(devicePixelRatioF()));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kClientSize);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, colours::kRankingGround);
    setPalette(black);

    const QFont font = fonts::face(fonts::kPGothic, 12, {.bold = true});
    const auto label = [&](const QString& name, const QRect& place) {
        QLabel* l = makeLabel(this, place, font);
        l->setObjectName(name);
        setLabelColours(l, colours::kRankingText, colours::kRankingGround);
        return l;
    };
    for (int i = 0; i < kPlaces; ++i) {
        const auto r = static_cast<std::size_t>(i);
        QLabel* place = label(QStringLiteral("Label3(%1)").arg(i), QRect(8, rowTop(i), 17, 17));
        place->setText(QString::number(i + 1));
        if (place->text().size() > 1) fitCaption(place, place->text());
        Label1[r] = label(QStringLiteral("Label1(%1)").arg(i), QRect(32, rowTop(i), 137, 17));
        Label2[r] = label(QStringLiteral("Label2(%1)").arg(i), QRect(176, rowTop(i), 25, 17));
    }

    Command1 = new QPushButton(QStringLiteral("クリア"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(72, 248, 65, 33);
    Command1->setFont(fonts::face(fonts::kGothic, 11.25, {.bold = true}));
    Command1->setAutoDefault(false);
    Command1->setDefault(false);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    announcer_ = new Announcer(this);
}

// The name prompt comes again, with the same name offered, until the model takes an answer.
void Form2::Form_Load(std::int32_t newScore) {
    model_.Form_Load(newScore);
    while (model_.awaitsName()) model_.answerName(askName(model_.offeredName()));
    tellFailedSave();
    const QuietContents quiet(this);  // not shown yet: a screen reader reads the table as it opens
    mirror();
    centreOnScreen(this);
}

void Form2::Command1_Click() {
    QMessageBox question(this);
    {
        const QuietContents quiet(&question);  // a screen reader reads the question as it opens
        question.setIcon(QMessageBox::Question);
        question.setWindowTitle(programName());
        question.setText(kClearQuestion.toString());
        question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    }
    // Cleared as the box goes, before this window has the focus back: a screen reader reads the
    // cleared table first, then where the focus is, and the box's going cannot cut it short.
    connect(&question, &QDialog::finished, this, [this](int answer) {
        if (answer == QMessageBox::Yes) clearTable();
    });
    execWithQuietContents(question);
}

void Form2::clearTable() {
    const DisplayedTable before = model_.table();
    model_.clearTable();
    if (model_.table() != before) {
        announcer_->announce(accessible::rankingAnnouncement(model_.table(), kNotEntered));
    }
    mirror();
}

void Form2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        announcer_->announce(
            accessible::rankingAnnouncement(model_.table(), model_.enteredPosition()));
    }
}

void Form2::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void Form2::Form_Unload() {
    model_.Form_Unload();
    tellFailedSave();
    emit unloaded();
}

void Form2::mirror() {
    const DisplayedTable& table = model_.table();
    for (std::size_t i = 0; i < kPlaces; ++i) {
        Label1[i]->setText(cp932::decode(table.names[i]));
        Label2[i]->setText(table.scores[i]);
    }
}

// A modal box placed by the window system; the empty text when cancelled.
QString Form2::askName(const QString& offered) {
    installLineEditAccessible();
    QInputDialog box;
    {
        const QuietContents quiet(&box);  // a screen reader reads the prompt as it opens
        box.setWindowTitle(kNameTitle.toString());
        box.setLabelText(kNamePrompt.toString());
        box.setTextValue(offered);
    }
    new KeysFromNowOn(&box);
    const QString answer =
        execWithQuietContents(box) == QDialog::Accepted ? box.textValue() : QString();
    // Closed by the program's ending, the prompt leaves the name it offered.
    return answer.isEmpty() && programEnding() ? offered : answer;
}

void Form2::tellFailedSave() {
    const QString& message = model_.failureToTell();
    if (message.isEmpty()) return;
    // No one is left to dismiss a box while the program ends: the message goes to the error
    // output (the terminal, or the session's log).
    if (programEnding()) {
        qWarning().noquote() << message;
        return;
    }
    // The entry's save comes before the window shows: the box is then placed as the name prompt.
    QMessageBox::warning(isVisible() ? this : nullptr, programName(), message);
}

}  // namespace troven
