#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include "printers.h"
#include "score_files.h"

namespace troven::testing {

// A fresh folder for each test that touches files, holding (or not) its "score.dat".
class ScoreDirTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString path(const QString& name = "score.dat") const { return dir_.filePath(name); }
    QString backup() const { return path("score.dat.bak"); }

    void write(const QByteArray& bytes, const QString& name = "score.dat") const {
        ASSERT_TRUE(writeFile(path(name), bytes));
    }
    QByteArray read(const QString& name = "score.dat") const { return readFile(path(name)); }
    bool exists(const QString& name) const { return QFile::exists(path(name)); }
    // Everything in the folder, hidden files too, to see that nothing was left behind.
    QStringList entries() const {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
    }

    QTemporaryDir dir_;
};

}  // namespace troven::testing
