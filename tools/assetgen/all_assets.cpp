#include "all_assets.h"

#include <QDir>
#include <QtEndian>

#include <stdexcept>

#include "art/artwork.h"
#include "picture_output.h"
#include "program_facts.h"
#include "sounds.h"
#include "wave/wave_writer.h"

namespace troven::assetgen {

namespace {

void writeIcons(const QDir& folder) {
    for (int size : facts::kIconSizes) {
        savePng(art::renderProgramIcon(size), folder,
                QString::asprintf("icon/troven-%d.png", size));
    }
    savePng(art::renderProgramIcon(2 * art::kIconDesignSize), folder,
            QString::asprintf("icon/troven-%d@2x.png", art::kIconDesignSize));
}

void writeSound(const QDir& folder, const QString& relativePath,
                const std::vector<std::int16_t>& pcm) {
    QByteArray samples(static_cast<qsizetype>(pcm.size() * sizeof(std::int16_t)),
                       Qt::Uninitialized);
    qToLittleEndian<std::int16_t>(pcm.data(), static_cast<qsizetype>(pcm.size()), samples.data());
    const QString path = folder.filePath(relativePath);
    if (!writeWaveFile(path, {WaveFormat(WaveFormat::Int16, 1, kSampleRate), samples})) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

void writeSounds(const QDir& folder) {
    if (!folder.mkpath("sounds")) {
        throw std::runtime_error("cannot create " + folder.filePath("sounds").toStdString());
    }
    writeSound(folder, "sounds/card.wav", synthesizeCardSnap());
    writeSound(folder, "sounds/wa.wav", synthesizeFanfare());
}

}  // namespace

void writeAllAssets(const QDir& folder) {
    for (const art::Artwork& artwork : art::allArtworks()) {
        writePicture(folder, artwork);
    }
    writeIcons(folder);
    writeSounds(folder);
}

}  // namespace troven::assetgen
