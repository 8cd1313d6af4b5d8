#pragma once

// What an update handler says about one command before its menu opens or before it runs: whether
// it is enabled and whether it carries a check mark. A handler that says nothing leaves the
// command enabled and its check mark as it was.
class CCmdUI {
public:
    explicit CCmdUI(int nID) : m_nID(nID) {}

    void Enable(bool bOn = true) { m_bEnabled = bOn; }
    void SetCheck(int nCheck = 1) { m_nCheck = nCheck ? 1 : 0; }

    int m_nID;
    bool m_bEnabled = true;
    int m_nCheck = -1; // -1: no handler spoke about the check mark
};

// An owner of commands on the route: the view, the document, the frame or the application. With
// a CCmdUI it answers the update question; without one it carries the command out. Either way it
// returns non-zero when the command is its own.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    virtual int OnCmdMsg(int nID, CCmdUI* pCmdUI) = 0;
};
