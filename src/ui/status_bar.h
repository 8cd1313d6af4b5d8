#pragma once

#include <QStatusBar>
#include <QString>
#include <vector>

class QLabel;

// The main window's status bar: pane 0 is the message area (menu prompts, otherwise the idle
// text), every further pane a fixed-width indicator that shows its indicator string until the
// game first writes it.
class CStatusBar : public QStatusBar {
public:
    explicit CStatusBar(QWidget* pParent = nullptr);

    // One pane per id, in pane order; ID_SEPARATOR makes the message pane. Returns 0 when an
    // indicator has no string to size it by.
    int SetIndicators(const int* pIDArray, int nIDCount);

    void SetPaneText(int nIndex, const QString& text);
    QString GetPaneText(int nIndex) const;
    int GetPaneWidth(int nIndex) const;
    int GetPaneCount() const { return static_cast<int>(m_panes.size()); }

private:
    std::vector<QLabel*> m_panes;
};

// The status bar of the window that holds pWidget, or null when it has none.
CStatusBar* FindStatusBar(const QWidget* pWidget);
