#include "ui/command_menu.h"

#include "res/menu_table.h"
#include "res/string_table.h"
#include "ui/cmd_ui.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>

namespace {

// The window's own style, except that a separator on the menu bar counts, and that a disabled
// item can be highlighted like any other, so that its prompt tells what it would do.
class CMenuStyle : public QProxyStyle {
public:
    explicit CMenuStyle(QObject* pOwner) { setParent(pOwner); }

    int styleHint(StyleHint hint, const QStyleOption* pOption, const QWidget* pWidget,
                  QStyleHintReturn* pReturn) const override {
        if (hint == SH_DrawMenuBarSeparator || hint == SH_Menu_AllowActiveAndDisabled)
            return 1;
        return QProxyStyle::styleHint(hint, pOption, pWidget, pReturn);
    }
};

} // namespace

CCommandMenu::CCommandMenu(QObject* pParent) : QObject(pParent) {}

void CCommandMenu::Build(QMenuBar* pMenuBar, QWidget* pKeyTarget) {
    QMenu* pPopup = nullptr;
    bool bRightJustified = false;
    auto* pMenuStyle = new CMenuStyle(pMenuBar);
    pMenuBar->setStyle(pMenuStyle);
    for (const MenuTemplateItem& item : MainMenuTemplate()) {
        switch (item.nKind) {
        case MenuTemplateItem::kPopup:
            if ((item.nType & MFT_RIGHTJUSTIFY) && !bRightJustified) {
                // A separator on the bar sends this popup and every later one to the right
                // end, in a style that counts such separators, as the bar's own does.
                pMenuBar->addSeparator();
                bRightJustified = true;
            }
            pPopup = pMenuBar->addMenu(QString::fromUtf8(item.pszText));
            pPopup->setStyle(pMenuStyle);
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
            connect(pAction, &QAction::triggered, this, [this, nID] { Execute(nID); });
            m_actions[nID] = pAction;
            break;
        }
        }
    }
    if (pKeyTarget)
        AddAccelerators(pKeyTarget);
}

void CCommandMenu::AddAccelerators(QWidget* pKeyTarget) {
    for (const AcceleratorItem& accel : MainAccelerators()) {
        const QKeySequence key(QString::fromLatin1(accel.pszKey));
        QAction* pAction = FindAction(accel.nId);
        if (!pAction) {
            // A command that only a key reaches: an action of the window, never shown.
            pAction = new QAction(this);
            const int nID = accel.nId;
            pAction->setData(nID);
            connect(pAction, &QAction::triggered, this, [this, nID] { Execute(nID); });
            m_actions[nID] = pAction;
        }
        QList<QKeySequence> keys = pAction->shortcuts();
        keys.append(key);
        pAction->setShortcuts(keys);
        pKeyTarget->addAction(pAction);
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
