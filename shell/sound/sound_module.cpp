#include "sound/sound_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include "wave/sound_log.h"

namespace troven {
namespace {

const SoundModule* loadSoundModule() {
    if (!QCoreApplication::instance()) return nullptr;
    // The build tree is laid out as the install, so one path serves both. Never unloaded: the
    // outputs it made may live until the program ends.
    QLibrary library(QDir(QCoreApplication::applicationDirPath())
                         .filePath(QStringLiteral(TROVEN_SOUND_MODULE_DIR "/troven-sound.so")));
    const auto entry = reinterpret_cast<SoundModuleEntry>(library.resolve(kSoundModuleEntry));
    if (!entry) qCInfo(soundLog) << "no sound module:" << library.errorString();
    return entry ? entry() : nullptr;
}

}  // namespace

const SoundModule* soundModule() {
    static const SoundModule* const module = loadSoundModule();
    return module;
}

OutputFactory moduleOutputs() {
    return [](const WaveSound& sound) {
        const SoundModule* module = soundModule();
        return std::unique_ptr<AudioOutput>(module ? module->createOutput(sound) : nullptr);
    };
}

}  // namespace troven
