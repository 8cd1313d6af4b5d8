#include "test_pictures.h"

#include "ui/pictures.h"

#include <utility>

QRgb CTestPictures::BoardPixel(int x, int y) {
    // Green and blue channels only, never zero: no board pixel is black, none is the marble's.
    return qRgb(0, 40 + (x % 200), 40 + (y % 200));
}

bool CTestPictures::OnDisc(int dx, int dy) {
    const int cx = 2 * dx - 9;
    const int cy = 2 * dy - 9;
    return cx * cx + cy * cy <= 90;
}

CTestPictures::CTestPictures() {
    QImage board(463, 122, QImage::Format_RGB32);
    for (int y = 0; y < board.height(); ++y) {
        for (int x = 0; x < board.width(); ++x)
            board.setPixel(x, y, BoardPixel(x, y));
    }
    QImage marble(10, 10, QImage::Format_RGB32);
    QImage mask(10, 10, QImage::Format_RGB32);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            marble.setPixel(x, y, OnDisc(x, y) ? kMarbleColour : qRgb(0, 0, 0));
            mask.setPixel(x, y, OnDisc(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    m_board = std::exchange(g_bmpBoard, board);
    m_marble = std::exchange(g_bmpMarble, marble);
    m_mask = std::exchange(g_bmpMarbleMask, mask);
}

CTestPictures::~CTestPictures() {
    g_bmpBoard = m_board;
    g_bmpMarble = m_marble;
    g_bmpMarbleMask = m_mask;
}
