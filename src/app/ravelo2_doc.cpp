#include "app/ravelo2_doc.h"

#include "res/resource.h"
#include "res/texts.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

int CRavelo2Doc::OnNewDocument() {
    m_strPathName.clear();
    return 1;
}

namespace {

// Why a file cannot be read, in the user's words: the system's own reason would be English.
QString ReasonNotReadable(const QString& pathName) {
    const QFileInfo info(pathName);
    if (!info.exists())
        return QString::fromUtf8(kTextFileNotFound);
    if (info.isDir())
        return QString::fromUtf8(kTextFileIsFolder);
    if (!info.isReadable())
        return QString::fromUtf8(kTextFileNotPermitted);
    return QString::fromUtf8(kTextFileNotReadable);
}

} // namespace

int CRavelo2Doc::OnOpenDocument(const QString& pathName, QString* pError) {
    QFile file(pathName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (pError)
            *pError = ReasonNotReadable(pathName);
        return 0;
    }
    file.close();
    // The document carries no content: saving it under the opened file's name would empty that
    // file. So an opened document has no name, and its first save asks for one.
    m_strPathName.clear();
    return 1;
}

int CRavelo2Doc::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    if (nID != ID_FILE_SAVE)
        return 0;
    if (!pCmdUI)
        OnFileSave();
    return 1;
}

int CRavelo2Doc::OnFileSave() {
    QString pathName = m_strPathName;
    if (pathName.isEmpty()) {
        pathName = AfxPromptFileName(false);
        if (pathName.isEmpty())
            return 0;
    }
    return OnSaveDocument(pathName);
}

int CRavelo2Doc::OnSaveDocument(const QString& pathName) {
    // The empty content goes to a new file that replaces the old one only once it is complete:
    // a file that cannot be written keeps what it had.
    QSaveFile file(pathName);
    if (!file.open(QIODevice::WriteOnly) || !file.commit()) {
        AfxMessageBox(QString::fromUtf8(kTextCannotSaveFile).arg(pathName, file.errorString()));
        return 0;
    }
    m_strPathName = pathName;
    return 1;
}
