#include "app/ravelo2_app.h"

#include "app/main_frame.h"
#include "app/ravelo2_doc.h"
#include "flow/ravelo2_view.h"
#include "res/resource.h"
#include "res/texts.h"
#include "ui/message_box.h"
#include "ui/pictures.h"

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
    // Read, never written: the game keeps no settings of its own.
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
        if (!CreateDocumentAndFrame())
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
        if (!CreateDocumentAndFrame())
            return 0;
        m_pDocument = std::move(pDocument);
        return 1;
    }
    case CCommandLineInfo::ShowHelp:
    case CCommandLineInfo::Invalid:
        break;
    }
    return 0;
}

int CRavelo2App::CreateDocumentAndFrame() {
    m_pDocument = std::make_unique<CRavelo2Doc>();
    auto pFrame = std::make_unique<CMainFrame>();
    if (!pFrame->LoadFrame(this))
        return 0;
    m_pMainWnd = std::move(pFrame);
    return 1;
}

int CRavelo2App::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    if (nID == ID_FILE_NEW) {
        if (!pCmdUI)
            OnFileNew();
        return 1;
    }
    return 0;
}

void CRavelo2App::OnFileNew() {
    // The document is empty and the game lives in the view: a new document only repaints.
    if (m_pDocument)
        m_pDocument->OnNewDocument();
    if (m_pMainWnd && m_pMainWnd->GetActiveView())
        m_pMainWnd->GetActiveView()->update();
}

int LoadJapaneseTranslation() {
    auto* pTranslator = new QTranslator(QCoreApplication::instance());
    if (!pTranslator->load(QStringLiteral("qtbase_ja"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete pTranslator;
        return 0;
    }
    QCoreApplication::installTranslator(pTranslator);
    return 1;
}
