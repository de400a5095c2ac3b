#include "score_file_reader.h"

#include <QFile>
#include <algorithm>

namespace troven {
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
    split(file.read(kReadLimit));
    const bool complete = std::all_of(lines_.begin(), lines_.end(),
                                      [](const auto& line) { return line.has_value(); });
    state_ = complete && exact_ ? ScoreFileState::Clean : ScoreFileState::Irregular;
}

// Takes up to ten lines; CR LF ends a line as written, a lone CR or LF is taken as a line end
// too, and a last line without any line end is still read.
void ScoreFileReader::split(QByteArrayView data) {
    qsizetype pos = 0;
    for (auto& line : lines_) {
        if (pos >= data.size()) return;
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
        if (end - pos > kMaxLineBytes) return;
        line = parseScoreLine(data.sliced(pos, end - pos));
        exact_ = exact_ && line && line->exact;
        pos = next;
    }
}

ScoreRecord ScoreFileReader::record(int rank) const {
    const auto& line = lines_.at(static_cast<std::size_t>(rank));
    return line ? ScoreRecord(*line) : ScoreRecord{defaultName(rank), defaultScore(rank)};
}

}  // namespace troven
