#pragma once

// The busy cursor that shows while the computer has the move. Begin and End nest: the cursor
// stays busy until every Begin has had its End. Restore puts the busy cursor back up when
// something else (a box, a cursor change) may have replaced it.
void BeginWaitCursor();
void RestoreWaitCursor();
void EndWaitCursor();
int WaitCursorCount();

// While one lives, the plain arrow shows even if the busy cursor is up: for boxes the user has
// to answer.
class CArrowOverWaitCursor {
public:
    CArrowOverWaitCursor();
    ~CArrowOverWaitCursor();
    CArrowOverWaitCursor(const CArrowOverWaitCursor&) = delete;
    CArrowOverWaitCursor& operator=(const CArrowOverWaitCursor&) = delete;

private:
    bool m_bPushed = false;
};
