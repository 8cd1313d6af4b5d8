#pragma once

#include <QImage>

// Pictures with known pixels for the drawing tests, put in the program-wide holders while one
// lives (the real pictures come back afterwards): a board whose every pixel tells its place, a
// marble whose every disc pixel tells its place in the marble, and the disc's mask.
class CTestPictures {
public:
    CTestPictures();
    ~CTestPictures();
    CTestPictures(const CTestPictures&) = delete;
    CTestPictures& operator=(const CTestPictures&) = delete;

    // Green and blue only, never black: no board pixel looks like a marble or a strip.
    static QRgb BoardPixel(int x, int y) { return qRgb(0, 40 + x % 200, 40 + y % 200); }
    // Red above 200: no marble pixel looks like the board.
    static QRgb MarblePixel(int dx, int dy) { return qRgb(210 + dx, 100 + 10 * dy, 50); }
    static bool OnDisc(int dx, int dy) {
        return (2 * dx - 9) * (2 * dx - 9) + (2 * dy - 9) * (2 * dy - 9) <= 90;
    }

private:
    QImage m_saved[3];
};
