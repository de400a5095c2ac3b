#include "sound/mm_control.h"

#include <optional>
#include <utility>

#include "wave/sound_log.h"
#include "wave/wave_file.h"

namespace troven {

SoundFallbacks builtInSounds() {
    return {{QStringLiteral("card.wav"), QStringLiteral(":/sounds/card.wav")},
            {QStringLiteral("wa.wav"), QStringLiteral(":/sounds/wa.wav")}};
}

MMControl::MMControl(QObject* parent, OutputFactory makeOutput)
    : MMControl(builtInSounds(), parent, std::move(makeOutput)) {}

MMControl::MMControl(SoundFallbacks fallbacks, QObject* parent, OutputFactory makeOutput)
    : QObject(parent), fallbacks_(std::move(fallbacks)), makeOutput_(std::move(makeOutput)) {}

MMControl::~MMControl() = default;

void MMControl::setCommand(Command command) {
    switch (command) {
        case Command::Open:
            return open();
        case Command::Prev:
            if (output_) output_->rewind();
            return;
        case Command::Play:
            if (output_) output_->play();
            return;
        case Command::Close:
            open_ = false;
            source_.clear();
            output_.reset();
            return;
    }
}

bool MMControl::isAudible() const { return output_ && output_->isReady(); }

void MMControl::open() {
    if (open_ || deviceType_.compare(QLatin1StringView("WaveAudio"), Qt::CaseInsensitive) != 0) {
        return;
    }
    open_ = true;

    std::optional<WaveSound> sound;
    if (!fileName_.isEmpty()) sound = readWaveFile(fileName_);
    if (sound) {
        source_ = fileName_;
    } else if (const QString copy = fallbacks_.value(fileName_); !copy.isEmpty()) {
        sound = readWaveFile(copy);
        if (sound) {
            source_ = copy;
            qCInfo(soundLog) << fileName_ << "not played: the built-in" << copy << "instead";
        } else {
            qCInfo(soundLog) << fileName_ << "not played, nor the built-in" << copy << ": silent";
        }
    }
    if (sound) output_ = makeOutput_(*sound);
}

}  // namespace troven
