#pragma once

#include <QByteArray>
#include <QString>

#include <ostream>

#include "ranking/ranking_table.h"

// Readable GoogleTest failures (the printers are found by argument-dependent lookup).
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << '"' << bytes.toStdString() << "\" (" << bytes.toHex(' ').toStdString() << ')';
}

namespace troven {
inline void PrintTo(const RankEntry& entry, std::ostream* out) {
    PrintTo(entry.Name, out);
    *out << ' ' << entry.Score;
}
}  // namespace troven
