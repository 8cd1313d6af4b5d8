#pragma once

#include <QString>

// The document holds nothing: the game lives in the view. Opening a file only checks that it
// can be read; nothing is read from it and nothing is ever written.
class CRavelo2Doc {
public:
    int OnNewDocument();
    // Returns 0 and says why in *pError when the file cannot be opened for reading.
    int OnOpenDocument(const QString& pathName, QString* pError);
    void Serialize() {}
    int IsModified() const { return 0; }
    const QString& GetPathName() const { return m_strPathName; }

private:
    QString m_strPathName;
};
