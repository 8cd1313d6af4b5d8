#pragma once

#include <QStringList>
#include <functional>

// The user manual that the about box and the rules box send the player to. It lies beside the
// game's own folder: share/ravelo2/manual of the installed game (/usr/games/ravelo2 ->
// /usr/share/ravelo2/manual), or the copy a build tree keeps in its share folder. Returns the
// page's path for the program in strAppDir, or an empty string when neither is there.
QString FindManual(const QString& strAppDir);

// Shows the page in the desktop's browser: xdg-open, or sensible-browser where xdg-open cannot
// start. A missing page or no browser that starts is said in a message box. Returns whether
// a browser was started.
bool OpenManual(const QString& strPage);

// Starts a program without waiting for it, as OpenManual does; tests put a stand-in in its
// place. Returns the previous one.
using ProcessStarter = std::function<bool(const QString& program, const QStringList& arguments)>;
ProcessStarter SetProcessStarter(ProcessStarter starter);
