#include "app/main_frame.h"

#include "res/resource.h"
#include "res/string_table.h"
#include "ui/command_menu.h"
#include "ui/program_icon.h"
#include "ui/status_bar.h"
#include "view/ravelo2_view.h"

#include <QIcon>
#include <QMenuBar>

const int CMainFrame::indicators[3] = {ID_SEPARATOR, ID_INDICATOR_TURN, ID_INDICATOR_PROGRESS};

CMainFrame::CMainFrame() {
    PreCreateWindow();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::PreCreateWindow() {
    // A caption with the close button and nothing else: the board is drawn pixel for pixel, so
    // the window is neither resized, minimised nor maximised, and its title never carries a
    // document name.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
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

    setFixedSize(sizeHint());
    m_pView->setFocus();
    return 1;
}

int CMainFrame::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    if (nID == ID_APP_EXIT) {
        if (!pCmdUI)
            close();
        return 1;
    }
    return 0;
}
