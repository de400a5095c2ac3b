#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace troven::cp932 {

// Text in code page 932 (Shift_JIS with the Windows extensions), the code page of "score.dat".
struct Encoded {
    QByteArray bytes;     // the characters that could be encoded, in order
    QString unencodable;  // the characters code page 932 lacks, in order; empty when none

    bool complete() const { return unencodable.isEmpty(); }
};

Encoded encode(QStringView text);

// Bytes that are not valid code page 932 come out as U+FFFD, one per byte, so any bytes at all
// can be shown.
QString decode(QByteArrayView bytes);

}  // namespace troven::cp932
