#pragma once

#include <QObject>
#include <map>
#include <vector>

class CCmdTarget;
class CCmdUI;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The menu bar built from the program's menu template, one action per command id, and the
// route that commands travel: the view first, then the frame, then the application. Before a
// popup opens and before a command runs, the update handlers on the route are asked; a
// disabled command does nothing, whether chosen from the menu or by its key.
class CCommandMenu : public QObject {
public:
    explicit CCommandMenu(QObject* pParent = nullptr);

    // Builds the popups into the bar; with a key target, the window's keys are bound to it.
    void Build(QMenuBar* pMenuBar, QWidget* pKeyTarget = nullptr);
    void SetRoute(std::vector<CCmdTarget*> route) { m_route = std::move(route); }

    // Asks the route about one command; a command that nobody on the route handles is disabled.
    void UpdateCommand(CCmdUI& cmdUI) const;

    // Carries the command out if it is enabled; returns non-zero when something ran it.
    int Execute(int nID);

    // Refreshes enabling and check marks of every item of a popup, as its opening does.
    void UpdatePopup(QMenu* pMenu);

    QAction* FindAction(int nID) const;
    const std::vector<QMenu*>& Popups() const { return m_popups; }

private:
    void AddAccelerators(QWidget* pKeyTarget);
    void ApplyTo(QAction* pAction, const CCmdUI& cmdUI) const;
    void EnableAllOf(QMenu* pMenu);

    std::vector<CCmdTarget*> m_route;
    std::map<int, QAction*> m_actions;
    std::vector<QMenu*> m_popups;
};
