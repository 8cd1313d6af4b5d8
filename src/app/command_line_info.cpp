#include "app/command_line_info.h"

#include "res/texts.h"

CCommandLineInfo ParseCommandLine(const QStringList& arguments) {
    CCommandLineInfo info;
    QStringList files;
    bool bOptionsEnded = false;
    for (const QString& argument : arguments) {
        if (!bOptionsEnded && argument == QLatin1String("--")) {
            bOptionsEnded = true;
            continue;
        }
        if (!bOptionsEnded &&
            (argument == QLatin1String("-h") || argument == QLatin1String("--help"))) {
            info.m_nShellCommand = CCommandLineInfo::ShowHelp;
            return info;
        }
        if (!bOptionsEnded && argument.size() > 1 && argument.startsWith(QLatin1Char('-'))) {
            info.m_nShellCommand = CCommandLineInfo::Invalid;
            info.m_strError = QString::fromUtf8(kTextUnknownOption).arg(argument);
            return info;
        }
        files.append(argument);
    }
    if (files.size() > 1) {
        info.m_nShellCommand = CCommandLineInfo::Invalid;
        info.m_strError =
            QString::fromUtf8(kTextTooManyArguments).arg(files.join(QLatin1Char(' ')));
        return info;
    }
    if (files.size() == 1) {
        if (files.front().isEmpty()) {
            info.m_nShellCommand = CCommandLineInfo::Invalid;
            info.m_strError = QString::fromUtf8(kTextUnknownOption).arg(QStringLiteral("\"\""));
            return info;
        }
        info.m_nShellCommand = CCommandLineInfo::FileOpen;
        info.m_strFileName = files.front();
    }
    return info;
}
