#include "ui/status_bar.h"

#include "res/resource.h"
#include "res/string_table.h"

#include <QFontMetrics>
#include <QLabel>

CStatusBar::CStatusBar(QWidget* pParent) : QStatusBar(pParent) {
    setObjectName(QStringLiteral("AFX_IDW_STATUS_BAR"));
    setSizeGripEnabled(false);
}

int CStatusBar::SetIndicators(const int* pIDArray, int nIDCount) {
    for (int i = 0; i < nIDCount; ++i) {
        const int nID = pIDArray[i];
        if (nID == ID_SEPARATOR) {
            // The message pane: it stretches, and a menu prompt hides it while it shows.
            auto* pLabel = new QLabel(LoadString(AFX_IDS_IDLEMESSAGE), this);
            addWidget(pLabel, 1);
            m_panes.push_back(pLabel);
            continue;
        }
        const QString text = LoadString(nID);
        if (text.isEmpty())
            return 0;
        auto* pLabel = new QLabel(text, this);
        pLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // The width of the indicator string, once: nothing written later is longer.
        const int nTextWidth = QFontMetrics(pLabel->font()).horizontalAdvance(text);
        pLabel->setFixedWidth(nTextWidth + 2 * pLabel->frameWidth() + 2 * pLabel->margin() + 6);
        addPermanentWidget(pLabel);
        m_panes.push_back(pLabel);
    }
    return 1;
}

void CStatusBar::SetPaneText(int nIndex, const QString& text) {
    if (nIndex < 0 || nIndex >= GetPaneCount())
        return;
    m_panes[static_cast<std::size_t>(nIndex)]->setText(text);
}

QString CStatusBar::GetPaneText(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetPaneCount())
        return QString();
    return m_panes[static_cast<std::size_t>(nIndex)]->text();
}

int CStatusBar::GetPaneWidth(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetPaneCount())
        return 0;
    return m_panes[static_cast<std::size_t>(nIndex)]->minimumWidth();
}

CStatusBar* FindStatusBar(const QWidget* pWidget) {
    if (!pWidget)
        return nullptr;
    return pWidget->window()->findChild<CStatusBar*>(QStringLiteral("AFX_IDW_STATUS_BAR"));
}
