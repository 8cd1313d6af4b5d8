// The options of a modern way to play, each off until the player turns it on: sowings shown one
// marble at a time, a last-move mark that stays, counts, quiet refusals; and the hint.

#include "view/ravelo2_view.h"

#include "res/resource.h"
#include "res/string_table.h"
#include "res/texts.h"
#include "ui/message_box.h"
#include "ui/place_names.h"
#include "ui/status_bar.h"
#include "view/board_accessible.h"

#include <QAccessible>
#include <QApplication>

#include <system_error>
#include <thread>
#include <utility>

namespace {

constexpr int kRefusalShownMs = 3000;
// The hint's thread is asked this often whether it has chosen: a level-4 choice takes
// milliseconds.
constexpr int kHintPollMs = 10;

} // namespace

void CRavelo2View::SetOptions(const Options& options) {
    if (!options.bAnimate)
        EndAnimation(true);
    m_options = options;
    Invalidate();
}

namespace {

// The option that a command of the options menu switches.
bool CRavelo2View::Options::*OptionOf(int nID) {
    switch (nID) {
    case ID_OPTION_ANIMATE:
        return &CRavelo2View::Options::bAnimate;
    case ID_OPTION_KEEP_MARK:
        return &CRavelo2View::Options::bKeepMark;
    case ID_OPTION_COUNTS:
        return &CRavelo2View::Options::bCounts;
    default:
        return &CRavelo2View::Options::bQuiet;
    }
}

} // namespace

void CRavelo2View::OnOption(int nID) {
    Options options = m_options;
    options.*OptionOf(nID) = !(options.*OptionOf(nID));
    SetOptions(options);
}

void CRavelo2View::OnUpdateOption(CCmdUI* pCmdUI, int nID) const {
    pCmdUI->SetCheck(m_options.*OptionOf(nID));
}

void CRavelo2View::Refuse() {
    const QString text = QString::fromUtf8(kTextCannotChoose);
    CStatusBar* pStatusBar = FindStatusBar(this);
    if (!m_options.bQuiet || !pStatusBar) {
        AfxMessageBox(text);
        return;
    }
    // The beep keeps a player who does not look at the status bar informed.
    pStatusBar->showMessage(text, kRefusalShownMs);
    QApplication::beep();
}

// --- sowings shown one marble at a time ----------------------------------------------------

const Position& CRavelo2View::DisplayedCounts() const {
    return IsAnimating() ? m_animation.Frame() : m_board.GetShown();
}

void CRavelo2View::ShowSowing(int nRow, int nPit) {
    // The next sowing begins: a mark that was kept goes.
    if (m_options.bKeepMark)
        m_bShowLastMove = false;
    // Shown marble by marble, it starts from the position the screen showed before the move.
    if (m_options.bAnimate) {
        m_animation.Start(m_board.GetShown(), nRow, nPit);
        m_animationTimer.start(m_animation.StepMs(), this);
    }
    m_board.PublishCounts();
    Invalidate();
}

void CRavelo2View::AfterSowing(std::function<void()> next) {
    if (IsAnimating())
        m_afterSowing = std::move(next);
    else
        next();
}

void CRavelo2View::StepAnimation() {
    if (!m_animation.Step()) {
        EndAnimation(true);
        return;
    }
    update(); // a frame between two positions: nothing else follows it
}

void CRavelo2View::EndAnimation(bool bRunWhatWaits) {
    if (!m_animationTimer.isActive())
        return; // no sowing is being shown
    m_animationTimer.stop();
    m_animation.Stop();
    std::function<void()> next = std::exchange(m_afterSowing, nullptr);
    // The screen reader hears the end of a sowing, not each marble.
    Invalidate();
    if (bRunWhatWaits && next)
        next();
}

void CRavelo2View::StepAnimationForTest() {
    if (IsAnimating())
        StepAnimation();
}

// --- the hint --------------------------------------------------------------------------------

void CRavelo2View::OnHint() {
    // A key while a sowing is shown only ends it.
    if (IsAnimating()) {
        EndAnimation(true);
        return;
    }
    if (!UserMayPlay() || m_hintWorker.IsRunning())
        return;
    m_hintPlayer.ClearStop();
    try {
        m_hintWorker.Start(m_hintPlayer, m_board, [](CComputerPlayer& player, CGameBoard& board) {
            int nPit = -1;
            int nRow = -1;
            player.ChooseMove(board, nPit, nRow); // the user's row: the user is to move
            return player.IsStopRequested() ? -1 : nPit;
        });
    } catch (const std::system_error&) {
        return; // no thread: no hint, and the game goes on
    }
    m_hintTimer.start(kHintPollMs, this);
}

void CRavelo2View::OnUpdateHint(CCmdUI* pCmdUI) const {
    pCmdUI->Enable(UserMayPlay());
}

void CRavelo2View::StopHint() {
    m_hintTimer.stop();
    if (m_hintWorker.IsRunning())
        m_hintPlayer.RequestStop();
    m_hintWorker.Join();
}

void CRavelo2View::PollHint() {
    if (m_hintWorker.IsRunning())
        return;
    m_hintTimer.stop();
    const int nPit = m_hintWorker.Join();
    if (nPit >= 0 && UserMayPlay())
        ShowHint(nPit);
}

void CRavelo2View::WaitForHintForTest() {
    while (m_hintWorker.IsRunning())
        std::this_thread::yield();
    if (m_hintTimer.isActive())
        PollHint();
}

void CRavelo2View::ShowHint(int nPit) {
    m_nHintPit = nPit;
    if (CStatusBar* pStatusBar = FindStatusBar(this))
        pStatusBar->SetPaneText(0, HintText());
    // The screen reader speaks the hint even when the focus already was on that pit: the focus
    // passes through the board to the pit.
    if (m_nKeyPit == nPit) {
        QAccessibleEvent event(this, QAccessible::Focus);
        NotifyScreenReader(&event);
    }
    MoveKeyFocus(nPit);
}

QString CRavelo2View::HintText() const {
    return m_nHintPit < 0 ? QString()
                          : QString::fromUtf8(kTextHint).arg(PitName(kUserRow, m_nHintPit));
}

void CRavelo2View::ClearHint() {
    if (std::exchange(m_nHintPit, -1) < 0)
        return;
    if (CStatusBar* pStatusBar = FindStatusBar(this))
        pStatusBar->SetPaneText(0, LoadString(AFX_IDS_IDLEMESSAGE));
}
