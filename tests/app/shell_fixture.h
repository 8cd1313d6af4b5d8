#pragma once

#include "app/main_frame.h"
#include "app/ravelo2_app.h"
#include "view/ravelo2_view.h"
#include "ui/command_menu.h"
#include "ui/status_bar.h"

#include <QString>
#include <gtest/gtest.h>

// The whole program on the offscreen platform: application, frame, view and document, with the
// view's real timer stopped so that nothing happens unless a test does it.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(m_app.InitInstance(CCommandLineInfo{}), 1);
        m_pFrame = m_app.GetMainWnd();
        ASSERT_NE(m_pFrame, nullptr);
        m_pView = m_pFrame->GetActiveView();
        ASSERT_NE(m_pView, nullptr);
        m_pView->KillTimerForTest();
    }
    void TearDown() override { EXPECT_EQ(m_app.ExitInstance(), 1); }

    static QString U(const char* psz) { return QString::fromUtf8(psz); }
    CStatusBar* StatusBar() const { return m_pFrame->GetStatusBar(); }
    CCommandMenu* Menu() const { return m_pFrame->GetCommandMenu(); }

    CRavelo2App m_app;
    CMainFrame* m_pFrame = nullptr;
    CRavelo2View* m_pView = nullptr;
};
