#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QThread>

namespace troven {

class AudioOutput;

// Bare wave file name -> the program's own copy of that sound, played when the file beside the
// program is missing or cannot be played.
using SoundFallbacks = QHash<QString, QString>;

// The program's own copies of "card.wav" and "wa.wav", compiled in as Qt resources.
SoundFallbacks builtInSounds();

// A stand-in for the multimedia control that drives a "WaveAudio" device: the handlers set the
// device type and file name, then carry out commands by setting Command:
//   "Open"  loads the file named (a bare name in the working directory) once; when it is missing
//           or unplayable, the built-in copy of that name instead;
//   "Prev"  stops the sound and goes back to its beginning;
//   "Play"  plays from there;
//   "Close" releases the sound.
// Commands it does not know, or that make no sense in the device's state, are ignored. Nothing is
// ever reported: a sound that cannot be played is simply not heard. No command waits for the
// sound or for the sound server; the sound is played from a thread of the device's own.
class MMControl : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString DeviceType READ deviceType WRITE setDeviceType)
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName)
    Q_PROPERTY(QString Command READ command WRITE setCommand)

  public:
    explicit MMControl(QObject* parent = nullptr);
    explicit MMControl(SoundFallbacks fallbacks, QObject* parent = nullptr);
    ~MMControl() override;

    QString deviceType() const { return deviceType_; }
    void setDeviceType(const QString& deviceType) { deviceType_ = deviceType; }
    QString fileName() const { return fileName_; }
    void setFileName(const QString& fileName) { fileName_ = fileName; }
    // The last command set.
    QString command() const { return command_; }
    void setCommand(const QString& command);

    // Between "Open" and "Close".
    bool isOpen() const { return open_; }
    // Where the open device's sound came from: the file, its built-in copy, or empty for none.
    QString source() const { return source_; }
    // Whether the open device has a sound and an audio output to play it on.
    bool isAudible() const { return audible_; }

  signals:
    // Every command set, before it is carried out, known or not.
    void commandIssued(const QString& command);

  private:
    void open();
    void prev();
    void play();
    void close();
    // Runs step on the output's thread, after every step sent before it.
    template <typename Step>
    void send(Step step);

    SoundFallbacks fallbacks_;
    QString deviceType_;
    QString fileName_;
    QString command_;
    bool open_ = false;
    bool audible_ = false;
    QString source_;
    QThread thread_;
    AudioOutput* output_ = nullptr;  // lives in thread_ from the first sound on
};

}  // namespace troven
