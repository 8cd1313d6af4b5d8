#include "app/ravelo2_app.h"

#include "app/about_dlg.h"
#include "app/main_frame.h"
#include "app/ravelo2_doc.h"
#include "res/resource.h"
#include "res/texts.h"
#include "ui/file_dialog.h"
#include "ui/manual_opener.h"
#include "ui/message_box.h"
#include "ui/pictures.h"
#include "ui/wait_cursor.h"
#include "view/ravelo2_view.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

CRavelo2App::CRavelo2App() = default;

CRavelo2App::~CRavelo2App() = default;

int CRavelo2App::InitInstance(const CCommandLineInfo& cmdInfo) {
    LoadStdProfileSettings(4);

    // The pictures and cursors come before the window: its first paint and the first mouse
    // movement over it use them.
    LoadBitmapInto(g_bmpMarbleMask, IDB_MARBLE_MASK);
    LoadBitmapInto(g_bmpMarble, IDB_MARBLE_YELLOW);
    LoadBitmapInto(g_bmpBoard, IDB_BOARD_LIGHT_WOOD);
    LoadCursors();

    if (!ProcessShellCommand(cmdInfo))
        return 0;

    m_pMainWnd->show();
    return 1;
}

int CRavelo2App::ExitInstance() {
    // The view stops a computer move in progress as it goes.
    m_pMainWnd.reset();
    m_pDocument.reset();
    g_bmpMarbleMask = QImage();
    g_bmpMarble = QImage();
    g_bmpBoard = QImage();
    return 1;
}

void CRavelo2App::LoadStdProfileSettings(int nMaxMRU) {
    // The framework's settings: read, never written. The player's remembered choices live in
    // the game's own file (CSettingsFile).
    const QSettings settings(QString::fromLatin1(RegistryKey()), QStringLiteral("Ravelo2"));
    m_recentFiles.clear();
    for (int i = 1; i <= nMaxMRU; ++i) {
        const QString file =
            settings.value(QStringLiteral("Recent File List/File%1").arg(i)).toString();
        if (!file.isEmpty())
            m_recentFiles.append(file);
    }
    m_nPreviewPages = settings.value(QStringLiteral("Settings/PreviewPages"), 0).toInt();
}

int CRavelo2App::ProcessShellCommand(const CCommandLineInfo& cmdInfo) {
    switch (cmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!CreateDocumentAndFrame(std::make_unique<CRavelo2Doc>()))
            return 0;
        return m_pDocument->OnNewDocument();
    case CCommandLineInfo::FileOpen: {
        auto pDocument = std::make_unique<CRavelo2Doc>();
        QString reason;
        if (!pDocument->OnOpenDocument(cmdInfo.m_strFileName, &reason)) {
            AfxMessageBox(
                QString::fromUtf8(kTextCannotOpenFile).arg(cmdInfo.m_strFileName, reason));
            return 0;
        }
        return CreateDocumentAndFrame(std::move(pDocument));
    }
    case CCommandLineInfo::ShowHelp:
    case CCommandLineInfo::Invalid:
        break;
    }
    return 0;
}

bool CRavelo2App::CreateDocumentAndFrame(std::unique_ptr<CRavelo2Doc> pDocument) {
    m_pDocument = std::move(pDocument);
    auto pFrame = std::make_unique<CMainFrame>();
    if (!pFrame->LoadFrame(m_pDocument.get(), this))
        return false;
    m_pMainWnd = std::move(pFrame);
    return true;
}

int CRavelo2App::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    void (CRavelo2App::*pfnCommand)() = nullptr;
    switch (nID) {
    case ID_APP_ABOUT:
        pfnCommand = &CRavelo2App::OnAppAbout;
        break;
    case ID_HELP_RULES:
        pfnCommand = &CRavelo2App::OnHelpRules;
        break;
    case ID_FILE_NEW:
        pfnCommand = &CRavelo2App::OnFileNew;
        break;
    case ID_FILE_OPEN:
        pfnCommand = &CRavelo2App::OnFileOpen;
        break;
    case ID_HELP: // F1
        pfnCommand = &CRavelo2App::OnHelp;
        break;
    default:
        return 0;
    }
    if (!pCmdUI)
        (this->*pfnCommand)();
    return 1;
}

void CRavelo2App::OnAppAbout() {
    CAboutDlg aboutDlg(m_pMainWnd.get());
    {
        const CArrowOverWaitCursor arrow;
        aboutDlg.DoModal();
    }
    // The computer may still be thinking: its busy cursor comes back over the board.
    RestoreWaitCursor();
}

void CRavelo2App::OnHelpRules() {
    AfxMessageBox(QString::fromUtf8(kTextRules), MB_OK);
    RestoreWaitCursor();
}

void CRavelo2App::OnHelp() {
    OpenManual(FindManual(QCoreApplication::applicationDirPath()));
}

void CRavelo2App::OnFileOpen() {
    const QString pathName = AfxPromptFileName(true);
    if (pathName.isEmpty() || !m_pDocument)
        return;
    // The file is only checked for reading; the game, in the view, stays as it is.
    QString reason;
    if (!m_pDocument->OnOpenDocument(pathName, &reason)) {
        AfxMessageBox(QString::fromUtf8(kTextCannotOpenFile).arg(pathName, reason));
        return;
    }
    if (m_pMainWnd && m_pMainWnd->GetActiveView())
        m_pMainWnd->GetActiveView()->update();
}

void CRavelo2App::OnFileNew() {
    // The document is empty and the game lives in the view: a new document only repaints.
    if (m_pDocument)
        m_pDocument->OnNewDocument();
    if (m_pMainWnd && m_pMainWnd->GetActiveView())
        m_pMainWnd->GetActiveView()->update();
}

bool LoadJapaneseTranslation() {
    auto* pTranslator = new QTranslator(QCoreApplication::instance());
    if (!pTranslator->load(QStringLiteral("qtbase_ja"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete pTranslator;
        return false;
    }
    QCoreApplication::installTranslator(pTranslator);
    return true;
}
