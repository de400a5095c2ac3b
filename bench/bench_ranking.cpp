// How long the ranking window's load takes with "score.dat" as the program writes it, and with the
// same ten lines followed by a gigabyte of junk: the reader is to stop after ten lines, so both
// should take the same time and read the same few kilobytes. The big file is sparse (some random
// bytes after the ten lines, then a hole), so making it costs no disk space and no disk time.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/stat.h>

#include "ranking/ranking_window_model.h"
#include "ranking/score_file.h"

namespace {

using namespace troven;

constexpr qint64 kJunkFileSize = qint64{1} << 30;
constexpr qsizetype kRandomJunkBytes = 64 * 1024;

// Bytes this process has read through system calls so far.
double bytesRead() {
    std::ifstream io("/proc/self/io");
    for (std::string key; io >> key;) {
        double value = 0;
        io >> value;
        if (key == "rchar:") return value;
    }
    return 0;
}

double bytesOnDisk(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0
               ? static_cast<double>(info.st_blocks) * 512.0
               : 0.0;
}

DisplayedTable loadOnce(const QString& path) {
    RankingWindowModel model(path);
    model.Form_Load(0);  // from the menu
    return model.table();
}

void FormLoad(benchmark::State& state, const QString& path, const DisplayedTable& expected) {
    if (loadOnce(path) != expected) {
        state.SkipWithError("the ten lines did not load as written");
        return;
    }
    RankingWindowModel model(path);
    const double before = bytesRead();
    for (auto _ : state) {
        model.Form_Load(0);
        benchmark::DoNotOptimize(model.table());
    }
    const auto loads = static_cast<double>(state.iterations());
    state.counters["file_bytes"] = static_cast<double>(QFile(path).size());
    state.counters["disk_bytes"] = bytesOnDisk(path);
    state.counters["read_bytes/load"] = (bytesRead() - before) / loads;
}

}  // namespace

int main(int argc, char** argv) {
    const QTemporaryDir dir;
    QDir root(dir.path());
    root.mkdir(QStringLiteral("written"));
    root.mkdir(QStringLiteral("junk"));
    const QString written = root.filePath(QStringLiteral("written/score.dat"));
    const QString junk = root.filePath(QStringLiteral("junk/score.dat"));

    // The default table as the program saves it: 91 bytes.
    if (!saveTable(DisplayedTable::defaults(), written).ok() || !QFile::copy(written, junk)) {
        std::fprintf(stderr, "bench_ranking: cannot write the score files in %s\n",
                     qPrintable(dir.path()));
        return 1;
    }
    QFile big(junk);
    QByteArray noise(kRandomJunkBytes, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(noise.data()),
                                          noise.size() / 4);
    if (!big.open(QIODevice::Append) || big.write(noise) != noise.size() ||
        !big.resize(kJunkFileSize)) {
        std::fprintf(stderr, "bench_ranking: cannot make the 1 GB file\n");
        return 1;
    }
    big.close();
    const DisplayedTable expected = loadOnce(written);

    benchmark::RegisterBenchmark("FormLoad/written_file", FormLoad, written, expected);
    benchmark::RegisterBenchmark("FormLoad/1GB_junk_after_ten_lines", FormLoad, junk, expected);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
