#include "ranking/ranking_window_model.h"

#include <utility>

#include "ranking/ranking_table.h"
#include "ranking/score_file.h"

namespace troven {

RankingWindowModel::RankingWindowModel(QString path) : path_(std::move(path)) {}

void RankingWindowModel::Form_Load(std::int32_t newScore) {
    reported_.reset();
    failureToTell_.clear();
    table_ = loadTable(path_);
    for (int rank = 0; rank < kPlaces; ++rank) {
        const auto i = static_cast<std::size_t>(rank);
        ranking_[i] = RankEntry{table_.names[i], table_.score(rank)};
    }
    ++openCount_;

    entered_ = entryPosition(ranking_, newScore);
    awaitsName_ = entered_ != kNotEntered;
    if (!awaitsName_) return;
    insertEntry(ranking_, entered_, newScore);
    ShowRanking();
}

// There is no way out but an accepted name.
void RankingWindowModel::answerName(QStringView answer) {
    if (!awaitsName_) return;
    auto name = acceptedName(answer);
    if (!name) return;
    awaitsName_ = false;
    ranking_[entered_].Name = std::move(*name);
    ShowRanking();
    save();
}

SaveResult RankingWindowModel::Form_Unload() { return save(); }

SaveResult RankingWindowModel::save() {
    SaveResult saved = saveTable(table_, path_);
    std::optional<ReportedFailure> failure;
    if (!saved.ok()) failure = ReportedFailure{table_, saveFailureMessage(path_, saved)};
    failureToTell_ = failure && failure != reported_ ? failure->message : QString();
    reported_ = std::move(failure);
    return saved;
}

void RankingWindowModel::ShowRanking() {
    for (std::size_t i = 0; i < kPlaces; ++i) {
        table_.names[i] = ranking_[i].Name;
        table_.scores[i] = captionWithSign(ranking_[i].Score);
    }
}

}  // namespace troven
