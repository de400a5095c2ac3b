#pragma once

#include <QString>
#include <array>
#include <optional>

#include "default_table.h"
#include "score_line.h"

namespace troven {

enum class ScoreFileState {
    Missing,     // no file yet, the normal first run: the default table
    Clean,       // ten lines exactly as this program writes them (anything after them is ignored)
    Irregular,   // short or malformed: what could be read, the rest from the default table
    Unreadable,  // the file is there but cannot be opened: the default table
};

// The reading half of every access to "score.dat".
class ScoreFileReader {
  public:
    // Reads at most what ten lines of up to kMaxLineBytes can take, however large the file, and
    // closes it again. A line longer than that, and everything after it, counts as unreadable.
    static constexpr qsizetype kMaxLineBytes = 1024;

    explicit ScoreFileReader(const QString& path);

    ScoreFileState state() const { return state_; }

    // Record `rank` (0 to 9). A record the file does not hold in readable form comes from the
    // default table at its rank.
    ScoreRecord record(int rank) const;

  private:
    void split(QByteArrayView data);

    std::array<std::optional<ParsedScoreLine>, kPlaces> lines_;
    bool exact_ = true;
    ScoreFileState state_ = ScoreFileState::Missing;
};

}  // namespace troven
