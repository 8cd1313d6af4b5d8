#pragma once

#include <QString>
#include <functional>

// What "remember my choices" keeps between starts. The defaults are the game's own start: level
// 1, the light wood board, yellow marbles and every option off.
struct GameSettings {
    int nLevel = 1;       // 1..4
    int nBoardStyle = 1;  // a board row's index in the appearance table, 0..5
    int nMarbleColor = 1; // a marble row's index, 0..5
    bool bAnimate = false, bKeepMark = false, bCounts = false, bResizable = false, bQuiet = false;
    bool operator==(const GameSettings&) const = default;
};

// One line for the player about the settings file, which the game writes to standard error.
using SettingsReport = std::function<void(const QString& line)>;
void ReportToStandardError(const QString& line);

// The game's own settings file, an INI file: [game] holds the level, the board and the marble by
// their picture names, [options] the options as true or false. Remember is on exactly while the
// file is there. Only Qt Core, so that the fuzz build compiles it without the widgets.
class CSettingsFile {
public:
    // $XDG_CONFIG_HOME/ravelo2/ravelo2.conf, ~/.config/ravelo2/ravelo2.conf without it.
    static QString DefaultPath();
    explicit CSettingsFile(QString path = DefaultPath());

    const QString& Path() const { return m_path; }
    bool Exists() const;
    // Reads the file value by value into settings, which holds the defaults on entry. A missing
    // key keeps its default quietly; a file that cannot be read, a broken line or a value the
    // game cannot use keeps the default and costs one line. Never writes. Returns whether the
    // file is there.
    bool Load(GameSettings& settings, const SettingsReport& report = ReportToStandardError) const;
    // Replaces the whole file at once, creating its folder. False, with one line, when it cannot.
    bool Save(const GameSettings& settings,
              const SettingsReport& report = ReportToStandardError) const;
    // Remember turned off: the file goes, so that the next start is the default one again. An
    // emptied file would still be a file, and remember would stay on.
    bool Remove(const SettingsReport& report = ReportToStandardError) const;

private:
    QString m_path;
};
