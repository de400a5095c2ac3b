#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace troven::testing {

// The default table as the program stores it: ten lines, 91 bytes.
inline const QByteArray kDefaultScoreFile =
    "\"XYZ\",50\r\n\"AAA\",0\r\n\"BBB\",0\r\n\"CCC\",0\r\n\"VVV\",0\r\n"
    "\"WWW\",0\r\n\"GGG\",0\r\n\"JJJ\",0\r\n\"MMM\",0\r\n\"QQQ\",0\r\n";

// "全角５文字" in code page 932: five double-byte characters, ten bytes, the longest name.
inline const QByteArray kZenkaku5 = "\x91\x53\x8A\x70\x82\x54\x95\xB6\x8E\x9A";

// The whole file, or "<missing>" when it cannot be read, so that a comparison shows which.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Whether all of `bytes` went into the file.
[[nodiscard]] inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace troven::testing
