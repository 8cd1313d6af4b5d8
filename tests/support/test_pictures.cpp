#include "test_pictures.h"

#include "ui/pictures.h"

#include <utility>

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
            marble.setPixel(x, y, OnDisc(x, y) ? MarblePixel(x, y) : qRgb(0, 0, 0));
            mask.setPixel(x, y, OnDisc(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    m_saved[0] = std::exchange(g_bmpBoard, board);
    m_saved[1] = std::exchange(g_bmpMarble, marble);
    m_saved[2] = std::exchange(g_bmpMarbleMask, mask);
}

CTestPictures::~CTestPictures() {
    g_bmpBoard = m_saved[0];
    g_bmpMarble = m_saved[1];
    g_bmpMarbleMask = m_saved[2];
}
