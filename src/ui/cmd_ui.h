#pragma once

// What an update handler says about one command before its menu opens or before it runs: whether
// it is enabled and whether it carries a check mark. A handler that says nothing leaves the
// command enabled and its check mark as it was.
class CCmdUI {
public:
    explicit CCmdUI(int nID) : m_nID(nID) {}

    void Enable(int bOn = 1) { m_bEnabled = bOn ? 1 : 0; }
    void SetCheck(int nCheck = 1) { m_nCheck = nCheck ? 1 : 0; }

    int m_nID;
    int m_bEnabled = 1;
    int m_nCheck = -1; // -1: no handler spoke about the check mark
};

// Something on the command route: the view, then the frame, then the application. With a
// CCmdUI it answers the update question; without one it carries the command out. Either way it
// returns non-zero when the command is its own.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    virtual int OnCmdMsg(int nID, CCmdUI* pCmdUI) = 0;
};
