#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "recording_output.h"
#include "sound/mm_control.h"
#include "sound_server.h"
#include "synthesised_waves.h"

using troven::MMControl;
using troven::SoundFallbacks;
using namespace troven::testing;

namespace {

const QString kBuiltIn = QStringLiteral(":/test/data/tiny.wav");

using Command = MMControl::Command;

void openDevice(MMControl& device, const QString& fileName) {
    device.setDeviceType("WaveAudio");
    device.setFileName(fileName);
    device.setCommand(Command::Open);
}

// With a server the sound reaches it soon after Open; without one it never does.
void verifyAudibleExactlyWithServer(const MMControl& device) {
    if (underSoundServer()) {
        QTRY_VERIFY_WITH_TIMEOUT(device.isAudible(), 5000);
    } else {
        QTest::qWait(50);
        QVERIFY(!device.isAudible());
    }
}

// Everything Qt's message handler receives while alive.
class MessageLog {
  public:
    MessageLog() { previous_ = qInstallMessageHandler(&MessageLog::record); }
    ~MessageLog() { qInstallMessageHandler(previous_); }
    static QStringList& messages() {
        static QStringList list;
        return list;
    }

  private:
    static void record(QtMsgType, const QMessageLogContext&, const QString& text) {
        messages() << text;
    }
    QtMessageHandler previous_;
};

}  // namespace

// Runs twice (see CMakeLists.txt): with no sound server to reach, and with one under
// with_pulse.sh. Each test works in its own directory, where the devices look for their files.
class TestMMControl : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void opensTheNamedFileInTheWorkingDirectory();
    void usesTheBuiltInCopyWhenTheFileCannotBePlayed_data();
    void usesTheBuiltInCopyWhenTheFileCannotBePlayed();
    void staysOpenAndQuietWithNoPlayableSound_data();
    void staysOpenAndQuietWithNoPlayableSound();
    void ignoresCommandsOutOfPlace();
    void closesOnceAndOpensAgain();
    void canBeDeletedWhileASoundIsPlaying();

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString previousDir_;
};

void TestMMControl::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    previousDir_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir_->path()));
}

void TestMMControl::cleanup() {
    QDir::setCurrent(previousDir_);
    dir_.reset();
}

void TestMMControl::opensTheNamedFileInTheWorkingDirectory() {
    QVERIFY(writeFile("card.wav", waveImage(noiseSamples(0.1, 1))));
    MMControl device({{"card.wav", kBuiltIn}});
    QVERIFY(!device.isOpen());
    openDevice(device, "card.wav");
    QVERIFY(device.isOpen());
    QCOMPARE(device.source(), QString("card.wav"));
    QCOMPARE(device.deviceType(), QString("WaveAudio"));
    QCOMPARE(device.fileName(), QString("card.wav"));
}

void TestMMControl::usesTheBuiltInCopyWhenTheFileCannotBePlayed_data() {
    QTest::addColumn<QByteArray>("contents");  // "-" for no file at all
    QTest::newRow("missing") << QByteArray("-");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a wave file") << QByteArray("RIFF? no, just a text file\n");
    QTest::newRow("cut short") << waveImage(noiseSamples(0.1, 1)).chopped(2000);
    QTest::newRow("compressed") << forgedWaveImage(noiseSamples(0.1, 1), {2, 1, 44100, 4, 1024});
}

void TestMMControl::usesTheBuiltInCopyWhenTheFileCannotBePlayed() {
    QFETCH(QByteArray, contents);
    for (const QString name : {"card.wav", "wa.wav"}) {
        if (contents != "-") QVERIFY(writeFile(name, contents));
        QByteArray played;
        MMControl device({{name, kBuiltIn}}, nullptr,
                         recordingOutputs([&](const troven::WaveSound& sound, const char*) {
                             played = sound.samples;
                         }));
        openDevice(device, name);
        QVERIFY(device.isOpen());
        QCOMPARE(device.source(), kBuiltIn);
        QCOMPARE(played, troven::readWaveFile(kBuiltIn)->samples);
    }
}

void TestMMControl::staysOpenAndQuietWithNoPlayableSound_data() {
    QTest::addColumn<SoundFallbacks>("fallbacks");
    QTest::newRow("no built-in copy") << SoundFallbacks{};
    QTest::newRow("built-in copy missing") << SoundFallbacks{{"card.wav", ":/no/such.wav"}};
    QTest::newRow("built-in copy broken") << SoundFallbacks{{"card.wav", "broken.wav"}};
}

void TestMMControl::staysOpenAndQuietWithNoPlayableSound() {
    QFETCH(SoundFallbacks, fallbacks);
    QVERIFY(writeFile("broken.wav", "RIFF"));
    MessageLog log;
    MessageLog::messages().clear();
    QLoggingCategory::setFilterRules(QStringLiteral("troven.sound.info=true"));
    {
        MMControl device(fallbacks);
        openDevice(device, "card.wav");
        QVERIFY(device.isOpen());
        QVERIFY(device.source().isEmpty());
        for (Command command :
             {Command::Prev, Command::Play, Command::Prev, Command::Play, Command::Close}) {
            device.setCommand(command);
        }
        QVERIFY(!device.isOpen());
    }
    QLoggingCategory::setFilterRules({});
    QCOMPARE(MessageLog::messages().filter(QStringLiteral("instead")), QStringList());
}

void TestMMControl::ignoresCommandsOutOfPlace() {
    QVERIFY(writeFile("card.wav", waveImage(noiseSamples(0.1, 1))));
    QVERIFY(writeFile("wa.wav", waveImage(noiseSamples(0.1, 2))));
    MMControl device{SoundFallbacks{}};
    for (Command command : {Command::Prev, Command::Play, Command::Close}) {
        device.setCommand(command);
        QVERIFY(!device.isOpen());
    }

    // Only a wave audio device can be opened.
    device.setDeviceType("CDAudio");
    device.setFileName("card.wav");
    device.setCommand(Command::Open);
    QVERIFY(!device.isOpen());

    // The device type is not case-sensitive; a second Open keeps the sound of the first.
    device.setDeviceType("waveaudio");
    device.setCommand(Command::Open);
    QCOMPARE(device.source(), QString("card.wav"));
    device.setFileName("wa.wav");
    device.setCommand(Command::Open);
    QCOMPARE(device.source(), QString("card.wav"));
}

void TestMMControl::closesOnceAndOpensAgain() {
    QVERIFY(writeFile("card.wav", waveImage(noiseSamples(0.1, 1))));
    QVERIFY(writeFile("wa.wav", waveImage(noiseSamples(0.1, 2))));
    MMControl device{SoundFallbacks{}};
    openDevice(device, "card.wav");
    device.setCommand(Command::Close);
    QVERIFY(!device.isOpen());
    QVERIFY(device.source().isEmpty());
    QVERIFY(!device.isAudible());
    device.setCommand(Command::Close);
    device.setCommand(Command::Play);
    QVERIFY(!device.isOpen());

    // Another sound, in another format.
    QVERIFY(writeFile("wa.wav",
                      waveImage(noiseSamples(0.1, 2), {troven::WaveFormat::Int16, 2, 22050})));
    openDevice(device, "wa.wav");
    QCOMPARE(device.source(), QString("wa.wav"));
    verifyAudibleExactlyWithServer(device);
    device.setCommand(Command::Prev);
    device.setCommand(Command::Play);

    // A device destroyed while open releases its sound by itself.
    auto other = std::make_unique<MMControl>(SoundFallbacks{});
    openDevice(*other, "card.wav");
    other->setCommand(Command::Play);
    other.reset();
}

// The window deletes its devices whenever the program ends, often while a sound is still being
// handed to the server; each delay below lands at another point of that hand-over.
void TestMMControl::canBeDeletedWhileASoundIsPlaying() {
    QVERIFY(writeFile("card.wav", waveImage(noiseSamples(0.3, 1))));
    for (int delayMs = 0; delayMs < 60; delayMs += 2) {
        auto device = std::make_unique<MMControl>(SoundFallbacks{});
        openDevice(*device, "card.wav");
        device->setCommand(Command::Play);
        QTest::qWait(delayMs);
        device.reset();
    }
}

QTEST_GUILESS_MAIN(TestMMControl)
#include "test_mm_control.moc"
