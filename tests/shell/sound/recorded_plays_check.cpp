// Finds every play of the given sounds in a recording of what the sound server played and checks
// the plays against those expected.
//
// usage: recorded_plays_check CAPTURE EXPECTED SOUND.wav...
//   CAPTURE   signed 16-bit little-endian mono samples at 44100 Hz, as the pipe sink writes them
//   EXPECTED  the plays in the order heard, e.g. "card.wav:whole card.wav:cut card.wav:whole":
//             whole = heard from its beginning to its end; cut = heard from its beginning until a
//             new play of the same sound started over
//   SOUND     the wave files played; a play is named by its file's name
// Exit status 0 when the recording holds exactly the expected plays and no other sound, 1 when
// not, 2 on bad arguments. Two different sounds heard at the same time are not told apart.
#include <QFile>

#include <cstdio>

#include "sound_analysis.h"

using namespace troven::test;

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: recorded_plays_check CAPTURE EXPECTED SOUND.wav...\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "recorded_plays_check: cannot read %s\n", argv[1]);
        return 2;
    }
    const Signal capture = signalFromS16(file.readAll());
    std::vector<KnownSound> sounds;
    for (int i = 3; i < argc; ++i) {
        auto sound = readKnownSound(QString::fromLocal8Bit(argv[i]));
        if (!sound) {
            std::fprintf(stderr, "recorded_plays_check: %s is not a wave file with sound in it\n",
                         argv[i]);
            return 2;
        }
        sounds.push_back(std::move(*sound));
    }

    const std::vector<Play> plays = findPlays(capture, sounds);
    const auto seconds = [](std::size_t samples) {
        return static_cast<double>(samples) / kCaptureRate;
    };
    std::printf("recording: %.3f s\n", seconds(capture.size()));
    for (const Play& p : plays) {
        std::printf("%9.3f s  %-10s heard %.3f of %.3f s\n", seconds(p.start),
                    p.sound->name.c_str(), seconds(p.heard), seconds(p.sound->samples.size()));
    }
    const std::string heard = describe(plays);
    const std::size_t stray = strayLength(capture, plays);
    std::printf("heard: %s\nsound no play explains: %.3f s\n", heard.c_str(), seconds(stray));

    const std::string expected = QString::fromLocal8Bit(argv[2]).simplified().toStdString();
    if (heard != expected || stray > 0) {
        std::printf("MISMATCH: expected \"%s\" and nothing else\n", expected.c_str());
        return 1;
    }
    std::printf("as expected\n");
    return 0;
}
