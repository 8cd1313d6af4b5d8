#pragma once

#include "ui/cmd_ui.h"

#include <QString>

// The document holds nothing: the game lives in the view. Opening a file only checks that it
// can be read; nothing is read from it, and the document gets no name from it. Saving writes a
// file without content, under the name asked for at the first save of a new or opened document
// and under the same name afterwards.
class CRavelo2Doc : public CCmdTarget {
public:
    int OnNewDocument();
    int OnCmdMsg(int nID, CCmdUI* pCmdUI) override;
    // Asks for a name when the document has none yet; 0 when cancelled or not written.
    int OnFileSave();
    // Writes the empty file; 0, with the reason in a message box, when it cannot be written.
    int OnSaveDocument(const QString& pathName);
    // Returns 0 and says why in *pError when the file cannot be opened for reading.
    int OnOpenDocument(const QString& pathName, QString* pError);
    void Serialize() {}
    int IsModified() const { return 0; }
    const QString& GetPathName() const { return m_strPathName; }

private:
    QString m_strPathName;
};
