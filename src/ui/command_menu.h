#pragma once

#include "res/command_table.h"

#include <QObject>
#include <functional>
#include <map>
#include <vector>

class CCmdTarget;
class CCmdUI;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The menu bar and the keys made from the game's command list, one action per command, and the
// route that takes each command to its owner: the view, the document, the frame or the
// application. Before a popup opens and before a command runs, the owner's update handler is
// asked where the list says so; a disabled command does nothing, chosen from the menu or by key.
class CCommandMenu : public QObject {
public:
    explicit CCommandMenu(QObject* pParent = nullptr);

    // Builds the popups into the bar; with a key target, the window's keys are bound to it.
    void Build(QMenuBar* pMenuBar, QWidget* pKeyTarget = nullptr);
    // Who carries out the commands each kind of owner has; a missing owner disables its commands.
    void SetRoute(CCmdTarget* pView, CCmdTarget* pDocument = nullptr, CCmdTarget* pFrame = nullptr,
                  CCmdTarget* pApp = nullptr);

    // Asks the command's owner about it; a command that nobody carries out is disabled.
    void UpdateCommand(CCmdUI& cmdUI) const;

    // Carries the command out if it is enabled; returns whether something ran it.
    bool Execute(int nID);
    // Called after every command that ran, whatever it changed.
    void SetAfterCommand(std::function<void()> afterCommand) {
        m_afterCommand = std::move(afterCommand);
    }

    // Refreshes enabling and check marks of every item of a popup, as its opening does.
    void UpdatePopup(QMenu* pMenu);

    QAction* FindAction(int nID) const;
    const std::vector<QMenu*>& Popups() const { return m_popups; }

private:
    CCmdTarget* OwnerOf(const CommandInfo& command) const;
    QAction* AddAction(int nID, QObject* pParent);
    void AddAccelerators(QWidget* pKeyTarget);
    void ApplyTo(QAction* pAction, const CCmdUI& cmdUI) const;
    void EnableAllOf(QMenu* pMenu);

    std::map<CommandOwner, CCmdTarget*> m_owners;
    std::function<void()> m_afterCommand;
    std::map<int, QAction*> m_actions;
    std::vector<QMenu*> m_popups;
};
