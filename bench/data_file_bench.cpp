// Benchmarks of the data file against what a hostile disk holds: absurd
// texts, and a 2 GB file whose original must be kept before it is replaced.
#include "core/mascot.h"
#include "settings/data_file.h"
#include "tests/support/fake_platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

#include <sys/stat.h>

namespace {

// Bytes the folder's files take on disk.
qint64 usedBytes(const QDir& dir) {
    qint64 used = 0;
    for (const QString& name : dir.entryList(QDir::Files)) {
        struct stat st {};
        if (stat(QFile::encodeName(dir.filePath(name)).constData(), &st) == 0) {
            used += static_cast<qint64>(st.st_blocks) * 512;
        }
    }
    return used;
}

// A name of 1,000,000 letters and three titles of 1,000,000 characters.
void BM_LoadAbsurdTexts(benchmark::State& state) {
    QTemporaryDir dir;
    FakePlatform platform;
    Mascot m(platform, QDir(dir.path()));
    setStoredDefaults(m.st, platform.screen);
    m.st.masterName = QString(1'000'000, u'a');
    for (int i = 1; i <= 3; ++i) {
        m.st.articleTitle[i] = QString(1'000'000, u'記');
    }
    QFile file(dir.filePath(kDataFileName));
    if (!file.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write the data file");
        return;
    }
    file.write(encodeDataFile(m.st));
    file.close();
    for (auto _ : state) {
        JouhouYomikomi(m);
    }
    state.counters["file_MB"] = static_cast<double>(file.size()) / 1e6;
}
BENCHMARK(BM_LoadAbsurdTexts)->Unit(benchmark::kMillisecond);

// Quitting after loading a damaged 2 GB file (a good start, then 2 GB of
// zeros, sparse): the save that keeps the original. Reports the disk space
// the save added.
void BM_QuitAfterLoadingATwoGigabyteFile(benchmark::State& state) {
    QTemporaryDir dir;
    FakePlatform platform;
    Mascot m(platform, QDir(dir.path()));
    setStoredDefaults(m.st, platform.screen);
    const QByteArray start = encodeDataFile(m.st).left(4000);
    double added = 0;
    double loadMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        QFile file(dir.filePath(kDataFileName));
        if (!file.open(QIODevice::WriteOnly) || file.write(start) != start.size() ||
            !file.resize(qint64(2) << 30)) {
            state.SkipWithError("cannot make the 2 GB file");
            return;
        }
        file.close();
        const auto t0 = std::chrono::steady_clock::now();
        JouhouYomikomi(m);
        loadMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                     .count();
        const qint64 before = usedBytes(QDir(dir.path()));
        state.ResumeTiming();
        JouhouHozon(m);
        state.PauseTiming();
        added = static_cast<double>(usedBytes(QDir(dir.path())) - before);
        state.ResumeTiming();
    }
    state.counters["load_ms"] = loadMs;
    state.counters["disk_added_KB"] = added / 1024;
}
BENCHMARK(BM_QuitAfterLoadingATwoGigabyteFile)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
