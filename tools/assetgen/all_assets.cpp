#include "all_assets.h"

#include <QDir>
#include <stdexcept>

#include "artwork.h"
#include "picture_output.h"
#include "sounds.h"
#include "wav_file.h"

namespace troven::assetgen {

namespace {

void writeIcons(const QDir& folder) {
    for (int size : {32, 48, 64, 128, 256}) {
        savePng(art::renderProgramIcon(size), folder,
                QString::asprintf("icon/troven-%d.png", size));
    }
    savePng(art::renderProgramIcon(2 * art::kIconDesignSize), folder,
            QString::asprintf("icon/troven-%d@2x.png", art::kIconDesignSize));
}

void writeSounds(const QDir& folder) {
    if (!folder.mkpath("sounds")) {
        throw std::runtime_error("cannot create " + folder.filePath("sounds").toStdString());
    }
    writeWav(folder.filePath("sounds/card.wav").toStdString(), synthesizeCardSnap(), kSampleRate);
    writeWav(folder.filePath("sounds/wa.wav").toStdString(), synthesizeFanfare(), kSampleRate);
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
