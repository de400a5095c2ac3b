// The committed pictures and sounds are what the generator makes today. They are compared
// decoded, not byte for byte: a newer zlib or libpng packs the same pixels into other bytes.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdlib>
#include <string>

#include "sample_values.h"
#include "wave/wave_file.h"

namespace {

// Qt's raster engine blends antialiased edges and text in 8-bit fixed point, and its vector and
// plain code paths may round a blend a step apart; a drawing that really changed (a line moved,
// a colour changed) is tens of steps off.
constexpr int kChannelTolerance = 2;  // of 255
// Another maths library may round a synthesised sample the other way, one step; a sound that
// really changed (another pitch, envelope or loudness) is hundreds of steps off.
constexpr int kSampleTolerance = 2;  // of 32767

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

bool channelsClose(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= kChannelTolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= kChannelTolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= kChannelTolerance &&
           std::abs(qAlpha(a) - qAlpha(b)) <= kChannelTolerance;
}

// What tells the generated picture from the committed one; empty when they match.
std::string pictureDifference(const QString& generatedPath, const QString& committedPath) {
    const QImage generated = QImage(generatedPath).convertToFormat(QImage::Format_ARGB32);
    const QImage committed = QImage(committedPath).convertToFormat(QImage::Format_ARGB32);
    if (generated.isNull() || committed.isNull()) return "unreadable";
    if (generated.size() != committed.size()) return "another size";
    for (int y = 0; y < generated.height(); ++y) {
        for (int x = 0; x < generated.width(); ++x) {
            const QRgb made = generated.pixel(x, y);
            const QRgb kept = committed.pixel(x, y);
            if (!channelsClose(made, kept)) {
                return QString::asprintf("pixel (%d, %d) is #%08x, committed #%08x", x, y, made,
                                         kept)
                    .toStdString();
            }
        }
    }
    return {};
}

// What tells the generated sound from the committed one; empty when they match.
std::string soundDifference(const QString& generatedPath, const QString& committedPath) {
    const auto generated = troven::readWaveFile(generatedPath);
    const auto committed = troven::readWaveFile(committedPath);
    if (!generated || !committed) return "unreadable";
    // Rate, channels and bits per sample.
    if (!(generated->format == committed->format)) return "another format";
    if (generated->format.sampleFormat() != troven::WaveFormat::Int16) return "not 16-bit PCM";
    const std::vector<std::int16_t> made = sampleValues(*generated);
    const std::vector<std::int16_t> kept = sampleValues(*committed);
    if (made.size() != kept.size()) return "another length";
    for (std::size_t i = 0; i < made.size(); ++i) {
        if (std::abs(made[i] - kept[i]) > kSampleTolerance) {
            return "sample " + std::to_string(i) + " is " + std::to_string(made[i]) +
                   ", committed " + std::to_string(kept[i]);
        }
    }
    return {};
}

}  // namespace

TEST(AssetGenerator, CommittedFilesMatchTheGeneratorsOutput) {
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
        const QString made = output.filePath(file);
        const QString kept = TROVEN_ASSETS_DIR "/" + file;
        EXPECT_EQ(
            file.endsWith(".png") ? pictureDifference(made, kept) : soundDifference(made, kept), "")
            << file.toStdString() << " differs from the generator's output";
    }
}
