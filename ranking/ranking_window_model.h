#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

#include "ranking_table.h"
#include "score_file.h"

namespace troven {

// What the ranking window asks of the window system, so that its logic runs with scripted
// answers in tests. All three boxes are modal.
class RankingDialogs {
  public:
    virtual ~RankingDialogs() = default;
    // Text-input box with prompt, title and pre-filled text, placed by the window system.
    // Returns the empty text when the player cancels.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
    // Yes/No message box with the question icon and no title of its own; true for Yes.
    virtual bool askYesNo(const QString& question) = 0;
    // Message box with a warning, for a save that failed.
    virtual void showWarning(const QString& message) = 0;
};

}  // namespace troven

namespace troven::text {

inline constexpr QStringView kNamePrompt = u"10文字（全角５文字）以内で入力してください。";
inline constexpr QStringView kNameTitle = u"おめでとう！ Top10へ名前の登録です。";
inline constexpr QStringView kClearQuestion = u"ランキングをクリアしますか？";

}  // namespace troven::text

namespace troven {

// The ranking window (Form2) without widgets. It lives for the whole run, since Ranking and
// OpenCount outlive each opening; the widget is created at each opening, calls the three
// handlers with itself as the dialogs and mirrors table() to its labels after each of them.
class RankingWindowModel {
  public:
    // `path` is the score file: kScoreFileName in the program.
    explicit RankingWindowModel(QString path);

    // Opening, with the result a game's end hands over (0 from the menu): loads the table,
    // rebuilds Ranking, counts the load in OpenCount and, when `newScore` beats the tenth score,
    // inserts it, asks for a name until one is accepted and saves the table at once, so that the
    // entry outlives a session that ends before the window closes.
    void Form_Load(RankingDialogs& dialogs, std::int32_t newScore);

    // The Clear button: after a Yes, the captions show the default table (Ranking stays as it
    // is; the file gets the default table when the window closes).
    void Command1_Click(RankingDialogs& dialogs);

    // Closing: saves the captions and warns through `dialogs` if that failed. Never cancelled. A
    // failure the player was just told of at the entry's save, with the captions unchanged since,
    // is not told again.
    SaveResult Form_Unload(RankingDialogs& dialogs);

    const DisplayedTable& table() const { return table_; }
    const RankingTable& Ranking() const { return ranking_; }
    std::uint8_t OpenCount() const { return openCount_; }
    // The place of the result entered at the last opening, kNotEntered if none was.
    std::uint8_t enteredPosition() const { return entered_; }

  private:
    // A failed save as the player was told of it.
    struct ReportedFailure {
        DisplayedTable table;
        QString message;
        bool operator==(const ReportedFailure&) const = default;
    };

    void ShowRanking();
    QByteArray askName(RankingDialogs& dialogs) const;
    SaveResult save(RankingDialogs& dialogs);

    QString path_;
    DisplayedTable table_;
    RankingTable ranking_;
    std::uint8_t openCount_ = 0;  // 8 bits: the 256th load wraps to 0, named "Player_000"
    std::uint8_t entered_ = kNotEntered;
    std::optional<ReportedFailure> reported_;  // the last save of this opening, if it failed
};

}  // namespace troven
