#include "ui/command_menu.h"

#include "res/menu_table.h"
#include "res/string_table.h"
#include "ui/cmd_ui.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

CCommandMenu::CCommandMenu(QObject* pParent) : QObject(pParent) {}

void CCommandMenu::Build(QMenuBar* pMenuBar) {
    QMenu* pPopup = nullptr;
    for (const MenuTemplateItem& item : MainMenuTemplate()) {
        switch (item.nKind) {
        case MenuTemplateItem::kPopup:
            pPopup = pMenuBar->addMenu(QString::fromUtf8(item.pszText));
            m_popups.push_back(pPopup);
            connect(pPopup, &QMenu::aboutToShow, this, [this, pPopup] { UpdatePopup(pPopup); });
            // Out of the popup, every action stays enabled so that its key reaches Execute,
            // which asks the update handlers afresh.
            connect(pPopup, &QMenu::aboutToHide, this, [this, pPopup] { EnableAllOf(pPopup); });
            break;
        case MenuTemplateItem::kSeparator:
            if (pPopup)
                pPopup->addSeparator();
            break;
        case MenuTemplateItem::kItem: {
            if (!pPopup)
                break;
            QAction* pAction = pPopup->addAction(QString::fromUtf8(item.pszText));
            const int nID = item.nId;
            pAction->setData(nID);
            pAction->setStatusTip(LoadPrompt(nID));
            if (item.pszKey)
                pAction->setShortcut(QKeySequence(QString::fromLatin1(item.pszKey)));
            connect(pAction, &QAction::triggered, this, [this, nID] { Execute(nID); });
            m_actions[nID] = pAction;
            break;
        }
        }
    }
}

void CCommandMenu::UpdateCommand(CCmdUI& cmdUI) const {
    for (CCmdTarget* pTarget : m_route) {
        if (pTarget && pTarget->OnCmdMsg(cmdUI.m_nID, &cmdUI))
            return;
    }
    cmdUI.Enable(0);
}

int CCommandMenu::Execute(int nID) {
    CCmdUI cmdUI(nID);
    UpdateCommand(cmdUI);
    if (!cmdUI.m_bEnabled)
        return 0;
    for (CCmdTarget* pTarget : m_route) {
        if (pTarget && pTarget->OnCmdMsg(nID, nullptr))
            return 1;
    }
    return 0;
}

void CCommandMenu::UpdatePopup(QMenu* pMenu) {
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->isSeparator() || !pAction->data().isValid())
            continue;
        CCmdUI cmdUI(pAction->data().toInt());
        UpdateCommand(cmdUI);
        ApplyTo(pAction, cmdUI);
    }
}

QAction* CCommandMenu::FindAction(int nID) const {
    const auto found = m_actions.find(nID);
    return found == m_actions.end() ? nullptr : found->second;
}

void CCommandMenu::ApplyTo(QAction* pAction, const CCmdUI& cmdUI) const {
    pAction->setEnabled(cmdUI.m_bEnabled != 0);
    // Only a checked item is checkable: an unchecked one shows no empty box, just the space
    // that the popup keeps for check marks.
    if (cmdUI.m_nCheck >= 0) {
        pAction->setCheckable(cmdUI.m_nCheck != 0);
        pAction->setChecked(cmdUI.m_nCheck != 0);
    }
}

void CCommandMenu::EnableAllOf(QMenu* pMenu) {
    for (QAction* pAction : pMenu->actions())
        pAction->setEnabled(true);
}
