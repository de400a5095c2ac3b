// The analysis that judges the end-to-end runs must itself tell a good recording from a bad one.
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cmath>

#include "sound_analysis.h"
#include "synthesised_waves.h"

using namespace troven::testing;

namespace {

Signal noise(double seconds, std::uint32_t seed) {
    return signalFromS16(noiseSamples(seconds, seed));
}

Signal silence(double seconds) {
    return Signal(static_cast<std::size_t>(seconds * kCaptureRate), 0.0);
}

Signal join(std::initializer_list<Signal> parts) {
    Signal out;
    for (const Signal& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Signal first(const Signal& s, double seconds) {
    return Signal(s.begin(), s.begin() + static_cast<long>(seconds * kCaptureRate));
}

Signal from(const Signal& s, double seconds) {
    return Signal(s.begin() + static_cast<long>(seconds * kCaptureRate), s.end());
}

KnownSound sound(const std::string& name, double seconds, std::uint32_t seed) {
    return *knownSound(name, *troven::parseWave(waveImage(noiseSamples(seconds, seed))));
}

}  // namespace

class TestSoundAnalysis : public QObject {
    Q_OBJECT

  private slots:
    void findsWholeRestartedAndShortPlays();
    void findsARestartWhereverItFalls();
    void catchesWhatIsNotAWholePlay_data();
    void catchesWhatIsNotAWholePlay();
    void splitsStraySoundAtSilence();
    void findsSoundsStoredInOtherFormats();
};

void TestSoundAnalysis::findsWholeRestartedAndShortPlays() {
    const std::vector<KnownSound> sounds{sound("card.wav", 0.4, 1), sound("wa.wav", 0.6, 2)};
    const Signal card = noise(0.4, 1);
    const Signal wa = noise(0.6, 2);
    const Signal capture =
        join({silence(0.2), card, silence(0.3), wa, silence(0.1), first(card, 0.13), silence(0.04),
              card, silence(0.2), first(wa, 0.25), silence(0.3)});
    const auto plays = findPlays(capture, sounds);
    QCOMPARE(describe(plays), std::string("card.wav:whole wa.wav:whole card.wav:cut "
                                          "card.wav:whole wa.wav:short"));
    // Found to the sample, give or take the fade-in that counts as silence.
    const std::size_t start = plays.front().start - std::size_t(0.2 * kCaptureRate);
    QVERIFY(start < 132);
    QCOMPARE(strayLength(capture, plays), std::size_t(0));
}

void TestSoundAnalysis::findsARestartWhereverItFalls() {
    // Quick clicks restart an 80 ms sound at any sample: a few milliseconds in, on a 10 ms
    // boundary, just after and just before one, and a fraction of a millisecond before its end.
    const std::vector<KnownSound> sounds{sound("card.wav", 0.08, 11)};
    const Signal card = noise(0.08, 11);
    for (const double restart : {0.003, 0.0081, 0.030, 0.0301, 0.0384, 0.0399, 0.0797}) {
        const Signal capture =
            join({silence(0.1), first(card, restart), first(card, restart), card, silence(0.1)});
        const auto plays = findPlays(capture, sounds);
        QCOMPARE(describe(plays), std::string("card.wav:cut card.wav:cut card.wav:whole"));
        QCOMPARE(plays[1].start - plays[0].start, first(card, restart).size());
        QCOMPARE(strayLength(capture, plays), std::size_t(0));
    }
}

void TestSoundAnalysis::catchesWhatIsNotAWholePlay_data() {
    QTest::addColumn<Signal>("capture");
    QTest::addColumn<QString>("heard");
    QTest::addColumn<double>("straySeconds");  // at least this much sound no play explains

    const Signal card = noise(0.4, 1);
    QTest::newRow("the second play goes on where the first was instead of starting over")
        << join({silence(0.1), first(card, 0.15), silence(0.05), from(card, 0.15)})
        << "card.wav:short" << 0.0;
    // Heard only until the second play begins, which the first drowns.
    Signal mixed = join({silence(0.1), card, silence(0.3)});
    const Signal again = join({silence(0.25), card});
    for (std::size_t i = 0; i < again.size(); ++i) mixed[i] += again[i];
    QTest::newRow("the first play still heard under the second")
        << mixed << "card.wav:short" << 0.0;
    // A server that let the stream run dry for a cycle just after it began: one play, not two.
    QTest::newRow("a cycle of silence 8 ms in")
        << join({silence(0.1), first(card, 0.008), silence(0.021), from(card, 0.008)})
        << "card.wav:short" << 0.0;
    QTest::newRow("30 ms lost on the way")
        << join({silence(0.1), first(card, 0.2), silence(0.03), from(card, 0.23)})
        << "card.wav:short" << 0.0;
    QTest::newRow("a sound nobody asked for")
        << join({silence(0.1), card, silence(0.1), noise(0.05, 99)}) << "card.wav:whole" << 0.04;
}

void TestSoundAnalysis::catchesWhatIsNotAWholePlay() {
    QFETCH(Signal, capture);
    QFETCH(QString, heard);
    QFETCH(double, straySeconds);
    const std::vector<KnownSound> sounds{sound("card.wav", 0.4, 1)};  // the plays point into it
    const auto plays = findPlays(capture, sounds);
    QCOMPARE(QString::fromStdString(describe(plays)), heard);
    QVERIFY(strayLength(capture, plays) > straySeconds * kCaptureRate);
}

void TestSoundAnalysis::splitsStraySoundAtSilence() {
    // Scraps 5 ms apart are one stretch, 20 ms apart two, each from its first sound to its last.
    const Signal capture = join({silence(0.1), noise(0.003, 7), silence(0.005), noise(0.003, 8),
                                 silence(0.02), noise(0.003, 9), silence(0.1)});
    const auto found = strays(capture, {});
    QCOMPARE(found.size(), std::size_t(2));
    const auto near = [](std::size_t samples, double seconds) {
        return std::abs(static_cast<double>(samples) / kCaptureRate - seconds) < 0.0005;
    };
    QVERIFY(near(found[0].start, 0.1) && near(found[0].length, 0.011));
    QVERIFY(near(found[1].start, 0.131) && near(found[1].length, 0.003));
    QCOMPARE(strayLength(capture, {}), found[0].loud + found[1].loud);
}

void TestSoundAnalysis::findsSoundsStoredInOtherFormats() {
    // A little fanfare of three held notes, stored as 16-bit stereo at 22050 Hz; the server
    // plays it at 44100 Hz. Each held note matches its own first 20 ms again and again, yet it
    // is one play.
    const auto fanfare = [](double t) {
        const double pitch = t < 0.1 ? 523.25 : t < 0.2 ? 659.25 : 783.99;
        const double fade = std::min({1.0, t / 0.005, (0.35 - t) / 0.005});
        return 0.5 * fade * std::sin(2 * M_PI * pitch * t);
    };
    QByteArray stored;
    for (int i = 0; i < int(0.35 * 22050); ++i) {
        const auto v =
            qToLittleEndian(static_cast<qint16>(std::lround(fanfare(i / 22050.0) * 32767)));
        for (int channel = 0; channel < 2; ++channel)
            stored.append(reinterpret_cast<const char*>(&v), 2);
    }
    const auto wave = troven::parseWave(waveImage(stored, {troven::WaveFormat::Int16, 2, 22050}));
    QVERIFY(wave);
    const std::vector<KnownSound> sounds{*knownSound("wa.wav", *wave)};

    Signal heard = silence(0.1);
    for (int i = 0; i < int(0.35 * kCaptureRate); ++i)
        heard.push_back(fanfare(double(i) / kCaptureRate));
    const Signal capture = join({heard, silence(0.1)});
    const auto plays = findPlays(capture, sounds);
    QCOMPARE(describe(plays), std::string("wa.wav:whole"));
    QCOMPARE(strayLength(capture, plays), std::size_t(0));
}

QTEST_GUILESS_MAIN(TestSoundAnalysis)
#include "test_sound_analysis.moc"
