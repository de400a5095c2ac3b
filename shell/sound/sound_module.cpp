#include "sound_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

namespace troven {
namespace {

QStringList modulePaths() {
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList paths{
        QDir(programDir).filePath(QStringLiteral(TROVEN_SOUND_MODULE_DIR "/troven-sound.so"))};
    // Only a program of this build tree may take the module from it: an installed program must
    // never pick up whatever a source folder on the same machine holds.
    const QString buildDir = QStringLiteral(TROVEN_BUILD_DIR);
    if (programDir == buildDir || programDir.startsWith(buildDir + QLatin1Char('/'))) {
        paths.prepend(QStringLiteral(TROVEN_SOUND_MODULE_BUILD_PATH));
    }
    return paths;
}

const SoundModule* loadSoundModule() {
    if (!QCoreApplication::instance()) return nullptr;
    for (const QString& path : modulePaths()) {
        // Never unloaded: the outputs it made may live until the program ends.
        QLibrary library(path);
        if (const auto entry =
                reinterpret_cast<SoundModuleEntry>(library.resolve(kSoundModuleEntry))) {
            return entry();
        }
    }
    return nullptr;
}

}  // namespace

const SoundModule* soundModule() {
    static const SoundModule* const module = loadSoundModule();
    return module;
}

}  // namespace troven
