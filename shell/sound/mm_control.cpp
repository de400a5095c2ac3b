#include "mm_control.h"

#include "audio_output.h"
#include "sound_module.h"
#include "wave_file.h"

#include <optional>
#include <utility>

namespace troven {
namespace {

bool isCommand(const QString& command, const char* name) {
    return command.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0;
}

}  // namespace

SoundFallbacks builtInSounds() {
    return {{QStringLiteral("card.wav"), QStringLiteral(":/sounds/card.wav")},
            {QStringLiteral("wa.wav"), QStringLiteral(":/sounds/wa.wav")}};
}

MMControl::MMControl(QObject* parent) : MMControl(builtInSounds(), parent) {}

MMControl::MMControl(SoundFallbacks fallbacks, QObject* parent)
    : QObject(parent), fallbacks_(std::move(fallbacks)) {}

MMControl::~MMControl() {
    // The output is deleted in its own thread as that thread ends (see open()).
    thread_.quit();
    thread_.wait();
}

void MMControl::setCommand(const QString& command) {
    command_ = command;
    emit commandIssued(command);
    if (isCommand(command, "Open")) {
        open();
    } else if (isCommand(command, "Prev")) {
        prev();
    } else if (isCommand(command, "Play")) {
        play();
    } else if (isCommand(command, "Close")) {
        close();
    }
}

template <typename Step>
void MMControl::send(Step step) {
    QMetaObject::invokeMethod(output_, std::move(step), Qt::QueuedConnection);
}

void MMControl::open() {
    if (open_ || !isCommand(deviceType_, "WaveAudio")) return;
    open_ = true;

    std::optional<WaveSound> sound;
    if (!fileName_.isEmpty()) sound = readWaveFile(fileName_);
    if (sound) {
        source_ = fileName_;
    } else if (const QString copy = fallbacks_.value(fileName_); !copy.isEmpty()) {
        sound = readWaveFile(copy);
        if (sound) source_ = copy;
    }
    const SoundModule* module = sound ? soundModule() : nullptr;
    if (!module) return;
    QVariant device = module->defaultOutput();
    if (device.isNull()) return;

    if (!output_) {
        output_ = module->createOutput();
        output_->moveToThread(&thread_);
        connect(
            &thread_, &QThread::finished, output_, [output = output_] { delete output; },
            Qt::DirectConnection);
        thread_.setObjectName(QStringLiteral("sound"));
        thread_.start();
    }
    audible_ = true;
    send([output = output_, device = std::move(device), wave = std::move(*sound)] {
        output->load(device, wave);
    });
}

void MMControl::prev() {
    if (audible_) send([output = output_] { output->rewind(); });
}

void MMControl::play() {
    if (audible_) send([output = output_] { output->play(); });
}

void MMControl::close() {
    if (!open_) return;
    open_ = false;
    source_.clear();
    if (audible_) send([output = output_] { output->release(); });
    audible_ = false;
}

}  // namespace troven
