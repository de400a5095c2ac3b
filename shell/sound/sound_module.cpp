#include "sound_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

#include <atomic>
#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__) && __has_include(<sanitizer/lsan_interface.h>)
#include <sanitizer/lsan_interface.h>
#define TROVEN_CHECK_LEAKS_NOW() __lsan_do_leak_check()
#else
#define TROVEN_CHECK_LEAKS_NOW()
#endif

namespace troven {
namespace {

std::atomic<bool> moduleLoaded{false};

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
        // Never unloaded: the outputs and the device values it made live until the program ends.
        QLibrary library(path);
        if (const auto entry =
                reinterpret_cast<SoundModuleEntry>(library.resolve(kSoundModuleEntry))) {
            moduleLoaded = true;
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

void endProcess(int status) {
    if (!moduleLoaded) std::exit(status);
    std::fflush(nullptr);
    // The leak check of AddressSanitizer builds would otherwise run among the skipped handlers.
    TROVEN_CHECK_LEAKS_NOW();
    std::_Exit(status);
}

}  // namespace troven
