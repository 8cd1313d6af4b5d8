#include "ai/computer_player.h"
#include "ai/pick_best.h"

#include <cstring>

namespace {

constexpr int kEmptyMarkEasy = -1000;    // levels 1 and 2
constexpr int kEmptyMarkSearch = -30000; // levels 3 and 4
constexpr int kStepsLevel1 = 13;
constexpr int kStepsLevel2 = 31;
constexpr int kStepsSearch = 37;
constexpr int kMostMarblesForSearch = 32;

} // namespace

int CComputerPlayer::SearchDepthFor(int nMarblesInPlay, bool bDeep) {
    // The search grows deeper as marbles leave the pits and the tree thins out.
    struct Band {
        int nMinMarbles;
        int nLevel3;
        int nLevel4;
    };
    static constexpr Band kBands[] = {
        {25, 8, 10}, {13, 10, 13}, {11, 14, 19}, {9, 20, 28}, {8, 28, 40}, {0, 38, 55},
    };
    if (nMarblesInPlay > kMostMarblesForSearch) {
        return 0;
    }
    for (const Band& band : kBands) {
        if (nMarblesInPlay >= band.nMinMarbles) {
            return bDeep ? band.nLevel4 : band.nLevel3;
        }
    }
    return bDeep ? kBands[5].nLevel4 : kBands[5].nLevel3;
}

bool CComputerPlayer::TakeForcedFinish(int& nPit, int& nRow) {
    if (!CanForceFinish(kSideComputer)) {
        return false;
    }
    nPit = FirstForcedMove(kComputerRow);
    nRow = kComputerRow;
    m_lastChoice.bForced = true;
    return true;
}

void CComputerPlayer::ChooseMoveLevel1(int& nPit, int& nRow) {
    m_lastChoice = ChoiceReport{};
    if (TakeForcedFinish(nPit, nRow)) {
        return;
    }
    SetProgressStep(1, kStepsLevel1);
    std::int32_t scores[kPits] = {};
    for (int i = 0; i < kPits; ++i) {
        if (m_nCount[kComputerRow][i] == 0) {
            scores[i] = kEmptyMarkEasy;
        }
        SetProgressStep(2 + i, kStepsLevel1);
    }
    // Against the user's threat of a forced finish, prefer pits that send marbles into the
    // user's row, best of all one that lands exactly in the user's first pit.
    if (CanForceFinish(kSideUser)) {
        for (int i = 0; i < kPits; ++i) {
            scores[i] += PitScore(m_nCount[kComputerRow][i], i);
            SetProgressStep(8 + i, kStepsLevel1);
        }
    }
    std::memcpy(m_lastChoice.nScores, scores, sizeof scores);
    m_lastChoice.bHasScores = true;
    nPit = PickBest(scores, kPits, m_random);
    nRow = kComputerRow;
}

void CComputerPlayer::ChooseMoveLevel2(int& nPit, int& nRow) {
    m_lastChoice = ChoiceReport{};
    if (TakeForcedFinish(nPit, nRow)) {
        return;
    }
    nRow = kComputerRow;
    SetProgressStep(1, kStepsLevel2);
    std::int32_t snapshot[2][kPlaces];
    std::memcpy(snapshot, m_nCount, sizeof snapshot);
    std::int32_t scores[kPits] = {};
    for (int i = 0; i < kPits; ++i) {
        if (m_nCount[kComputerRow][i] == 0) {
            scores[i] = kEmptyMarkEasy;
        }
        SetProgressStep(2 + i, kStepsLevel2);
    }
    auto finish = [&](int nChosen) {
        std::memcpy(m_lastChoice.nScores, scores, sizeof scores);
        m_lastChoice.bHasScores = true;
        nPit = nChosen;
    };

    if (CanForceFinish(kSideUser)) {
        for (int i = 0; i < kPits; ++i) {
            scores[i] += PitScore(m_nCount[kComputerRow][i], i);
            SetProgressStep(8 + i, kStepsLevel2);
        }
        const int b = PickBest(scores, kPits, m_random);
        if (scores[b] > 0 || scores[b] < -5) {
            finish(PickBest(scores, kPits, m_random));
            return;
        }
        // No pit reaches the user's row: prefer the moves after which some pit would.
        for (int i = 0; i < kPits; ++i) {
            if (scores[i] == -5) {
                TrialMove(kComputerRow, i);
                scores[i] += BestPitScore(kComputerRow);
                m_bUserTurn = 0;
                std::memcpy(m_nCount, snapshot, sizeof snapshot);
            }
        }
        for (int i = 0; i < kPits; ++i) {
            SetProgressStep(14 + i, kStepsLevel2);
        }
        finish(PickBest(scores, kPits, m_random));
        return;
    }

    // A move after which the computer can force a finish wins outright.
    for (int i = 0; i < kPits; ++i) {
        if (scores[i] == 0) {
            TrialMove(kComputerRow, i);
            m_bUserTurn = 0;
            if (CanForceFinish(kSideComputer)) {
                scores[i] += 10;
            }
            std::memcpy(m_nCount, snapshot, sizeof snapshot);
        }
    }
    for (int i = 0; i < kPits; ++i) {
        SetProgressStep(20 + i, kStepsLevel2);
    }
    const int b = PickBest(scores, kPits, m_random);
    if (scores[b] > 0) {
        finish(b);
        return;
    }
    for (int i = 0; i < kPits; ++i) {
        if (scores[i] == 0) {
            TrialMove(kComputerRow, i);
            const int x = BestPitScore(kComputerRow);
            m_bUserTurn = 0;
            std::memcpy(m_nCount, snapshot, sizeof snapshot);
            scores[i] += x;
        }
    }
    // Small, early pits keep marbles back; pit 5 gives the least.
    for (int i = 0; i < kPits; ++i) {
        scores[i] += 5 - m_nCount[kComputerRow][i] - i;
        SetProgressStep(26 + i, kStepsLevel2);
    }
    scores[5] -= 10;
    finish(PickBest(scores, kPits, m_random));
}

int CComputerPlayer::ChooseBySearch(int& nPit, int& nRow, bool bDeep) {
    if (MarblesInPlay() > kMostMarblesForSearch) {
        ChooseMoveLevel2(nPit, nRow);
        return 0;
    }
    int nPlayable = 0;
    for (int i = 0; i < kPits; ++i) {
        nPlayable += m_nCount[kComputerRow][i] > 0 ? 1 : 0;
    }
    const int nDepth = nPlayable == 1 ? 1 : SearchDepthFor(MarblesInPlay(), bDeep);

    m_lastChoice = ChoiceReport{};
    if (TakeForcedFinish(nPit, nRow)) {
        return 0;
    }
    SetProgress(SearchProgressAt(0, 0));
    std::int32_t scores[kPits] = {};
    // The candidate gets the full depth: its own move is not counted against it.
    if (m_nSearchMode != kSearchFast || !SearchCandidatesFast(nDepth, scores)) {
        std::int32_t snapshot[2][kPlaces];
        std::memcpy(snapshot, m_nCount, sizeof snapshot);
        for (int i = 0; i < kPits; ++i) {
            if (m_nCount[kComputerRow][i] != 0) {
                TrialMove(kComputerRow, i);
                scores[i] = SearchValue(nDepth, 1);
                std::memcpy(m_nCount, snapshot, sizeof snapshot);
                m_bUserTurn = 0;
            }
            SetProgress(SearchProgressAt(i + 1, 0));
        }
    }
    for (int i = 0; i < kPits; ++i) {
        if (m_nCount[kComputerRow][i] == 0) {
            scores[i] = kEmptyMarkSearch;
        }
    }
    m_lastChoice.nDepth = nDepth;
    std::memcpy(m_lastChoice.nScores, scores, sizeof scores);
    m_lastChoice.bHasScores = true;
    nPit = PickBest(scores, kPits, m_random);
    nRow = kComputerRow;
    return nDepth;
}

int CComputerPlayer::SearchProgressAt(int nCandidate, int nPits) {
    // Step 1 comes before the first candidate; candidate i ends with step 7 + 6 * i.
    return (1 + kPits * nCandidate) * 100 / kStepsSearch + nPits;
}

void CComputerPlayer::ChooseMoveLevel3(int& nPit, int& nRow) {
    ChooseBySearch(nPit, nRow, false);
}

void CComputerPlayer::ChooseMoveLevel4(int& nPit, int& nRow) {
    ChooseBySearch(nPit, nRow, true);
}

void CComputerPlayer::ChooseAtLevel(int& nPit, int& nRow) {
    switch (m_nLevel) {
    case 1:
        ChooseMoveLevel1(nPit, nRow);
        break;
    case 2:
        ChooseMoveLevel2(nPit, nRow);
        break;
    case 3:
        ChooseMoveLevel3(nPit, nRow);
        break;
    default:
        ChooseMoveLevel4(nPit, nRow);
        break;
    }
}

void CComputerPlayer::ChooseMove(const CGameBoard& board, int& nPit, int& nRow) {
    LoadPosition(board);
    ChooseAtLevel(nPit, nRow);
    nRow = board.IsUserTurn() ? kUserRow : kComputerRow;
}

int CComputerPlayer::ThinkAndMove(CGameBoard& board) {
    SetProgress(0);
    int nPit = 0;
    int nRow = kComputerRow;
    ChooseMove(board, nPit, nRow);
    // A stopped choice rests on cut-short searches: it must never reach the board.
    const bool bStopped = IsStopRequested();
    if (!bStopped) {
        board.ApplyMove(nPit, nRow);
    }
    SetProgress(0);
    return bStopped ? -1 : nPit;
}
