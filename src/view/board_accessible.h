#pragma once

#include <QAccessibleWidget>
#include <functional>
#include <vector>

class CRavelo2View;

// The board as a screen reader sees it: the view, named, with the turn text as its
// description, and the fourteen places as its children in sowing order (the user's pits 0-5,
// the user's store, the computer's pits 0-5, its store). Each child is named by its marbles in
// the shown position; the user's pits are buttons whose press plays them as a click does.
class CBoardAccessible : public QAccessibleWidget {
public:
    explicit CBoardAccessible(CRavelo2View* pView);
    ~CBoardAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int nIndex) const override;
    int indexOfChild(const QAccessibleInterface* pChild) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Makes the view's interface come from here; once, after the application object exists.
    static void InstallFactory();
    // The child of place (nRow, nIndex), to send events about.
    static QAccessibleInterface* PlaceOf(CRavelo2View* pView, int nRow, int nIndex);

private:
    CRavelo2View* View() const;

    mutable std::vector<QAccessibleInterface*> m_places;
};

// Where the board's events for screen readers go: to the toolkit, which passes them on while a
// screen reader listens. Tests put a recorder in its place; returns the previous one.
using ScreenReaderNotifier = std::function<void(QAccessibleEvent* pEvent)>;
void NotifyScreenReader(QAccessibleEvent* pEvent);
ScreenReaderNotifier SetScreenReaderNotifier(ScreenReaderNotifier notifier);
