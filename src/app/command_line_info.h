#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for: a new game, a game with a file as its document, the usage
// text, or nothing because the line is wrong (m_strError says why).
struct CCommandLineInfo {
    enum Shell { FileNew, FileOpen, ShowHelp, Invalid };
    Shell m_nShellCommand = FileNew;
    QString m_strFileName;
    QString m_strError;
};

// Reads the arguments after the program name (the toolkit's own options already taken out):
// none gives FileNew, one file name FileOpen; "--" ends the options, so a file may start with
// a dash. Anything else is Invalid.
CCommandLineInfo ParseCommandLine(const QStringList& arguments);
