// A sound server that goes away while the game runs and comes back: the device is silent in
// between, says nothing, and is heard again from the next plays on.
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "sound/mm_control.h"
#include "synthesised_waves.h"

using troven::MMControl;
using troven::SoundFallbacks;

namespace {

using Command = MMControl::Command;

// A private server on DIR/pulse.sock playing into a null sink, started by the tests' own helper.
bool startServer(const QString& dir) {
    return QProcess::execute(QStringLiteral("bash"),
                             {QStringLiteral("-c"),
                              QStringLiteral(". \"$1\" && start_pulse \"$2\" "
                                             "\"module-null-sink sink_name=restart\""),
                              QStringLiteral("_"), QStringLiteral(TROVEN_PULSE_HELPER), dir}) == 0;
}

void stopServer(const QString& dir) {
    QProcess::execute(QStringLiteral("pkill"), {QStringLiteral("-f"), dir + "/pulse.sock"});
}

// Stops the server however the test ends: a failed check returns from the test at once.
struct ServerStopper {
    QString dir;
    ~ServerStopper() { stopServer(dir); }
};

}  // namespace

class TestServerRestart : public QObject {
    Q_OBJECT

  private slots:
    void playsAgainOnceTheServerIsBack() {
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()) {
            QSKIP("pulseaudio is not installed");
        }
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const ServerStopper stopper{dir.path()};
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(troven::testing::writeFile(
            "card.wav", troven::testing::waveImage(troven::testing::noiseSamples(0.1, 1))));
        qputenv("PULSE_SERVER", "unix:" + dir.filePath("pulse.sock").toLocal8Bit());
        const auto play = [](MMControl& device) {
            device.setCommand(Command::Prev);
            device.setCommand(Command::Play);
        };
        {
            QVERIFY(startServer(dir.path()));
            MMControl device{SoundFallbacks{}};
            device.setDeviceType("WaveAudio");
            device.setFileName("card.wav");
            device.setCommand(Command::Open);
            QTRY_VERIFY_WITH_TIMEOUT(device.isAudible(), 5000);
            play(device);
            // The name a volume control lists the game by.
            QProcess clients;
            clients.start(QStringLiteral("pactl"),
                          {QStringLiteral("list"), QStringLiteral("clients")});
            QVERIFY(clients.waitForFinished());
            QVERIFY(clients.readAllStandardOutput().contains("application.name = \"THE TROVEN\""));

            stopServer(dir.path());
            QTRY_VERIFY_WITH_TIMEOUT(!device.isAudible(), 5000);
            play(device);  // no server: silent, and quick
            QVERIFY(!device.isAudible());

            QVERIFY(startServer(dir.path()));
            QTRY_VERIFY_WITH_TIMEOUT((play(device), device.isAudible()), 5000);
            device.setCommand(Command::Close);
        }
        QDir::setCurrent(previous);
    }
};

QTEST_GUILESS_MAIN(TestServerRestart)
#include "test_server_restart.moc"
