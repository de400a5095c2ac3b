// The committed pictures and sounds are exactly what the generator draws today.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace {

// The pictures and sounds below folder, as sorted paths relative to it.
QStringList assetFiles(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, {"*.png", "*.wav"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << QDir(folder).relativeFilePath(it.next());
    }
    files.sort();
    return files;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(AssetGenerator, CommittedFilesEqualTheGeneratorsOutput) {
    QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    QProcess generator;
    generator.start(TROVEN_ASSETGEN, {output.path()});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    const QStringList generated = assetFiles(output.path());
    ASSERT_EQ(generated, assetFiles(TROVEN_ASSETS_DIR))
        << "run: cmake --build <build dir> --target regenerate_assets";
    EXPECT_EQ(generated.size(), 2 * 58 + 6 + 2);  // 58 pictures with twins, 6 icons, 2 sounds
    for (const QString& file : generated) {
        EXPECT_TRUE(contents(output.filePath(file)) == contents(TROVEN_ASSETS_DIR "/" + file))
            << file.toStdString() << " differs from the generator's output";
    }
}
