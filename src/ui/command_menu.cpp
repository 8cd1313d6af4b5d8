#include "ui/command_menu.h"

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
    auto* pMenuStyle = new CMenuStyle(pMenuBar);
    pMenuBar->setStyle(pMenuStyle);
    bool bRightJustified = false;
    for (const PopupInfo& popup : ::Popups()) {
        if ((popup.nType & MFT_RIGHTJUSTIFY) && !bRightJustified) {
            // A separator on the bar sends this popup and every later one to the right end, in
            // a style that counts such separators, as the bar's own does.
            pMenuBar->addSeparator();
            bRightJustified = true;
        }
        QMenu* pPopup = pMenuBar->addMenu(QString::fromUtf8(popup.pszTitle));
        pPopup->setStyle(pMenuStyle);
        m_popups.push_back(pPopup);
        connect(pPopup, &QMenu::aboutToShow, this, [this, pPopup] { UpdatePopup(pPopup); });
        // Out of the popup, every action stays enabled so that its key reaches Execute, which
        // asks the update handlers afresh.
        connect(pPopup, &QMenu::aboutToHide, this, [this, pPopup] { EnableAllOf(pPopup); });
    }
    for (const CommandInfo& command : Commands()) {
        if (command.nPopup < 0)
            continue;
        QMenu* pPopup = m_popups[static_cast<std::size_t>(command.nPopup)];
        if (command.bSeparatorBefore)
            pPopup->addSeparator();
        QAction* pAction = AddAction(command.nId, pPopup);
        pAction->setText(QString::fromUtf8(command.pszText));
        pAction->setStatusTip(LoadPrompt(command.nId));
        pPopup->addAction(pAction);
    }
    if (pKeyTarget)
        AddAccelerators(pKeyTarget);
}

void CCommandMenu::SetRoute(CCmdTarget* pView, CCmdTarget* pDocument, CCmdTarget* pFrame,
                            CCmdTarget* pApp) {
    m_owners = {{CommandOwner::kView, pView},
                {CommandOwner::kDocument, pDocument},
                {CommandOwner::kFrame, pFrame},
                {CommandOwner::kApplication, pApp}};
}

QAction* CCommandMenu::AddAction(int nID, QObject* pParent) {
    auto* pAction = new QAction(pParent);
    pAction->setData(nID);
    connect(pAction, &QAction::triggered, this, [this, nID] { Execute(nID); });
    m_actions[nID] = pAction;
    return pAction;
}

void CCommandMenu::AddAccelerators(QWidget* pKeyTarget) {
    for (const AcceleratorItem& accel : MainAccelerators()) {
        // A command that only a key reaches gets an action of the window, never shown.
        QAction* pAction = FindAction(accel.nId);
        if (!pAction)
            pAction = AddAction(accel.nId, this);
        QList<QKeySequence> keys = pAction->shortcuts();
        keys.append(QKeySequence(QString::fromLatin1(accel.pszKey)));
        pAction->setShortcuts(keys);
        pKeyTarget->addAction(pAction);
    }
}

CCmdTarget* CCommandMenu::OwnerOf(const CommandInfo& command) const {
    const auto found = m_owners.find(command.nOwner);
    return found == m_owners.end() ? nullptr : found->second;
}

void CCommandMenu::UpdateCommand(CCmdUI& cmdUI) const {
    const CommandInfo* pCommand = FindCommand(cmdUI.m_nID);
    CCmdTarget* pOwner = pCommand ? OwnerOf(*pCommand) : nullptr;
    if (!pOwner) {
        cmdUI.Enable(false);
        return;
    }
    if (pCommand->nUpdate == UpdateRule::kAsked)
        pOwner->OnCmdMsg(cmdUI.m_nID, &cmdUI);
}

bool CCommandMenu::Execute(int nID) {
    CCmdUI cmdUI(nID);
    UpdateCommand(cmdUI);
    if (!cmdUI.m_bEnabled)
        return false;
    const bool bRan = OwnerOf(*FindCommand(nID))->OnCmdMsg(nID, nullptr) != 0;
    if (bRan && m_afterCommand)
        m_afterCommand();
    return bRan;
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
