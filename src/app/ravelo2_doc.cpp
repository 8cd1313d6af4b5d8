#include "app/ravelo2_doc.h"

#include <QFile>

int CRavelo2Doc::OnNewDocument() {
    m_strPathName.clear();
    return 1;
}

int CRavelo2Doc::OnOpenDocument(const QString& pathName, QString* pError) {
    QFile file(pathName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (pError)
            *pError = file.errorString();
        return 0;
    }
    file.close();
    m_strPathName = pathName;
    return 1;
}
