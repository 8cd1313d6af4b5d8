#include "app/command_line_info.h"
#include "app/display_check.h"
#include "app/first_paint_probe.h"
#include "app/ravelo2_app.h"
#include "res/texts.h"
#include "res/version.h"

#include <QApplication>
#include <QFont>

#include <chrono>
#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    const auto started = std::chrono::steady_clock::now();
    // Asking for the usage needs no screen.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (ParseCommandLine(arguments).m_nShellCommand == CCommandLineInfo::ShowHelp) {
        std::printf("%s\n", kTextUsage);
        return 0;
    }
    if (!DisplayMayBeReachable(argc, argv)) {
        ReportNoDisplay();
        return 2;
    }
    std::unique_ptr<QApplication> pApplication;
    {
        const CDisplayGuard guard;
        pApplication = std::make_unique<QApplication>(argc, argv);
    }
    LoadJapaneseTranslation();
    QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), 9));
    QApplication::setApplicationVersion(QString::fromLatin1(kProductVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));

    const CCommandLineInfo cmdInfo = ParseCommandLine(QApplication::arguments().mid(1));
    if (cmdInfo.m_nShellCommand == CCommandLineInfo::ShowHelp) {
        std::printf("%s\n", kTextUsage);
        return 0;
    }
    if (cmdInfo.m_nShellCommand == CCommandLineInfo::Invalid) {
        std::fprintf(stderr, "%s\n%s\n", cmdInfo.m_strError.toUtf8().constData(), kTextUsage);
        return 2;
    }

    WatchFirstPaintIfAsked(started);
    CRavelo2App theApp;
    if (!theApp.InitInstance(cmdInfo))
        return theApp.ExitInstance();
    QApplication::exec();
    return theApp.ExitInstance();
}
