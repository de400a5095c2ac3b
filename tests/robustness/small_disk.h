#pragma once

#include <QString>
#include <QTemporaryDir>

namespace troven::testing {

// A memory file system of 64 KiB mounted on a fresh folder, to be filled up or made read-only.
// Mounting needs root: call enterPrivateMounts() once, first thing in main(), so that every
// mount is private to this process and goes away with it however it ends.
class SmallDisk {
  public:
    SmallDisk();
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    // Writes a filler file until no block is left. False if the disk never filled up.
    bool fill();
    // Removes the filler again.
    bool free();
    // Remounts the file system read-only, or writable again.
    bool setReadOnly(bool readOnly);

  private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

// Moves this process into a mount namespace of its own. Returns an explanation when it cannot
// (not root, or a container that forbids it), an empty string on success.
QString enterPrivateMounts();

}  // namespace troven::testing
