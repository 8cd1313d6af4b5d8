#pragma once

#include "rules/game_board.h"

#include <QRgb>

class QPainter;
class QString;

// One marble of the current colour with its top-left pixel at (x, y): the mask blackens the
// disc, then the picture's colours are or-ed into it, so the board shows through around it. On
// a device of more than one pixel per logical pixel, the sharper marble is laid over the board
// by its own alpha.
void DrawMarble(QPainter* pDC, int x, int y);

// Draws a position into a painter: the board picture, the marbles of the fourteen places, the
// marker on the pit played last; and makes the progress text. It reads what it is given and
// keeps nothing, so the window can draw any position it shows.
class CBoardPainter {
public:
    explicit CBoardPainter(QPainter* pDC) : m_pDC(pDC) {}

    // The current board picture at the top left; on a device of more than one pixel per logical
    // pixel, from the sharper set.
    void DrawBoard() const;
    void DrawMarbles(const Position& counts) const;
    // The number of marbles of every place, 0 included, in the bottom-right corner of its well:
    // on the well's floor while its last line of marbles is empty, else on a dark badge.
    void DrawCounts(const Position& counts) const;
    // The marker across the top edge of the pit that the record played; nothing for no record.
    void DrawLastMove(const MoveRecord* pLast) const;

    // The counts' digits and their badge: the digits read at better than 4.5:1 against the
    // badge and against the floor of every board.
    static constexpr QRgb kCountInk = 0xFFF0F0F0;
    static constexpr QRgb kCountBadge = 0xFF141414;

    // The progress as the status bar shows it: the number right-aligned in three places, then
    // the full-width percent sign.
    static QString GetProgressText(int nProgress);

private:
    QPainter* m_pDC;
};
