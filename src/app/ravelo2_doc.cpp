#include "app/ravelo2_doc.h"

#include "res/texts.h"

#include <QFile>
#include <QFileInfo>

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
    m_strPathName = pathName;
    return 1;
}
