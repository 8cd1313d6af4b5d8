#include "app/first_paint_probe.h"

#include "view/ravelo2_view.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace {

// Watches every event of the application for the board's first paint; it lives as long as the
// application object that owns it.
class CFirstPaintProbe : public QObject {
public:
    CFirstPaintProbe(std::chrono::steady_clock::time_point started, QObject* pOwner)
        : QObject(pOwner), m_started(started) {}

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        if (!m_bSeen && pEvent->type() == QEvent::Paint &&
            dynamic_cast<CRavelo2View*>(pWatched) != nullptr) {
            m_bSeen = true;
            // Measured once the paint is done and on its way to the screen, not as it begins.
            QTimer::singleShot(0, this, [this] {
                const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(
                    std::chrono::steady_clock::now() - m_started);
                std::fprintf(stderr, "first paint: %.1f ms\n", elapsed.count() / 1000.0);
                QApplication::quit();
            });
        }
        return false;
    }

private:
    std::chrono::steady_clock::time_point m_started;
    bool m_bSeen = false;
};

} // namespace

void WatchFirstPaintIfAsked(std::chrono::steady_clock::time_point started) {
    if (qEnvironmentVariable("RAVELO2_EXIT_AFTER_FIRST_PAINT") != QLatin1String("1"))
        return;
    qApp->installEventFilter(new CFirstPaintProbe(started, qApp));
}
