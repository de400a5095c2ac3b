// Plays two sound devices the way the main window does, against the sound server that
// PULSE_SERVER names: both opened, one play of each, a quick double play of the first, both
// closed. Works in the directory given, on its "card.wav" and "wa.wav"; with --test-sounds it
// first writes two noise sounds there under those names. Prints when each play was issued and
// how long Prev and Play took together.
// usage: sound_driver DIR [--test-sounds]
#include "mm_control.h"
#include "test_waves.h"
#include "wave_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using troven::MMControl;

namespace {

// Waits with the event loop running: the devices feed the sound server from it.
void pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

int drive(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool testSounds = argc == 3 && QByteArray(argv[2]) == "--test-sounds";
    if ((argc != 2 && !testSounds) || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "usage: sound_driver DIR [--test-sounds]\n");
        return 2;
    }
    using troven::test::noiseSamples, troven::test::waveImage, troven::test::writeFile;
    if (testSounds && (!writeFile("card.wav", waveImage(noiseSamples(0.4, 1))) ||
                       !writeFile("wa.wav", waveImage(noiseSamples(0.6, 2))))) {
        std::fprintf(stderr, "sound_driver: cannot write the sounds\n");
        return 1;
    }

    QElapsedTimer clock;
    clock.start();
    // No built-in copies: the plays heard must be these files.
    MMControl card{troven::SoundFallbacks{}};
    MMControl wa{troven::SoundFallbacks{}};
    for (auto [device, file] : {std::pair{&card, "card.wav"}, std::pair{&wa, "wa.wav"}}) {
        const qint64 start = clock.nsecsElapsed();
        device->setDeviceType("WaveAudio");
        device->setFileName(file);
        device->setCommand(MMControl::Command::Open);
        std::printf("%8.3f s  open %-8s took %.3f ms\n", start / 1e9, file,
                    (clock.nsecsElapsed() - start) / 1e6);
        for (int waited = 0; !device->isAudible() && waited < 5000; waited += 10) pause(10);
        if (device->source() != file || !device->isAudible()) {
            std::fprintf(stderr, "sound_driver: %s cannot be played: %s\n", file,
                         device->source() != file ? "not a playable wave file" : "no audio output");
            return 1;
        }
    }

    qint64 slowestNs = 0;
    const auto play = [&](MMControl& device) {
        const qint64 start = clock.nsecsElapsed();
        device.setCommand(MMControl::Command::Prev);
        device.setCommand(MMControl::Command::Play);
        const qint64 took = clock.nsecsElapsed() - start;
        slowestNs = std::max(slowestNs, took);
        std::printf("%8.3f s  play %-8s took %.3f ms\n", start / 1e9, qPrintable(device.fileName()),
                    took / 1e6);
    };

    // Each sound is given half a second more than it lasts to be heard to its end.
    const auto length = [](const char* file) {
        const auto wave = troven::readWaveFile(file);
        return static_cast<int>(wave->format.durationForBytes(wave->samples.size()) / 1000) + 500;
    };
    pause(500);
    play(card);
    pause(length("card.wav"));
    play(wa);
    pause(length("wa.wav"));
    play(card);
    pause(150);  // a quick second click, well before the first play ends
    play(card);
    pause(length("card.wav"));
    card.setCommand(MMControl::Command::Close);
    wa.setCommand(MMControl::Command::Close);
    std::printf("slowest Prev+Play: %.3f ms\n", slowestNs / 1e6);
    return 0;
}

}  // namespace

int main(int argc, char** argv) { return drive(argc, argv); }
