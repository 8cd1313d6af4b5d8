#include "view/board_accessible.h"

#include "res/texts.h"
#include "ui/board_geometry.h"
#include "ui/place_names.h"
#include "view/ravelo2_view.h"

#include <QAccessibleActionInterface>
#include <QMetaObject>

namespace {

// One place of the board, by its index in sowing order.
class CPlaceAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CPlaceAccessible(CRavelo2View* pView, int nOrder)
        : m_pView(pView), m_nRow(nOrder / kPlaces), m_nIndex(nOrder % kPlaces) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_pView->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_pView);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    // A user's pit is described by the computer's latest moves, so that the first arrow key
    // after them says which pits the computer played.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description)
            return UserPit() ? m_pView->PitDescription(m_nIndex) : QString();
        if (t != QAccessible::Name)
            return QString();
        return PlaceName(m_nRow, m_nIndex, m_pView->DisplayedCounts()[m_nRow][m_nIndex]);
    }
    QRect rect() const override {
        int x = 0;
        int y = 0;
        GetPitOrigin(m_nRow, m_nIndex, x, y);
        const QRect place = m_pView->ViewRect(x, y, kPlaceSize, kPlaceSize);
        return QRect(m_pView->mapToGlobal(place.topLeft()), place.size());
    }
    QAccessible::Role role() const override {
        return UserPit() ? QAccessible::Button : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = UserPit();
        state.focused = UserPit() && m_pView->hasFocus() && m_pView->KeyPit() == m_nIndex;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface && UserPit()
                   ? static_cast<QAccessibleActionInterface*>(this)
                   : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override {
        return {QString::number(m_nIndex + 1)};
    }
    // The press returns at once: the move is played from the event loop, where a refusal or
    // the end of the game may open a box that the screen reader must not wait for.
    void doAction(const QString& actionName) override {
        if (actionName != pressAction())
            return;
        CRavelo2View* pView = m_pView;
        const int nPit = m_nIndex;
        QMetaObject::invokeMethod(
            pView, [pView, nPit] { pView->OnKeyPit(nPit); }, Qt::QueuedConnection);
    }

private:
    bool UserPit() const { return m_nRow == kUserRow && m_nIndex < kPits; }

    CRavelo2View* m_pView;
    int m_nRow;
    int m_nIndex;
};

QAccessibleInterface* BoardFactory(const QString&, QObject* pObject) {
    auto* pView = dynamic_cast<CRavelo2View*>(pObject);
    return pView ? new CBoardAccessible(pView) : nullptr;
}

} // namespace

CBoardAccessible::CBoardAccessible(CRavelo2View* pView)
    : QAccessibleWidget(pView, QAccessible::Pane, QString::fromUtf8(kTextBoardName)) {}

CBoardAccessible::~CBoardAccessible() {
    for (QAccessibleInterface* pPlace : m_places)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(pPlace));
}

CRavelo2View* CBoardAccessible::View() const {
    return static_cast<CRavelo2View*>(widget());
}

QString CBoardAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name)
        return QString::fromUtf8(kTextBoardName);
    if (t == QAccessible::Description)
        return View()->BoardDescription();
    return QAccessibleWidget::text(t);
}

int CBoardAccessible::childCount() const {
    return 2 * kPlaces;
}

QAccessibleInterface* CBoardAccessible::child(int nIndex) const {
    if (nIndex < 0 || nIndex >= childCount())
        return nullptr;
    if (m_places.empty()) {
        // Registered once and kept: a screen reader knows each place by the same object.
        for (int i = 0; i < childCount(); ++i) {
            auto* pPlace = new CPlaceAccessible(View(), i);
            QAccessible::registerAccessibleInterface(pPlace);
            m_places.push_back(pPlace);
        }
    }
    return m_places[static_cast<std::size_t>(nIndex)];
}

int CBoardAccessible::indexOfChild(const QAccessibleInterface* pChild) const {
    for (int i = 0; i < childCount(); ++i) {
        if (child(i) == pChild)
            return i;
    }
    return -1;
}

QAccessibleInterface* CBoardAccessible::childAt(int x, int y) const {
    const QPoint point = View()->BoardPoint(View()->mapFromGlobal(QPointF(x, y)));
    int nRow = 0;
    int nIndex = 0;
    return HitTestPlace(point.x(), point.y(), nRow, nIndex) ? child(nRow * kPlaces + nIndex)
                                                            : nullptr;
}

QAccessibleInterface* CBoardAccessible::focusChild() const {
    return View()->hasFocus() && View()->KeyPit() >= 0 ? child(View()->KeyPit()) : nullptr;
}

void CBoardAccessible::InstallFactory() {
    static bool s_bInstalled = false;
    if (!s_bInstalled) {
        // The toolkit's own factory answers for every plain widget; the one installed last is
        // asked first.
        QAccessible::installFactory(BoardFactory);
        s_bInstalled = true;
    }
}

QAccessibleInterface* CBoardAccessible::PlaceOf(CRavelo2View* pView, int nRow, int nIndex) {
    QAccessibleInterface* pBoard = QAccessible::queryAccessibleInterface(pView);
    return pBoard ? pBoard->child(nRow * kPlaces + nIndex) : nullptr;
}

namespace {

ScreenReaderNotifier& CurrentNotifier() {
    static ScreenReaderNotifier notifier = QAccessible::updateAccessibility;
    return notifier;
}

} // namespace

void NotifyScreenReader(QAccessibleEvent* pEvent) {
    CurrentNotifier()(pEvent);
}

ScreenReaderNotifier SetScreenReaderNotifier(ScreenReaderNotifier notifier) {
    ScreenReaderNotifier previous = std::move(CurrentNotifier());
    CurrentNotifier() =
        notifier ? std::move(notifier) : ScreenReaderNotifier(QAccessible::updateAccessibility);
    return previous;
}
