#include "app/main_frame.h"

#include "res/appearance_table.h"
#include "res/resource.h"
#include "res/string_table.h"
#include "ui/board_geometry.h"
#include "ui/command_menu.h"
#include "ui/program_icon.h"
#include "ui/status_bar.h"
#include "view/ravelo2_view.h"

#include <QIcon>
#include <QMenuBar>
#include <utility>

const int CMainFrame::indicators[3] = {ID_SEPARATOR, ID_INDICATOR_TURN, ID_INDICATOR_PROGRESS};

CMainFrame::CMainFrame() {
    PreCreateWindow();
}

CMainFrame::~CMainFrame() = default;

namespace {

// A caption with the close button and nothing else: the board is drawn pixel for pixel, so the
// window is neither resized, minimised nor maximised, and its title never carries a document
// name. A board that grows with the window adds the maximise button.
Qt::WindowFlags FrameFlags(bool bResizable) {
    const Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return bResizable ? flags | Qt::WindowMaximizeButtonHint : flags;
}

} // namespace

void CMainFrame::PreCreateWindow() {
    setWindowFlags(FrameFlags(false));
    setWindowTitle(LoadString(AFX_IDS_APP_TITLE));
    setWindowIcon(QIcon(LoadProgramIcon()));
}

int CMainFrame::OnCreate() {
    m_wndStatusBar = new CStatusBar(this);
    if (!m_wndStatusBar->SetIndicators(indicators, 3))
        return -1;
    setStatusBar(m_wndStatusBar);
    return 0;
}

int CMainFrame::LoadFrame(CCmdTarget* pDocument, CCmdTarget* pApp) {
    if (OnCreate() != 0)
        return 0;
    m_pView = new CRavelo2View(this);
    if (m_pView->OnCreate() != 0)
        return 0;
    setCentralWidget(m_pView);

    m_pCommandMenu = new CCommandMenu(this);
    m_pCommandMenu->Build(menuBar(), this);
    m_pCommandMenu->SetRoute(m_pView, pDocument, this, pApp);

    m_fixedSize = sizeHint();
    setFixedSize(m_fixedSize);
    m_pView->setFocus();
    LoadSettings();
    m_pCommandMenu->SetAfterCommand([this] { SaveSettingsIfRemembered(); });
    return 1;
}

void CMainFrame::LoadSettings() {
    GameSettings settings;
    if (!m_settingsFile.Load(settings))
        return; // without the file, the game starts as it always has and writes nothing
    m_bRemember = true;
    m_saved = settings;
    m_pView->Player().SetLevel(settings.nLevel);
    for (const Appearance& look : Appearances()) {
        const bool bBoard = look.nKind == Appearance::kBoard;
        if (look.nIndex == (bBoard ? settings.nBoardStyle : settings.nMarbleColor))
            m_pView->OnAppearance(look);
    }
    m_pView->SetOptions({settings.bAnimate, settings.bKeepMark, settings.bCounts, settings.bQuiet});
    SetResizable(settings.bResizable);
}

SettingsReport CMainFrame::ReportSaveOnce() {
    // A file that cannot be written is said once on standard error; the game goes on.
    return [this](const QString& line) {
        if (!std::exchange(m_bSaveReported, true))
            ReportToStandardError(line);
    };
}

GameSettings CMainFrame::CurrentSettings() const {
    const CRavelo2View::Options& options = m_pView->GetOptions();
    return {m_pView->Player().GetLevel(),
            m_pView->BoardStyle(),
            m_pView->MarbleColor(),
            options.bAnimate,
            options.bKeepMark,
            options.bCounts,
            m_bResizable,
            options.bQuiet};
}

void CMainFrame::SaveSettingsIfRemembered() {
    const GameSettings settings = CurrentSettings();
    if (!m_bRemember || settings == m_saved)
        return;
    m_settingsFile.Save(settings, ReportSaveOnce());
    m_saved = settings;
}

void CMainFrame::SetRemember(bool bRemember) {
    m_bRemember = bRemember;
    if (bRemember) {
        m_saved = CurrentSettings();
        m_settingsFile.Save(m_saved, ReportSaveOnce());
    } else {
        m_settingsFile.Remove();
    }
}

void CMainFrame::SetResizable(bool bResizable) {
    if (bResizable == m_bResizable)
        return;
    m_bResizable = bResizable;
    const bool bShown = isVisible();
    if (!bResizable && isMaximized())
        showNormal();
    // New window flags take effect when the window is shown again.
    setWindowFlags(FrameFlags(bResizable));
    m_wndStatusBar->setSizeGripEnabled(bResizable);
    if (bResizable) {
        m_pView->setMinimumSize(kBoardWidth, kBoardHeight);
        m_pView->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setMinimumSize(m_fixedSize);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        m_pView->setFixedSize(kBoardWidth, kBoardHeight);
        setFixedSize(m_fixedSize);
    }
    if (bShown) {
        show();
        m_pView->setFocus();
    }
}

int CMainFrame::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    switch (nID) {
    case ID_APP_EXIT:
        if (!pCmdUI)
            close();
        return 1;
    case ID_OPTION_RESIZABLE:
        if (pCmdUI)
            pCmdUI->SetCheck(m_bResizable);
        else
            SetResizable(!m_bResizable);
        return 1;
    case ID_OPTION_REMEMBER:
        if (pCmdUI)
            pCmdUI->SetCheck(m_bRemember);
        else
            SetRemember(!m_bRemember);
        return 1;
    default:
        return 0;
    }
}
