#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "printers.h"

namespace troven::testing {

// The default table as the program stores it: ten lines, 91 bytes.
inline const QByteArray kDefaultFile =
    "\"XYZ\",50\r\n\"AAA\",0\r\n\"BBB\",0\r\n\"CCC\",0\r\n\"VVV\",0\r\n"
    "\"WWW\",0\r\n\"GGG\",0\r\n\"JJJ\",0\r\n\"MMM\",0\r\n\"QQQ\",0\r\n";

// "全角５文字" in code page 932: five double-byte characters, ten bytes.
inline const QByteArray kZenkaku5 = "\x91\x53\x8A\x70\x82\x54\x95\xB6\x8E\x9A";

// A fresh folder for each test that touches files, holding (or not) its "score.dat".
class ScoreDirTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString path(const QString& name = "score.dat") const { return dir_.filePath(name); }
    QString backup() const { return path("score.dat.bak"); }

    void write(const QByteArray& bytes, const QString& name = "score.dat") const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray read(const QString& name = "score.dat") const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    bool exists(const QString& name) const { return QFile::exists(path(name)); }
    // Everything in the folder, to see that nothing was left behind or created.
    QStringList entries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    }

    QTemporaryDir dir_;
};

}  // namespace troven::testing
