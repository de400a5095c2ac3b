#include "widgets/tracker_panel.h"

#include <QKeyEvent>

#include <algorithm>

#include "art/colours.h"
#include "looks/fonts.h"
#include "widgets/caption_fit.h"
#include "widgets/label_layout.h"
#include "widgets/tracker_label.h"

namespace troven {

namespace {

constexpr int kCell = 24;       // rows and labels step by 24 pixels
constexpr int kLabelSize = 25;  // so that neighbours overlap by one pixel

}  // namespace

TrackerPanel::TrackerPanel(QWidget* parent)
    : PictureBoxWidget(Border::Sunken, colours::kTrackerGround, parent) {
    setObjectName(QStringLiteral("Picture5"));
    setGeometry(16, 16, 369, 105);
    auto* content = new QWidget(this);
    content->setGeometry(interior());
    const QFont font = fonts::face(fonts::kPGothic, 18, {.bold = true});
    for (int suit = 0; suit < kSuits; ++suit) {
        for (int end = 0; end < 2; ++end) {
            auto* image = new PictureBoxWidget(Border::None, colours::kTrackerGround, content);
            image->setObjectName(QStringLiteral("Image%1(%2)").arg(suit + 1).arg(end));
            image->setGeometry(end == 0 ? 0 : 336, kCell * suit, kCell, kCell);
            image->setPicture(art::Artwork::suitSymbol(suit));
        }
        for (int rank = 0; rank < kRanks; ++rank) {
            const Card card = cardOf(suit, rank);
            auto* l = new TrackerLabel(card, content);
            layOutLabel(l, QRect(kCell + kCell * rank, kCell * suit, kLabelSize, kLabelSize), font);
            l->setObjectName(QStringLiteral("Label%1(%2)").arg(suit + 1).arg(rank));
            labels_[static_cast<std::size_t>(card)] = l;
            const std::string_view caption = kRankCaptions[static_cast<std::size_t>(rank)];
            if (caption.size() > 1) {
                fitCaption(l, QString::fromLatin1(caption));
            }
        }
    }
    focusStop_ = labels_.front();
    mirror(Tracker());  // the labels as the window creates them, before any game
}

void TrackerPanel::keyPressEvent(QKeyEvent* event) {
    const auto* focused = qobject_cast<const TrackerLabel*>(focusWidget());
    if (!focused || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        PictureBoxWidget::keyPressEvent(event);
        return;
    }
    int suit = suitOf(focused->card());
    int rank = rankOf(focused->card());
    switch (event->key()) {
        case Qt::Key_Left:
            rank = std::max(rank - 1, 0);
            break;
        case Qt::Key_Right:
            rank = std::min(rank + 1, kRanks - 1);
            break;
        case Qt::Key_Up:
            suit = std::max(suit - 1, 0);
            break;
        case Qt::Key_Down:
            suit = std::min(suit + 1, kSuits - 1);
            break;
        default:
            PictureBoxWidget::keyPressEvent(event);
            return;
    }
    focusStop_ = labels_[static_cast<std::size_t>(cardOf(suit, rank))];
    focusStop_->setFocus(Qt::TabFocusReason);
}

TrackerPanel::Look TrackerPanel::lookOf(Card card, const TrackerCell& cell, bool asCreated) {
    const std::string_view rank = rankCaptionOf(card);
    return {
        cell.state == CardState::Played ? std::string_view{} : rank,
        cell.state == CardState::ToCome ? colours::rankToCome(suitOf(card)) : colours::kRankDealt,
        cell.matchesLastPlay ? colours::kMatchesLastPlay
        : asCreated          ? colours::kTrackerGround
                             : colours::desktopWindowBackground()};
}

void TrackerPanel::mirror(const Tracker& tracker) {
    for (int card = 0; card < kDeckSize; ++card) {
        const auto c = static_cast<Card>(card);
        const Look look = lookOf(c, tracker.cell(c), tracker.isAsCreated());
        if (!initialised_ || look != shown_[static_cast<std::size_t>(card)]) {
            showLabel(c, look, tracker.cell(c));
        }
    }
    initialised_ = true;
}

void TrackerPanel::showLabel(Card card, const Look& look, const TrackerCell& cell) {
    const auto i = static_cast<std::size_t>(card);
    labels_[i]->setText(QString::fromUtf8(look.caption));
    setLabelColours(labels_[i], look.foreColour, look.backColour);
    labels_[i]->describe(cell);
    shown_[i] = look;
}

}  // namespace troven
