#include "ranking/score_file.h"

#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>

#include <algorithm>
#include <charconv>
#include <system_error>

#include "ranking/ranking_table.h"
#include "ranking/save_log.h"

namespace troven {

Q_LOGGING_CATEGORY(saveLog, "troven.save", QtWarningMsg)

namespace {

QString reason(const QString& path, SaveResult::Failure failure) {
    switch (failure) {
        case SaveResult::Failure::BackupFailed:
            return QStringLiteral("正しく読めなかった元の内容を「%1」に控えられませんでした")
                .arg(backupPath(path));
        case SaveResult::Failure::CannotCreate:
            return QStringLiteral("新しいファイルを作れませんでした");
        case SaveResult::Failure::WriteFailed:
            return QStringLiteral("書き込みに失敗しました");
        case SaveResult::Failure::CannotReplace:
            return QStringLiteral("元のファイルと置き換えられませんでした");
        case SaveResult::Failure::None:
            break;
    }
    return {};
}

}  // namespace

QString saveFailureMessage(const QString& path, const SaveResult& result) {
    if (result.ok()) return {};
    return QStringLiteral(
               "ランキングを「%1」に保存できませんでした。\n理由: %2（%3）\n"
               "「%1」は変更していません。")
        .arg(path, reason(path, result.failure), result.detail);
}

QByteArray scoreLine(QByteArrayView name, std::int16_t score) {
    return '"' + name.toByteArray() + "\"," + QByteArray::number(score) + "\r\n";
}

std::optional<ParsedScoreLine> parseScoreLine(QByteArrayView line) {
    const qsizetype open = line.indexOf('"');
    const qsizetype close = line.lastIndexOf("\",");
    if (open < 0 || close <= open) return std::nullopt;

    const QByteArrayView scoreField = line.sliced(close + 2);
    // Blanks around the number are not part of it, as when a score caption is saved.
    const QByteArrayView scoreText = scoreField.trimmed();
    std::int16_t score = 0;
    const auto [stop, error] = std::from_chars(scoreText.begin(), scoreText.end(), score);
    if (error != std::errc() || stop != scoreText.end()) return std::nullopt;

    return ParsedScoreLine{{line.sliced(open + 1, close - open - 1).toByteArray(), score},
                           open == 0 && scoreField == QByteArray::number(score)};
}

namespace {

constexpr qsizetype kReadLimit = kPlaces * (ScoreFileReader::kMaxLineBytes + 2);

qsizetype lineEnd(QByteArrayView data, qsizetype from) {
    const auto* const end = std::find_if(data.begin() + from, data.end(),
                                         [](char c) { return c == '\r' || c == '\n'; });
    return end == data.end() ? -1 : end - data.begin();
}

}  // namespace

ScoreFileReader::ScoreFileReader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        state_ = file.exists() ? ScoreFileState::Unreadable : ScoreFileState::Missing;
        return;
    }
    const QByteArray data = file.read(kReadLimit);
    // Anything after the ten lines is not as the game writes the file either.
    if (split(data) < data.size() || !file.atEnd()) exact_ = false;
    const bool complete = std::all_of(lines_.begin(), lines_.end(),
                                      [](const auto& line) { return line.has_value(); });
    state_ = complete && exact_ ? ScoreFileState::Clean : ScoreFileState::Irregular;
}

// Takes up to ten lines; CR LF ends a line as written, a lone CR or LF is taken as a line end
// too, and a last line without any line end is still read. Returns where the reading stopped.
qsizetype ScoreFileReader::split(QByteArrayView data) {
    qsizetype pos = 0;
    for (auto& line : lines_) {
        if (pos >= data.size()) return pos;
        qsizetype end = lineEnd(data, pos);
        qsizetype next = end + 1;
        if (end < 0) {
            end = next = data.size();
            exact_ = false;
        } else if (data[end] == '\r' && next < data.size() && data[next] == '\n') {
            ++next;
        } else {
            exact_ = false;
        }
        if (end - pos > kMaxLineBytes) return pos;
        line = parseScoreLine(data.sliced(pos, end - pos));
        exact_ = exact_ && line && line->exact;
        pos = next;
    }
    return pos;
}

ScoreRecord ScoreFileReader::record(int rank) const {
    const auto& line = lines_.at(static_cast<std::size_t>(rank));
    return line ? ScoreRecord(*line) : ScoreRecord{defaultName(rank), defaultScore(rank)};
}

namespace {

// Streams the whole file, however large, and puts the copy in place in one step.
SaveResult copyFile(const QString& from, const QString& to) {
    constexpr qint64 kChunk = 64 * 1024;
    const auto failed = [](const QFileDevice& device) {
        return SaveResult{SaveResult::Failure::BackupFailed, device.errorString()};
    };
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) return failed(source);
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return failed(target);
    for (QByteArray chunk; !(chunk = source.read(kChunk)).isEmpty();) {
        if (target.write(chunk) != chunk.size()) return failed(target);
    }
    if (source.error() != QFileDevice::NoError) return failed(source);
    if (!target.commit()) return failed(target);
    return {};
}

}  // namespace

QString backupPath(const QString& path) { return path + QStringLiteral(".bak"); }

SaveResult keepOriginalIfIrregular(const QString& path) {
    switch (ScoreFileReader(path).state()) {
        case ScoreFileState::Missing:
        case ScoreFileState::Clean:
            return {};
        case ScoreFileState::Irregular:
        case ScoreFileState::Unreadable:
            break;
    }
    SaveResult kept = copyFile(path, backupPath(path));
    if (kept.ok()) qCInfo(saveLog) << path << "did not read cleanly: kept as" << backupPath(path);
    return kept;
}

DisplayedTable loadTable(const QString& path) {
    const ScoreFileReader reader(path);
    DisplayedTable table;
    for (int rank = 0; rank < kPlaces; ++rank) {
        const ScoreRecord record = reader.record(rank);
        table.names.at(static_cast<std::size_t>(rank)) = record.name;
        table.scores.at(static_cast<std::size_t>(rank)) = captionWithoutSign(record.score);
    }
    return table;
}

namespace {

SaveResult writeTable(const DisplayedTable& table, const QString& path) {
    if (SaveResult kept = keepOriginalIfIrregular(path); !kept.ok()) return kept;

    QSaveFile file(path);
    // Unbuffered, and every write checked (as the backup copy is): QSaveFile's commit does not
    // notice a write that fails only as its buffer is flushed, nor one cut short, and would put
    // an empty or cut file in place on a full disk.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return {SaveResult::Failure::CannotCreate, file.errorString()};
    }
    for (int rank = 0; rank < kPlaces; ++rank) {
        const QByteArray line =
            scoreLine(table.names.at(static_cast<std::size_t>(rank)), fileScore(table.score(rank)));
        if (file.write(line) != line.size()) {
            return {SaveResult::Failure::WriteFailed, file.errorString()};
        }
    }
    if (!file.commit()) {
        const auto failure = file.error() == QFileDevice::WriteError
                                 ? SaveResult::Failure::WriteFailed
                                 : SaveResult::Failure::CannotReplace;
        return {failure, file.errorString()};
    }
    return {};
}

}  // namespace

SaveResult saveTable(const DisplayedTable& table, const QString& path) {
    SaveResult saved = writeTable(table, path);
    if (!saved.ok()) {
        qCInfo(saveLog).noquote() << "saving" << path << "failed:" << reason(path, saved.failure)
                                  << "(" + saved.detail + ")";
    }
    return saved;
}

bool entersRanking(int count, const QString& path) {
    return count > ScoreFileReader(path).record(kPlaces - 1).score;
}

}  // namespace troven
