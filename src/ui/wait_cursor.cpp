#include "ui/wait_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

// One override entry at most, whose shape follows from the two counts: the busy cursor while
// the computer has the move, the arrow while a box asks the user something.
int g_nWaitCursorCount = 0;
int g_nArrowCount = 0;
bool g_bOverridden = false;

void ApplyCursor() {
    if (g_nWaitCursorCount == 0 && g_nArrowCount == 0) {
        if (g_bOverridden)
            QGuiApplication::restoreOverrideCursor();
        g_bOverridden = false;
        return;
    }
    const QCursor cursor(g_nArrowCount > 0 ? Qt::ArrowCursor : Qt::WaitCursor);
    if (g_bOverridden)
        QGuiApplication::changeOverrideCursor(cursor);
    else
        QGuiApplication::setOverrideCursor(cursor);
    g_bOverridden = true;
}

} // namespace

void BeginWaitCursor() {
    ++g_nWaitCursorCount;
    ApplyCursor();
}

void RestoreWaitCursor() {
    if (g_nWaitCursorCount > 0)
        ApplyCursor();
}

void EndWaitCursor() {
    if (g_nWaitCursorCount > 0)
        --g_nWaitCursorCount;
    ApplyCursor();
}

int WaitCursorCount() {
    return g_nWaitCursorCount;
}

CArrowOverWaitCursor::CArrowOverWaitCursor() {
    if (g_nWaitCursorCount > 0) {
        ++g_nArrowCount;
        m_bPushed = true;
        ApplyCursor();
    }
}

CArrowOverWaitCursor::~CArrowOverWaitCursor() {
    if (m_bPushed) {
        --g_nArrowCount;
        ApplyCursor();
    }
}
