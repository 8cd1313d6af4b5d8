#include "ai/computer_player.h"

#include <algorithm>
#include <cstring>

int CComputerPlayer::SearchValue(int nDepth, int bProgress) {
    if (m_nSearchMode == kSearchFast) {
        return SearchValueFast(nDepth, bProgress);
    }
    return SearchValuePlain(nDepth, bProgress);
}

int CComputerPlayer::SearchValuePlain(int nDepth, int bProgress) {
    // An abandoned search only has to get out quickly; its values are never used.
    if (m_bStopRequested.load(std::memory_order_relaxed)) {
        return 0;
    }
    const std::int32_t bTurn = m_bUserTurn;
    const int bUserFinishes = CanForceFinishByTrial(kSideUser);
    const int bComputerFinishes = CanForceFinishByTrial(kSideComputer);

    // A side that can empty its row by force, with the move, has won. Without the move it has
    // still won when the opponent cannot send a single marble into its row.
    if (bTurn != 0) {
        if (bUserFinishes) {
            return -(nDepth + 1);
        }
        if (bComputerFinishes && BestPitScore(kUserRow) < 0) {
            return nDepth + 1;
        }
    } else {
        if (bComputerFinishes) {
            return nDepth + 1;
        }
        if (bUserFinishes && BestPitScore(kComputerRow) < 0) {
            return -(nDepth + 1);
        }
    }
    if (nDepth <= 0) {
        return 0;
    }

    std::int32_t snapshot[2][kPlaces];
    std::memcpy(snapshot, m_nCount, sizeof snapshot);
    int nLargest = -10000;
    int nSmallest = 10000;

    if (bTurn != 0) {
        for (int p = 0; p < kPits; ++p) {
            if (m_nCount[kUserRow][p] > 0) {
                TrialMove(kUserRow, p);
                const int v = SearchValuePlain(nDepth - 1, 0);
                std::memcpy(m_nCount, snapshot, sizeof snapshot);
                m_bUserTurn = bTurn;
                nLargest = std::max(nLargest, v);
                nSmallest = std::min(nSmallest, v);
                // One refutation is enough: the user will not let the computer have more.
                if (nSmallest < 0) {
                    return nSmallest;
                }
            }
            if (bProgress) {
                AddProgress(1);
            }
        }
        if (nSmallest > 0) {
            return nSmallest; // the user delays the computer's win as long as possible
        }
        if (nLargest > 0) {
            return 1;
        }
    } else {
        for (int p = 0; p < kPits; ++p) {
            if (m_nCount[kComputerRow][p] > 0) {
                TrialMove(kComputerRow, p);
                const int v = SearchValuePlain(nDepth - 1, 0);
                std::memcpy(m_nCount, snapshot, sizeof snapshot);
                m_bUserTurn = 0;
                nLargest = std::max(nLargest, v);
                nSmallest = std::min(nSmallest, v);
            }
            if (bProgress) {
                AddProgress(1);
            }
        }
        if (nLargest != 0) {
            return nLargest;
        }
        if (nSmallest < 0) {
            return -1;
        }
    }

    // Every reply came out even: judge the position by who could finish and by whether the
    // computer keeps a move that lands exactly in the user's first pit.
    const int h = nDepth / 2;
    int r = 0;
    if (CanForceFinishByTrial(kSideUser)) {
        r = -(h + 1);
    }
    if (CanForceFinishByTrial(kSideComputer)) {
        r = h + 1;
    }
    if (BestPitScore(kComputerRow) < 10) {
        r = -(h + 1);
    }
    return r;
}
