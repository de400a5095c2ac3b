#include "small_disk.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace troven::testing {
namespace {

constexpr unsigned long kFlags = MS_NOSUID | MS_NODEV;

QByteArray nativePath(const QString& path) { return QFile::encodeName(path); }

QString filler(const SmallDisk& disk) { return disk.filePath(QStringLiteral("filler")); }

}  // namespace

QString enterPrivateMounts() {
    if (unshare(CLONE_NEWNS) != 0) {
        return QStringLiteral("cannot make a mount namespace: %1").arg(strerror(errno));
    }
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return QStringLiteral("cannot make the mounts private: %1").arg(strerror(errno));
    }
    SmallDisk probe;
    if (!probe.mounted()) {
        return QStringLiteral("cannot mount a tmpfs: %1").arg(strerror(errno));
    }
    return {};
}

SmallDisk::SmallDisk() {
    mounted_ = dir_.isValid() && mount("tmpfs", nativePath(dir_.path()).constData(), "tmpfs",
                                       kFlags, "size=64k,mode=0755") == 0;
}

SmallDisk::~SmallDisk() {
    if (mounted_) umount2(nativePath(dir_.path()).constData(), MNT_DETACH);
}

bool SmallDisk::fill() {
    const int fd = open(nativePath(filler(*this)).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    const QByteArray block(4096, 'x');
    ssize_t written = 0;
    // Block by block, then byte by byte, so that not even a part of a block stays free.
    for (std::size_t size : {std::size_t{4096}, std::size_t{1}}) {
        while ((written = write(fd, block.constData(), size)) > 0) {
        }
    }
    const bool full = written < 0 && errno == ENOSPC;
    close(fd);
    return full;
}

bool SmallDisk::free() { return QFile::remove(filler(*this)); }

bool SmallDisk::setReadOnly(bool readOnly) {
    return mount(nullptr, nativePath(dir_.path()).constData(), nullptr,
                 MS_REMOUNT | kFlags | (readOnly ? MS_RDONLY : 0), nullptr) == 0;
}

}  // namespace troven::testing
