// Benchmarks of the core on a fake platform: the data file, drawing and the
// running tick.
#include "core/main_tick.h"
#include "core/mascot.h"
#include "core/pictures/byouga.h"
#include "core/pictures/character_catalogue.h"
#include "settings/data_file.h"
#include "tests/support/fake_platform.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void fillFullState(MascotState& st) {
    setStoredDefaults(st, QSize(1280, 800));
    const QString title = QString(100, QChar(u'新')).replace(10, 5, QStringLiteral("ニュース速報"));
    for (int i = 1; i <= kFeedSlots; ++i) {
        st.feedName[i] = QStringLiteral("ニュース%1").arg(i);
        st.feedUrl[i] = QStringLiteral("https://news.example.jp/feed/%1.rdf").arg(i);
    }
    for (int i = 1; i <= kArticleSlots; ++i) {
        st.articleTitle[i] = title;
        st.articleLink[i] =
            QStringLiteral("https://news.example.jp/articles/2026/12/%1.html").arg(i);
        st.articleRead[i] = i % 2;
        st.articleFeedUrl[i] = st.feedUrl[(i - 1) % kFeedSlots + 1];
    }
}

void BM_DataFileSaveAndLoad(benchmark::State& state) {
    QTemporaryDir dir;
    FakePlatform platform;
    Mascot m(platform, QDir(dir.path()));
    fillFullState(m.st);
    for (auto _ : state) {
        JouhouHozon(m);
        JouhouYomikomi(m);
    }
}
BENCHMARK(BM_DataFileSaveAndLoad)->Unit(benchmark::kMillisecond);

struct Drawn {
    FakePlatform platform;
    Mascot m{platform, QDir::temp()};
    Drawn() {
        setStoredDefaults(m.st, platform.screen);
        m.st.charIndex = 11;
        m.st.phase = Phase::Running;
        m.st.mood = 2;
        GazouYomikomi(m);
    }
};

// A frame never drawn before: composed from the pictures.
void BM_ByougaNewFrame(benchmark::State& state) {
    Drawn d;
    int frame = 0;
    for (auto _ : state) {
        d.m.frames = FrameCache{};
        d.m.st.stepFrame = frame++ % 4;
        Byouga(d.m);
        benchmark::DoNotOptimize(d.m.sprite.version);
    }
}
BENCHMARK(BM_ByougaNewFrame)->Unit(benchmark::kMicrosecond);

// The next pose of a walking cycle already drawn once: what a step draws.
void BM_ByougaNextPose(benchmark::State& state) {
    Drawn d;
    int frame = 0;
    for (auto _ : state) {
        d.m.st.stepFrame = frame++ % 4;
        Byouga(d.m);
        benchmark::DoNotOptimize(d.m.sprite.version);
    }
}
BENCHMARK(BM_ByougaNextPose)->Unit(benchmark::kMicrosecond);

// A frame that only moves: what most running ticks draw.
void BM_ByougaUnchanged(benchmark::State& state) {
    Drawn d;
    for (auto _ : state) {
        d.m.st.posX = (d.m.st.posX + 1) % 1000;
        Byouga(d.m);
        benchmark::DoNotOptimize(d.m.sprite.x);
    }
}
BENCHMARK(BM_ByougaUnchanged)->Unit(benchmark::kMicrosecond);

// One running tick: clock, leg, step timing, blink, drawing, following, with a
// balloon up. The clock advances 16 ms a tick so minutes and seconds pass.
void BM_RunningTick(benchmark::State& state) {
    Drawn d;
    d.m.st.walkInterval = 4;
    d.platform.defaultRandom = 0.37;
    d.m.st.nowHHNN = d.m.st.lastHHNN = QStringLiteral("0930");
    d.m.st.balloonShown = 1;
    d.m.st.balloonDuration = 1000;
    d.m.HanasuBox.geometry = {0, 0, 3000, 1800};
    for (auto _ : state) {
        d.platform.advance(16);
        runningTick(d.m);
    }
}
BENCHMARK(BM_RunningTick)->Unit(benchmark::kMicrosecond);

} // namespace
