#include "ui/settings_file.h"

#include "res/appearance_table.h"
#include "res/texts.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cassert>
#include <cstdio>
#include <map>
#include <utility>

namespace {

const QString kLevel = QStringLiteral("game/level");
const QString kBoard = QStringLiteral("game/board");
const QString kMarble = QStringLiteral("game/marble");

struct Option {
    const char* pszKey;
    bool GameSettings::*pbValue;
};
constexpr Option kOptions[] = {{"options/animate", &GameSettings::bAnimate},
                               {"options/keep_mark", &GameSettings::bKeepMark},
                               {"options/counts", &GameSettings::bCounts},
                               {"options/resizable", &GameSettings::bResizable},
                               {"options/quiet", &GameSettings::bQuiet}};

// A board or a marble row by the index the game keeps, or by its picture's name, which is what
// the file holds: the indexes follow neither the menus nor anything a reader of the file knows.
const Appearance* FindRow(Appearance::Kind nKind, int nIndex, const QString& picture) {
    for (const Appearance& look : Appearances()) {
        if (look.nKind == nKind &&
            (look.nIndex == nIndex || picture == QLatin1StringView(look.pszPicture)))
            return &look;
    }
    return nullptr;
}

QString PictureOf(Appearance::Kind nKind, int nIndex) {
    const Appearance* pRow = FindRow(nKind, nIndex, QString());
    assert(pRow);
    return pRow ? QString::fromLatin1(pRow->pszPicture) : QString();
}

// What a line says of the file may be anything a hand put there: control characters would break
// the line, and the start of a long value names it well enough.
QString Shown(const QString& text, qsizetype nMost) {
    QString shown;
    const QList<uint> codes = text.toUcs4();
    for (qsizetype i = 0; i < codes.size() && i < nMost; ++i) {
        const char32_t c = codes[i];
        const bool bShown = QChar::isPrint(c) && (c == U' ' || !QChar::isSpace(c));
        shown += bShown ? QString::fromUcs4(&c, 1) : QStringLiteral("?");
    }
    return codes.size() > nMost ? shown + QStringLiteral("…") : shown;
}

QString Said(const char* pszText, const QString& path) {
    return QString::fromUtf8(pszText).arg(Shown(path, path.size()));
}

} // namespace

void ReportToStandardError(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
}

QString CSettingsFile::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ravelo2/ravelo2.conf");
}

CSettingsFile::CSettingsFile(QString path) : m_path(std::move(path)) {}

bool CSettingsFile::Exists() const {
    return QFileInfo::exists(m_path);
}

namespace {

// A settings file is a few hundred bytes; a larger one is not the game's.
constexpr qint64 kMostBytes = 64 * 1024;

// The file's values by "group/key", read line by line. QSettings is not asked to read it: it
// would make of a value such as "@Variant(...)" whatever the bytes after it claim to be, however
// large, and a file from anywhere must cost no more than its own few values. Returns false when
// a line is neither a group, a value nor a comment.
bool ReadIni(QFile& file, std::map<QString, QString>& values) {
    const QByteArray bytes = file.read(kMostBytes);
    bool bWhole = file.atEnd();
    QString group;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            bWhole = bWhole && line.endsWith(u']');
            group = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype nEquals = line.indexOf(u'=');
        if (nEquals <= 0) {
            bWhole = false;
            continue;
        }
        // The last of a key's values counts, as for QSettings.
        values[group + u'/' + line.left(nEquals).trimmed()] = line.mid(nEquals + 1).trimmed();
    }
    return bWhole;
}

} // namespace

bool CSettingsFile::Load(GameSettings& settings, const SettingsReport& report) const {
    if (!Exists())
        return false;
    QFile file(m_path);
    if (!QFileInfo(m_path).isFile() || !file.open(QIODevice::ReadOnly)) {
        report(Said(kTextSettingsUnreadable, m_path));
        return true;
    }
    std::map<QString, QString> values;
    if (!ReadIni(file, values))
        report(Said(kTextSettingsBroken, m_path));

    // Only a value written as the game writes it is used, so that a value the game does not
    // write never means something by chance: "yes", "1" or "true " are not "true".
    const auto take = [&](const QString& key, const auto& use) {
        const auto found = values.find(key);
        if (found == values.end())
            return;
        const QString& text = found->second;
        if (!use(text)) {
            report(QString::fromUtf8(kTextSettingsBadValue)
                       .arg(Shown(m_path, m_path.size()), key, Shown(text, 40)));
        }
    };
    take(kLevel, [&](const QString& text) {
        if (text.size() != 1 || text[0] < u'1' || text[0] > u'4')
            return false;
        settings.nLevel = text[0].unicode() - u'0';
        return true;
    });
    const auto takeRow = [](Appearance::Kind nKind, int& nIndex) {
        return [&nIndex, nKind](const QString& text) {
            const Appearance* pRow = FindRow(nKind, -1, text);
            if (pRow)
                nIndex = pRow->nIndex;
            return pRow != nullptr;
        };
    };
    take(kBoard, takeRow(Appearance::kBoard, settings.nBoardStyle));
    take(kMarble, takeRow(Appearance::kMarble, settings.nMarbleColor));
    for (const Option& option : kOptions) {
        take(QString::fromLatin1(option.pszKey), [&](const QString& text) {
            if (text != u"true" && text != u"false")
                return false;
            settings.*option.pbValue = text == u"true";
            return true;
        });
    }
    return true;
}

bool CSettingsFile::Save(const GameSettings& settings, const SettingsReport& report) const {
    assert(settings.nLevel >= 1 && settings.nLevel <= 4);
    // QSettings writes a new file beside the old one, which it never reads: the old file may hold
    // anything. Renamed over the old one, the file is always either the old one or the new one,
    // whole.
    const QString fresh = m_path + QStringLiteral(".new");
    QFile::remove(fresh);
    QSettings::Status nStatus = QSettings::NoError;
    {
        QSettings file(fresh, QSettings::IniFormat);
        file.setValue(kLevel, settings.nLevel);
        file.setValue(kBoard, PictureOf(Appearance::kBoard, settings.nBoardStyle));
        file.setValue(kMarble, PictureOf(Appearance::kMarble, settings.nMarbleColor));
        for (const Option& option : kOptions)
            file.setValue(QString::fromLatin1(option.pszKey), settings.*option.pbValue);
        file.sync(); // QSettings creates the folder
        nStatus = file.status();
    }
    if (nStatus == QSettings::NoError && std::rename(QFile::encodeName(fresh).constData(),
                                                     QFile::encodeName(m_path).constData()) == 0)
        return true;
    QFile::remove(fresh);
    report(Said(kTextSettingsCannotSave, m_path));
    return false;
}

bool CSettingsFile::Remove(const SettingsReport& report) const {
    if (!Exists() || QFile::remove(m_path))
        return true;
    report(Said(kTextSettingsCannotRemove, m_path));
    return false;
}
