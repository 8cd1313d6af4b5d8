#pragma once

#include <QImage>

// Pictures with known pixels for the drawing tests, installed in the program-wide holders while
// one lives (the real pictures come back afterwards): a board whose every pixel tells its own
// place, a marble of one colour on black, and a disc mask.
class CTestPictures {
public:
    static constexpr QRgb kMarbleColour = 0xff2040e0; // not present on the test board
    CTestPictures();
    ~CTestPictures();
    CTestPictures(const CTestPictures&) = delete;
    CTestPictures& operator=(const CTestPictures&) = delete;

    // The board's pixel at (x, y) of the picture.
    static QRgb BoardPixel(int x, int y);
    // Whether (dx, dy) of a marble's 10 x 10 square lies on its disc.
    static bool OnDisc(int dx, int dy);

private:
    QImage m_board;
    QImage m_marble;
    QImage m_mask;
};
