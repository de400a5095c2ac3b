#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>

#include "sound/audio_output.h"
#include "sound/sound_module.h"

namespace troven {

// Bare wave file name -> the program's own copy of that sound, played when the file beside the
// program is missing or cannot be played.
using SoundFallbacks = QHash<QString, QString>;

// The program's own copies of "card.wav" and "wa.wav", compiled in as Qt resources.
SoundFallbacks builtInSounds();

// A stand-in for the multimedia control that drives a "WaveAudio" device: the handlers set the
// device type and file name, then carry out commands by setting Command. Commands that make no
// sense in the device's state are ignored. Nothing is ever reported: a sound that cannot be
// played is simply not heard, and no command waits for the sound or for the sound server.
class MMControl : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString DeviceType READ deviceType WRITE setDeviceType)
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName)

  public:
    enum class Command {
        Open,   // loads the file named (a bare name in the working directory) once; when it is
                // missing or unplayable, the built-in copy of that name instead
        Prev,   // goes back to the beginning of the sound
        Play,   // plays from there: a sound still playing starts over after a Prev, and
                // plays on undisturbed without one
        Close,  // releases the sound
    };
    Q_ENUM(Command)

    explicit MMControl(QObject* parent = nullptr, OutputFactory makeOutput = moduleOutputs());
    explicit MMControl(SoundFallbacks fallbacks, QObject* parent = nullptr,
                       OutputFactory makeOutput = moduleOutputs());
    ~MMControl() override;

    QString deviceType() const { return deviceType_; }
    void setDeviceType(const QString& deviceType) { deviceType_ = deviceType; }
    QString fileName() const { return fileName_; }
    void setFileName(const QString& fileName) { fileName_ = fileName; }
    void setCommand(Command command);

    // Between "Open" and "Close".
    bool isOpen() const { return open_; }
    // Where the open device's sound came from: the file, its built-in copy, or empty for none.
    QString source() const { return source_; }
    // Whether the open device's sound is on the sound server, ready to be played at once.
    bool isAudible() const;

  private:
    void open();

    SoundFallbacks fallbacks_;
    OutputFactory makeOutput_;
    QString deviceType_;
    QString fileName_;
    bool open_ = false;
    QString source_;
    std::unique_ptr<AudioOutput> output_;
};

}  // namespace troven
