#include "all_assets.h"

#include <QDir>
#include <QPainter>
#include <stdexcept>

#include "picture_output.h"
#include "pictures.h"
#include "sounds.h"
#include "wav_file.h"

namespace troven::assetgen {

namespace {

void writeCards(const QDir& folder) {
    for (int card = 0; card < 52; ++card) {
        writePicture(folder, QString::asprintf("cards/face_%02d", card), kCardSize,
                     [card](QPainter& painter) { paintCardFace(painter, card); });
    }
    writePicture(folder, "cards/back", kCardSize, paintCardBack);
}

void writeSuitSymbols(const QDir& folder) {
    const struct {
        Suit suit;
        const char* name;
    } symbols[] = {{Suit::Spades, "spade"},
                   {Suit::Hearts, "heart"},
                   {Suit::Clubs, "club"},
                   {Suit::Diamonds, "diamond"}};
    for (const auto& symbol : symbols) {
        writePicture(folder, QStringLiteral("suits/") + symbol.name, kSuitSymbolSize,
                     [&symbol](QPainter& painter) { paintSuitSymbol(painter, symbol.suit); });
    }
}

void writeIcons(const QDir& folder) {
    for (int size : {32, 48, 64, 128, 256}) {
        savePng(renderProgramIcon(size), folder, QString::asprintf("icon/troven-%d.png", size));
    }
    savePng(renderProgramIcon(2 * kIconDesignSize), folder,
            QString::asprintf("icon/troven-%d@2x.png", kIconDesignSize));
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
    writeCards(folder);
    writeSuitSymbols(folder);
    writePicture(folder, "emblem", kEmblemSize, paintEmblem);
    writeIcons(folder);
    writeSounds(folder);
}

}  // namespace troven::assetgen
