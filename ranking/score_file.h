#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

#include "ranking/ranking_table.h"

// The file "score.dat": its lines, reading it whatever it holds, saving it in one step with the
// original kept when it did not read cleanly, and the end-of-game comparison with its tenth score.

namespace troven {

// How a save of "score.dat" went. A failed save leaves the file as it was.
struct SaveResult {
    enum class Failure {
        None,
        BackupFailed,   // a file that did not read cleanly could not be kept as ".bak" first
        CannotCreate,   // the new file could not be started (read-only folder, no such folder)
        WriteFailed,    // writing it failed (disk full)
        CannotReplace,  // it could not take the old file's place
    };

    Failure failure = Failure::None;
    QString detail;  // the system's own explanation

    bool ok() const { return failure == Failure::None; }
};

// The message the ranking window shows when saving to `path` failed.
QString saveFailureMessage(const QString& path, const SaveResult& result);

// One record line of "score.dat": a double quote, the name bytes as they are, a double quote,
// a comma, the score in decimal, CR LF. Quotes inside a name are not escaped.
QByteArray scoreLine(QByteArrayView name, std::int16_t score);

// A record of "score.dat". The name is kept as the file's own code page 932 bytes, so that it
// goes back to the file byte for byte, even one that is not valid code page 932.
struct ScoreRecord {
    QByteArray name;
    std::int16_t score = 0;
};

struct ParsedScoreLine : ScoreRecord {
    // The line is exactly as scoreLine() writes it (line end aside): saving it again changes
    // nothing.
    bool exact = false;
};

// A line without its line end. The name lies between the first double quote and the last `",`,
// so names that hold quotes or commas read back whole; the score must be a decimal integer
// within 16 bits, blanks before and after it aside. Nothing for a line that does not read so.
std::optional<ParsedScoreLine> parseScoreLine(QByteArrayView line);

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
    qsizetype split(QByteArrayView data);

    std::array<std::optional<ParsedScoreLine>, kPlaces> lines_;
    bool exact_ = true;
    ScoreFileState state_ = ScoreFileState::Missing;
};

// "score.dat" -> "score.dat.bak"
QString backupPath(const QString& path);

// Before a save replaces a file that did not read cleanly (short, malformed or unreadable), its
// bytes are kept as backupPath(path), so nothing the player had is lost unseen. A clean or
// missing file needs nothing. Fails (and the save must not go on) if the copy cannot be made.
SaveResult keepOriginalIfIrregular(const QString& path);

// The program opens its ranking by this bare name, in the current working directory.
inline const QString kScoreFileName = QStringLiteral("score.dat");

// The ranking window opens: the ten records become the captions ("50", "-3": no sign position).
// A missing file gives the default table; a short or malformed one gives what it holds readably
// and the default table for the rest.
DisplayedTable loadTable(const QString& path);

// The ranking window closes: every row goes into a new file that takes the old one's place in
// one step (a crash or a full disk never leaves half a file). A score caption is read ignoring
// blanks (" 50" saves as 50) and saved as the nearest 16-bit value. A file that did not read
// cleanly is first kept as ".bak".
SaveResult saveTable(const DisplayedTable& table, const QString& path);

// The end of a game: whether `count` enters the ranking kept in `path`, that is beats its tenth
// score strictly. The caller then hands the count to the ranking window, plays the ranking sound
// and opens the window. A missing file reads as the default table (tenth score 0), a malformed
// one as far as it is readable.
bool entersRanking(int count, const QString& path);

}  // namespace troven
