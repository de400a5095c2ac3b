#include "ranking_window_model.h"

#include <utility>

#include "ranking_table.h"
#include "score_file.h"

namespace troven {

RankingWindowModel::RankingWindowModel(QString path) : path_(std::move(path)) {}

void RankingWindowModel::Form_Load(RankingDialogs& dialogs, std::int32_t newScore) {
    reported_.reset();
    table_ = loadTable(path_);
    for (int rank = 0; rank < kPlaces; ++rank) {
        const auto i = static_cast<std::size_t>(rank);
        ranking_[i] = RankEntry{table_.names[i], table_.score(rank)};
    }
    ++openCount_;

    const std::uint8_t position = entryPosition(ranking_, newScore);
    entered_ = position;
    if (position == kNotEntered) return;
    insertEntry(ranking_, position, newScore);
    ShowRanking();
    ranking_[position].Name = askName(dialogs);
    ShowRanking();
    save(dialogs);
}

void RankingWindowModel::Command1_Click(RankingDialogs& dialogs) {
    if (dialogs.askYesNo(text::kClearQuestion.toString())) table_ = DisplayedTable::defaults();
}

SaveResult RankingWindowModel::Form_Unload(RankingDialogs& dialogs) { return save(dialogs); }

SaveResult RankingWindowModel::save(RankingDialogs& dialogs) {
    SaveResult saved = saveTable(table_, path_);
    std::optional<ReportedFailure> failure;
    if (!saved.ok()) failure = ReportedFailure{table_, saveFailureMessage(path_, saved)};
    if (failure && failure != reported_) dialogs.showWarning(failure->message);
    reported_ = std::move(failure);
    return saved;
}

void RankingWindowModel::ShowRanking() {
    for (std::size_t i = 0; i < kPlaces; ++i) {
        table_.names[i] = ranking_[i].Name;
        table_.scores[i] = captionWithSign(ranking_[i].Score);
    }
}

// There is no way out but an accepted name; the same default is offered every time.
QByteArray RankingWindowModel::askName(RankingDialogs& dialogs) const {
    const QString offered = defaultPlayerName(openCount_);
    for (;;) {
        const QString answer =
            dialogs.inputBox(text::kNamePrompt.toString(), text::kNameTitle.toString(), offered);
        if (auto name = acceptedName(answer)) return std::move(*name);
    }
}

}  // namespace troven
