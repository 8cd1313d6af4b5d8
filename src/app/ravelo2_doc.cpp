#include "app/ravelo2_doc.h"

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
        return QString::fromUtf8("ファイルが見つかりません。");
    if (info.isDir())
        return QString::fromUtf8("フォルダは開けません。");
    if (!info.isReadable())
        return QString::fromUtf8("読み取りが許可されていません。");
    return QString::fromUtf8("読み取り用に開けませんでした。");
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
