#include "tracker_panel.h"

#include <QLabel>

#include "accessible_texts.h"
#include "caption_fit.h"
#include "control_label.h"
#include "fonts.h"
#include "qt_colours.h"

namespace troven {

namespace {

constexpr int kCell = 24;       // rows and labels step by 24 pixels
constexpr int kLabelSize = 25;  // so that neighbours overlap by one pixel

}  // namespace

TrackerPanel::TrackerPanel(QWidget* parent) : PictureBoxWidget(Border::Sunken, Qt::white, parent) {
    setObjectName(QStringLiteral("Picture5"));
    setGeometry(16, 16, 369, 105);
    auto* content = new QWidget(this);
    content->setGeometry(interior());
    const QFont font = fonts::face(fonts::kPGothic, 18, {.bold = true});
    for (int suit = 0; suit < kSuits; ++suit) {
        for (int end = 0; end < 2; ++end) {
            auto* image = new PictureBoxWidget(Border::None, Qt::white, content);
            image->setObjectName(QStringLiteral("Image%1(%2)").arg(suit + 1).arg(end));
            image->setGeometry(end == 0 ? 0 : 336, kCell * suit, kCell, kCell);
            image->setPicture(art::Artwork::suitSymbol(suit));
        }
        for (int rank = 0; rank < kRanks; ++rank) {
            const Card card = cardOf(suit, rank);
            QLabel* l = makeLabel(
                content, QRect(kCell + kCell * rank, kCell * suit, kLabelSize, kLabelSize), font);
            l->setObjectName(QStringLiteral("Label%1(%2)").arg(suit + 1).arg(rank));
            l->setAccessibleName(accessible::cardName(card));
            labels_[static_cast<std::size_t>(card)] = l;
            const std::string_view caption = kRankCaptions[static_cast<std::size_t>(rank)];
            if (caption.size() > 1) {
                fitCaption(
                    l, QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
            }
        }
    }
    // The labels as the window creates them, before any game.
    const Tracker created;
    for (int card = 0; card < kDeckSize; ++card) {
        showLabel(static_cast<std::size_t>(card), created.label(static_cast<Card>(card)));
    }
}

void TrackerPanel::mirror(const Tracker& tracker) {
    for (int card = 0; card < kDeckSize; ++card) {
        const auto i = static_cast<std::size_t>(card);
        const TrackerLabel& now = tracker.label(static_cast<Card>(card));
        if (now != shown_[i]) showLabel(i, now);
    }
}

void TrackerPanel::showLabel(std::size_t i, const TrackerLabel& label) {
    labels_[i]->setText(
        QString::fromUtf8(label.caption.data(), static_cast<qsizetype>(label.caption.size())));
    setLabelColours(labels_[i], toQColor(label.foreColour), toQColor(label.backColour));
    labels_[i]->setAccessibleDescription(accessible::trackerState(label));
    shown_[i] = label;
}

}  // namespace troven
