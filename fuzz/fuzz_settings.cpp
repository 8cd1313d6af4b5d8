// The settings file as the game reads it at start, whatever a hand or a broken disk left in it:
// every value comes out in range, and each problem is one printable line of the game's own.
#include "fuzz_check.h"
#include "ui/settings_file.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ravelo2.conf"));
    QFile file(path);
    REQUIRE(file.open(QFile::WriteOnly | QFile::Truncate | QFile::Unbuffered) &&
            file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    GameSettings settings;
    int nLines = 0;
    REQUIRE(CSettingsFile(path).Load(settings, [&](const QString& line) {
        ++nLines;
        REQUIRE(line.startsWith(u"ravelo2: ") &&
                std::ranges::all_of(line.toUcs4(), [](uint c) { return QChar::isPrint(c); }));
    }));
    REQUIRE(unsigned(settings.nLevel - 1) < 4 && unsigned(settings.nBoardStyle) < 6 &&
            unsigned(settings.nMarbleColor) < 6 && nLines <= 9); // at most one line a value
    return 0;
}
