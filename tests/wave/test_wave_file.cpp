#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "synthesised_waves.h"
#include "wave/wave_file.h"
#include "wave/wave_writer.h"

using troven::parseWave;
using troven::readWaveFile;
using troven::riffChunk;
using namespace troven::testing;

Q_DECLARE_METATYPE(WaveHeader)

class TestWaveFile : public QObject {
    Q_OBJECT

  private slots:
    void readsEveryPlayableEncoding_data();
    void readsEveryPlayableEncoding();
    void skipsOtherChunksAndKeepsWholeFrames();
    void rejectsWhatCannotBePlayed_data();
    void rejectsWhatCannotBePlayed();
    void readsRegularFilesAndResourcesOnly();
};

void TestWaveFile::readsEveryPlayableEncoding_data() {
    QTest::addColumn<WaveHeader>("header");
    QTest::addColumn<troven::WaveFormat::SampleFormat>("sampleFormat");
    // The rates at both ends of what is played.
    QTest::newRow("8-bit mono, 1000 Hz") << WaveHeader{1, 1, 1000, 8} << troven::WaveFormat::UInt8;
    QTest::newRow("16-bit stereo, 192000 Hz")
        << WaveHeader{1, 2, 192000, 16} << troven::WaveFormat::Int16;
    QTest::newRow("32-bit mono") << WaveHeader{1, 1, 48000, 32} << troven::WaveFormat::Int32;
    QTest::newRow("float stereo") << WaveHeader{3, 2, 22050, 32} << troven::WaveFormat::Float;
    QTest::newRow("extensible 16-bit")
        << WaveHeader{1, 2, 44100, 16, 0, true} << troven::WaveFormat::Int16;
    QTest::newRow("extensible float")
        << WaveHeader{3, 1, 96000, 32, 0, true} << troven::WaveFormat::Float;
}

void TestWaveFile::readsEveryPlayableEncoding() {
    QFETCH(WaveHeader, header);
    QFETCH(troven::WaveFormat::SampleFormat, sampleFormat);
    // Ten frames of distinct bytes, so that any shift or cut shows.
    QByteArray samples;
    for (int i = 0; i < 10 * header.channels * header.bits / 8; ++i)
        samples.append(char(i * 7 + 1));

    const auto sound = parseWave(forgedWaveImage(samples, header));
    QVERIFY(sound);
    QCOMPARE(sound->format.sampleFormat(), sampleFormat);
    QCOMPARE(sound->format.channelCount(), header.channels);
    QCOMPARE(sound->format.sampleRate(), header.rate);
    QCOMPARE(sound->samples, samples);
    // The program writes every plain encoding with the same fields, byte rate included, which
    // the reader does not check.
    if (!header.extensible) QCOMPARE(troven::waveImage(*sound), forgedWaveImage(samples, header));
}

void TestWaveFile::skipsOtherChunksAndKeepsWholeFrames() {
    const QByteArray samples = noiseSamples(0.01, 3);
    // An odd-sized chunk before the format and one between it and the samples, each followed by
    // its pad byte.
    const QByteArray image = riffImage({riffChunk("LIST", "INFOabc"), formatChunk(),
                                        riffChunk("fact", "12345"), riffChunk("data", samples)});
    auto sound = parseWave(image);
    QVERIFY(sound);
    QCOMPARE(sound->samples, samples);

    // Half a frame at the end of the samples is not played.
    sound = parseWave(riffImage({formatChunk(), riffChunk("data", samples + "x")}));
    QVERIFY(sound);
    QCOMPARE(sound->samples, samples);
}

void TestWaveFile::rejectsWhatCannotBePlayed_data() {
    QTest::addColumn<QByteArray>("image");
    const QByteArray samples = noiseSamples(0.05, 4);
    const QByteArray whole = waveImage(samples);
    const QByteArray data = riffChunk("data", samples);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("this is not a sound at all, just some words");
    QTest::newRow("not RIFF") << QByteArray("RIFX").append(whole.mid(4));
    QTest::newRow("RIFF but not WAVE") << QByteArray(whole).replace(8, 4, "AVI ");
    QTest::newRow("cut in the header") << whole.left(30);
    QTest::newRow("samples cut short") << whole.chopped(1000);
    QTest::newRow("no samples") << waveImage({});
    QTest::newRow("no format") << riffImage({data});
    QTest::newRow("no data chunk") << riffImage({formatChunk()});
    QTest::newRow("samples before format") << riffImage({data, formatChunk()});
    QTest::newRow("format too short")
        << riffImage({riffChunk("fmt ", formatChunk().mid(8, 14)), data});
    QTest::newRow("chunk running past the end")
        << riffImage({formatChunk(), QByteArray("LIST\xF0\xFF\xFF\xFF", 8), data});
    QTest::newRow("ADPCM") << forgedWaveImage(samples, {2, 1, 44100, 4, 2048});
    QTest::newRow("24-bit") << forgedWaveImage(samples, {1, 1, 44100, 24});
    QTest::newRow("64-bit float") << forgedWaveImage(samples, {3, 1, 44100, 64});
    QTest::newRow("extensible ADPCM") << forgedWaveImage(samples, {2, 1, 44100, 16, 0, true});
    QTest::newRow("no channels") << forgedWaveImage(samples, {1, 0, 44100, 16, 2});
    QTest::newRow("three channels") << forgedWaveImage(samples, {1, 3, 44100, 16});
    QTest::newRow("rate 0") << forgedWaveImage(samples, {1, 1, 0, 16});
    QTest::newRow("rate 999") << forgedWaveImage(samples, {1, 1, 999, 16});
    QTest::newRow("rate 192001") << forgedWaveImage(samples, {1, 1, 192001, 16});
    QTest::newRow("frame size wrong") << forgedWaveImage(samples, {1, 1, 44100, 16, 4});
}

void TestWaveFile::rejectsWhatCannotBePlayed() {
    QFETCH(QByteArray, image);
    QVERIFY(!parseWave(image));
}

void TestWaveFile::readsRegularFilesAndResourcesOnly() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString good = dir.filePath("good.wav");
    QVERIFY(writeFile(good, waveImage(noiseSamples(0.05, 5))));
    QVERIFY(readWaveFile(good));

    const auto tiny = readWaveFile(":/test/data/tiny.wav");
    QVERIFY(tiny);
    QCOMPARE(tiny->samples.size(), 441 * 2);

    QVERIFY(!readWaveFile(dir.filePath("missing.wav")));
    QVERIFY(QDir(dir.path()).mkdir("folder.wav"));
    QVERIFY(!readWaveFile(dir.filePath("folder.wav")));

    // A fifo of that name would hold the reader until someone writes to it.
    const QString fifo = dir.filePath("fifo.wav");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!readWaveFile(fifo));
    QVERIFY(clock.elapsed() < 1000);

    // 16 MiB at most, what follows the samples included; a larger file is not even read.
    QVERIFY(QFile::resize(good, 16 * 1024 * 1024));
    QVERIFY(readWaveFile(good));
    QVERIFY(QFile::resize(good, 16 * 1024 * 1024 + 1));
    QVERIFY(!readWaveFile(good));
}

QTEST_GUILESS_MAIN(TestWaveFile)
#include "test_wave_file.moc"
