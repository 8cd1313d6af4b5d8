#pragma once

#include "app/command_line_info.h"
#include "ui/cmd_ui.h"

#include <QStringList>
#include <memory>

class CMainFrame;
class CRavelo2Doc;

// The application: start-up in the order the game needs (settings, pictures and cursors before
// the window that paints with them), the document and the main window, and the exit code.
class CRavelo2App : public CCmdTarget {
public:
    CRavelo2App();
    ~CRavelo2App() override;

    // Non-zero to run the message loop; zero when the game cannot start (the reason has been
    // shown), after which ExitInstance ends the program.
    int InitInstance(const CCommandLineInfo& cmdInfo);
    // Closes what is left of the window, drops the pictures and gives the exit code, 1.
    int ExitInstance();

    int OnCmdMsg(int nID, CCmdUI* pCmdUI) override;
    void OnFileNew();
    void OnFileOpen();
    void OnAppAbout();
    void OnHelpRules();
    void OnHelp();

    CMainFrame* GetMainWnd() const { return m_pMainWnd.get(); }
    CRavelo2Doc* GetDocument() const { return m_pDocument.get(); }
    const QStringList& GetRecentFileList() const { return m_recentFiles; }

    static const char* RegistryKey() { return "Local AppWizard-Generated Applications"; }

private:
    void LoadStdProfileSettings(int nMaxMRU);
    int ProcessShellCommand(const CCommandLineInfo& cmdInfo);
    bool CreateDocumentAndFrame(std::unique_ptr<CRavelo2Doc> pDocument);

    std::unique_ptr<CRavelo2Doc> m_pDocument;
    std::unique_ptr<CMainFrame> m_pMainWnd;
    QStringList m_recentFiles;
    int m_nPreviewPages = 0;
};

// Loads the toolkit's own Japanese texts, so that standard buttons read "キャンセル" and so on.
// Returns false when the translation is not installed.
bool LoadJapaneseTranslation();
