#include "platform/previous_instance.h"

#include <QDir>

#include <unistd.h>

namespace troven {

namespace {

QString defaultLockPath() {
    // Not QStandardPaths: it warns on every start where XDG_RUNTIME_DIR is unset.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::tempPath();
    return folder + QStringLiteral("/troven-%1.lock").arg(QString::number(getuid()));
}

}  // namespace

PreviousInstance::PreviousInstance() : PreviousInstance(defaultLockPath()) {}

PreviousInstance::PreviousInstance(const QString& lockPath) : lock_(lockPath) {
    lock_.setStaleLockTime(0);  // a lock is stale only when its holder is gone
}

bool PreviousInstance::isRunning() {
    if (lock_.isLocked()) return false;
    return !lock_.tryLock(0) && lock_.error() == QLockFile::LockFailedError;
}

}  // namespace troven
