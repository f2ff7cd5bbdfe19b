// libFuzzer target: the whole start-up and two minutes of running on any
// bytes as jouhou.mrdt. Whatever the file holds, the mascot must load it (or
// replay the first run), draw itself, greet, run its new minutes and save at
// the end without a crash, a hang or an oversized picture; the file it leaves
// must read completely.

#include "core/main_tick.h"
#include "core/mascot.h"
#include "core/startup.h"
#include "settings/data_file.h"
#include "tests/support/fake_platform.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

void require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    require(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    require(f.write(bytes) == bytes.size());
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir; // one working directory for the whole run
    require(dir.isValid());
    const QString file = dir.filePath(kDataFileName);
    QFile::remove(dir.filePath(kDataFileBackupName));
    writeBytes(file, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));

    FakePlatform platform;
    Mascot m(platform, QDir(dir.path()));
    // A tick a quarter second apart: the greeting pause ends after five
    // changes of the second and two new minutes come round.
    for (int tick = 0; tick < 480; ++tick) {
        Timer1_Timer(m);
        platform.advance(250);
        // No picture larger than the largest scale draws.
        require(m.sprite.image.width() <= 80 * kMaxDisplayScale / 100 + 60);
        require(m.sprite.image.height() <= 122 * kMaxDisplayScale / 100 + 70);
    }
    Shuuryou(m);

    MascotState reread;
    require(decodeDataFile(readBytes(file), reread).complete());
    return 0;
}
