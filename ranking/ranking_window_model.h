#pragma once

#include <QString>

#include <cstdint>
#include <optional>

#include "ranking/ranking_table.h"
#include "ranking/score_file.h"

namespace troven {

// The ranking window (Form2) without widgets. It lives for the whole run, since Ranking and
// OpenCount outlive each opening; the widget is created at each opening, asks the player (the
// name, Clear's question), hands the answers over and mirrors table() to its labels.
class RankingWindowModel {
  public:
    // `path` is the score file: kScoreFileName in the program.
    explicit RankingWindowModel(QString path);

    // Opening, with the result a game's end hands over (0 from the menu): loads the table,
    // rebuilds Ranking and counts the load in OpenCount. A `newScore` above the tenth score is
    // inserted and awaits its name.
    void Form_Load(std::int32_t newScore);

    bool awaitsName() const { return awaitsName_; }
    // The name the prompt offers, the same every time within one opening.
    QString offeredName() const { return defaultPlayerName(openCount_); }
    // The prompt's answer to the entry awaiting its name. Changes nothing unless acceptedName()
    // takes it; accepted, it names the entry and the table is saved at once, so that the entry
    // outlives a session that ends before the window closes.
    void answerName(QStringView answer);

    // The Clear button, after the player's Yes: the captions show the default table (Ranking
    // stays as it is; the file gets the default table when the window closes).
    void clearTable() { table_ = DisplayedTable::defaults(); }

    // Closing: saves the captions. Never cancelled.
    SaveResult Form_Unload();

    // Why the last save of this opening failed, for the player; empty when it did not or when
    // the player was told of the same failure for the same table already.
    const QString& failureToTell() const { return failureToTell_; }

    const DisplayedTable& table() const { return table_; }
    const RankingTable& Ranking() const { return ranking_; }
    std::uint8_t OpenCount() const { return openCount_; }
    // The place of the result entered at the last opening, kNotEntered if none was.
    std::uint8_t enteredPosition() const { return entered_; }

  private:
    // A failed save as the player is told of it.
    struct ReportedFailure {
        DisplayedTable table;
        QString message;
        bool operator==(const ReportedFailure&) const = default;
    };

    void ShowRanking();
    SaveResult save();

    QString path_;
    DisplayedTable table_;
    RankingTable ranking_;
    std::uint8_t openCount_ = 0;  // 8 bits: the 256th load wraps to 0, named "Player_000"
    std::uint8_t entered_ = kNotEntered;
    bool awaitsName_ = false;
    std::optional<ReportedFailure> reported_;  // the last save of this opening, if it failed
    QString failureToTell_;
};

}  // namespace troven
