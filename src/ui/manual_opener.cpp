#include "ui/manual_opener.h"

#include "res/texts.h"
#include "ui/message_box.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <utility>

namespace {

bool StartDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

ProcessStarter& CurrentStarter() {
    static ProcessStarter starter = StartDetached;
    return starter;
}

} // namespace

QString FindManual(const QString& strAppDir) {
    // Looked for beside the program rather than at a path fixed when it was built, so that the
    // build tree's game shows the manual of its own sources.
    for (const char* pszRelative :
         {"../share/ravelo2/manual/index.html", "../../share/ravelo2/manual/index.html"}) {
        const QFileInfo page(QDir(strAppDir).filePath(QString::fromLatin1(pszRelative)));
        if (page.isFile())
            return page.canonicalFilePath();
    }
    return QString();
}

bool OpenManual(const QString& strPage) {
    if (strPage.isEmpty()) {
        AfxMessageBox(QString::fromUtf8(kTextManualNotFound));
        return false;
    }
    // Qt's own way to open a page goes through xdg-open alone and reports success even when no
    // browser is there; starting the openers ourselves at least learns which of them started.
    const QStringList arguments{QUrl::fromLocalFile(strPage).toString()};
    for (const char* pszOpener : {"xdg-open", "sensible-browser"}) {
        if (CurrentStarter()(QString::fromLatin1(pszOpener), arguments))
            return 1;
    }
    AfxMessageBox(QString::fromUtf8(kTextNoBrowser));
    return 0;
}

ProcessStarter SetProcessStarter(ProcessStarter starter) {
    ProcessStarter previous = std::move(CurrentStarter());
    CurrentStarter() = starter ? std::move(starter) : ProcessStarter(StartDetached);
    return previous;
}
