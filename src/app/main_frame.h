#pragma once

#include "ui/cmd_ui.h"
#include "ui/settings_file.h"

#include <QMainWindow>

class CCommandMenu;
class CRavelo2View;
class CStatusBar;

// The main window: a fixed-size frame with a title and a close button only, the menu bar, the
// view as its whole client area between menu bar and status bar, and the three-pane status bar.
class CMainFrame : public QMainWindow, public CCmdTarget {
public:
    CMainFrame();
    ~CMainFrame() override;

    // Creates status bar, view and menu bar and fixes the size; 0 when any part fails, and the
    // window must then not be shown. Commands go to the view, the document, the frame and last
    // the application; the document must outlive the frame.
    int LoadFrame(CCmdTarget* pDocument, CCmdTarget* pApp);

    CRavelo2View* GetActiveView() const { return m_pView; }
    CStatusBar* GetStatusBar() const { return m_wndStatusBar; }
    CCommandMenu* GetCommandMenu() const { return m_pCommandMenu; }

    int OnCmdMsg(int nID, CCmdUI* pCmdUI) override;
    // The board grows with the window, which gets the maximise button; off, the window has its
    // fixed size again.
    void SetResizable(bool bResizable);
    // Remember: the level, the board, the marbles and the options are written to the game's own
    // settings file at every change and read at the next start; off, the file goes.
    void SetRemember(bool bRemember);

    static const int indicators[3];

private:
    void PreCreateWindow();
    int OnCreate();
    // The choices of the settings file, if there is one: remember is then on.
    void LoadSettings();
    GameSettings CurrentSettings() const;
    void SaveSettingsIfRemembered();
    SettingsReport ReportSaveOnce();

    CStatusBar* m_wndStatusBar = nullptr;
    CRavelo2View* m_pView = nullptr;
    CCommandMenu* m_pCommandMenu = nullptr;
    QSize m_fixedSize;
    bool m_bResizable = false;
    CSettingsFile m_settingsFile;
    bool m_bRemember = false;
    GameSettings m_saved; // what the file holds
    bool m_bSaveReported = false;
};
