#include "message_recorder.h"
#include "res/bitmap_table.h"
#include "res/resource.h"
#include "support/positions.h"
#include "ui/board_geometry.h"
#include "ui/board_layout.h"
#include "ui/board_painter.h"
#include "ui/cmd_ui.h"
#include "ui/manual_opener.h"
#include "ui/pictures.h"
#include "ui/settings_file.h"
#include "ui/status_bar.h"
#include "ui/wait_cursor.h"
#include "view/ravelo2_view.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(Geometry, EveryPlaceHasItsOrigin) {
    const int kOrigins[2][7][2] = {
        {{64, 64}, {121, 64}, {178, 64}, {235, 64}, {292, 64}, {349, 64}, {406, 36}},
        {{349, 7}, {292, 7}, {235, 7}, {178, 7}, {121, 7}, {64, 7}, {7, 35}}};
    for (int nRow = 0; nRow < 2; ++nRow) {
        for (int nIndex = 0; nIndex < 7; ++nIndex) {
            int x = -1;
            int y = -1;
            GetPitOrigin(nRow, nIndex, x, y);
            EXPECT_EQ(x, kOrigins[nRow][nIndex][0]) << nRow << "/" << nIndex;
            EXPECT_EQ(y, kOrigins[nRow][nIndex][1]) << nRow << "/" << nIndex;
        }
    }
}

// Over the view and a margin around it a point hits exactly when it lies on the square of a
// user pit, and then it names that pit; a miss leaves the out-values alone.
TEST(Geometry, OnlyTheUserPitSquaresAreLive) {
    for (int y = -10; y < kBoardHeight + 10; ++y) {
        for (int x = -10; x < kBoardWidth + 10; ++x) {
            const bool bOnRow = y >= 64 && y <= 113 && x >= 64 && (x - 64) % 57 < 50;
            const int nExpected = bOnRow && x < 64 + 6 * 57 ? (x - 64) / 57 : -1;
            int nPit = -1;
            int nRow = -1;
            const int bHit = HitTestPit(x, y, nPit, nRow);
            ASSERT_EQ(bHit != 0, nExpected >= 0) << "(" << x << ", " << y << ")";
            ASSERT_EQ(nPit, nExpected) << "(" << x << ", " << y << ")";
            ASSERT_EQ(nRow, bHit ? 0 : -1);
        }
    }
}

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(m_view.OnCreate(), 0);
        m_view.KillTimerForTest();
        LoadBitmapInto(g_bmpMarbleMask, IDB_MARBLE_MASK);
        LoadBitmapInto(g_bmpMarble, IDB_MARBLE_YELLOW);
        LoadBitmapInto(g_bmpBoard, IDB_BOARD_LIGHT_WOOD);
    }
    void TearDown() override { g_bmpBoard = g_bmpMarble = g_bmpMarbleMask = QImage(); }
    QImage Paint() {
        QImage image(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
        image.fill(qRgb(255, 0, 255));
        QPainter painter(&image);
        m_view.OnDraw(&painter);
        return image;
    }
    // Whether the marble whose square starts at (x, y) shows its own pixel (dx, dy), one of its
    // disc: the marble's pixels differ from each other along a column, and from the board's.
    static bool MarbleAt(const QImage& image, int x, int y, int dx = 4, int dy = 4) {
        return image.pixel(x + dx, y + dy) == g_bmpMarble.pixel(dx, dy);
    }

    CRavelo2View m_view;
};

// Lines of five from the square's top-left corner, downwards without limit.
TEST_F(DrawingTest, MarblesFillLinesOfFiveAndOverflowBelowTheSquare) {
    struct Case {
        int nRow, nIndex, nCount, xLast, yLast, xNext, yNext;
    };
    const Case kCases[] = {{0, 0, 1, 64, 64, 74, 64},    {0, 0, 5, 104, 64, 64, 74},
                           {0, 0, 6, 64, 74, 74, 74},    {0, 0, 25, 104, 104, 64, 114},
                           {0, 0, 26, 64, 114, 74, 114}, {1, 0, 48, 369, 97, 379, 97},
                           {1, 6, 30, 47, 85, 7, 95}};
    for (const Case& c : kCases) {
        Position position = {};
        position[c.nRow][c.nIndex] = c.nCount;
        m_view.Board().SetPosition(position);
        const QImage image = Paint();
        EXPECT_TRUE(MarbleAt(image, c.xLast, c.yLast)) << c.nCount;
        EXPECT_FALSE(MarbleAt(image, c.xNext, c.yNext)) << c.nCount;
    }
    // 48 in the user's store: the tenth line starts at y = 126, cut off by the image, whose
    // strips right and below the board picture are black. The board shows around a marble.
    m_view.Board().SetPosition({{0, 0, 0, 0, 0, 0, 48}, {}});
    const QImage image = Paint();
    EXPECT_TRUE(MarbleAt(image, 426, 126, 4, 1));
    EXPECT_EQ(image.pixel(440, 127), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(466, 20), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(406, 36), g_bmpBoard.pixel(406, 36));
    EXPECT_EQ(image.pixel(0, 0), g_bmpBoard.pixel(0, 0));
}

// Index by index, the user's place first: the user's pit 5 covers the overflow of the
// computer's pit 0 above it.
TEST_F(DrawingTest, PlacesDrawnLaterCoverTheOverflowOfEarlierOnes) {
    m_view.Board().SetPosition({{0, 0, 0, 0, 0, 1, 0}, {47, 0, 0, 0, 0, 0, 0}});
    const QImage image = Paint();
    EXPECT_TRUE(MarbleAt(image, 349, 64, 4, 6)); // not the computer's marble at (349, 67)
}

// The newest move's pit carries a bar across its top edge: two red rows in a black outline whose
// lowest row covers the square's first.
TEST_F(DrawingTest, LastMoveBarLiesAcrossTheTopEdgeOfThePitPlayed) {
    m_view.Board().SetPosition({});
    QImage image = Paint();
    const MoveRecord record{3, kUserRow, 4, 1, 1, nullptr};
    QPainter painter(&image);
    CBoardPainter(&painter).DrawLastMove(&record);
    painter.end();
    int x = 0, y = 0;
    GetPitOrigin(kUserRow, 3, x, y);
    const char* kRows[] = {".....", ".BBB.", ".BRB.", ".BRB.", ".BBB.", "....."}; // y - 4 to y + 1
    const int kColumns[] = {-1, 0, 20, 49, 50};
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 5; ++c) {
            const int px = x + kColumns[c], py = y - 4 + r;
            const char k = kRows[r][c];
            EXPECT_EQ(image.pixel(px, py), k == 'B'   ? qRgb(0, 0, 0)
                                           : k == 'R' ? qRgb(255, 0, 0)
                                                      : g_bmpBoard.pixel(px, py))
                << kColumns[c] << ", " << r - 4;
        }
    }
}

// A colour's relative luminance plus 0.05: the contrast of two colours, as the accessibility
// guidelines define it, is the greater of the two over the smaller.
double Luminance(QRgb c) {
    double sum = 0.05;
    for (const auto& [v, w] : {std::pair{qRed(c), 0.2126}, {qGreen(c), 0.7152}, {qBlue(c), 0.0722}})
        sum += w * (v <= 10 ? v / 3294.6 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4));
    return sum;
}

// On every board each count changes only the last two marble places of its well's last line:
// the floor there while no marble lies in that line (a pit up to 20, a store up to 35), else a
// badge over them. Its lightest pixel reads at 4.5:1 or better; switched off, nothing changes.
TEST_F(DrawingTest, CountsStandInTheWellsCornerOnItsFloorOrOnABadgeAndRead) {
    const Position kPositions[] = {{{0, 1, 9, 20, 13, 5, 35}, {19, 8, 6, 7, 10, 4, 34}},
                                   {{21, 25, 30, 24, 22, 23, 36}, {21, 0, 0, 0, 0, 0, 48}}};
    for (int nBoard = IDB_BOARD_DARK_MONO; nBoard <= IDB_BOARD_DARK_WOOD; ++nBoard) {
        LoadBitmapInto(g_bmpBoard, nBoard);
        const QRgb floor = g_bmpBoard.pixel(70, 70);
        for (const Position& position : kPositions) {
            m_view.Board().SetPosition(position);
            const QImage plain = Paint();
            m_view.SetOptions({false, false, true, false});
            const QImage counted = Paint();
            m_view.SetOptions({});
            EXPECT_TRUE(Paint() == plain && counted != plain);
            int nChanged = 0;
            for (int i = 0; i < kBoardWidth * kBoardHeight; ++i)
                nChanged += counted.pixel(i % kBoardWidth, i / kBoardWidth) !=
                            plain.pixel(i % kBoardWidth, i / kBoardWidth);
            for (int nPlace = 0; nPlace < 14; ++nPlace) {
                const int n = position[nPlace / 7][nPlace % 7], bStore = nPlace % 7 == 6;
                const board_layout::Rect w = board_layout::WellOf(nPlace / 7, nPlace % 7);
                const bool bBadge = n > (bStore ? 35 : 20);
                int nBadge = 0, nOnMarble = 0;
                double dLightest = 0;
                for (int i = 0; i < 200; ++i) {
                    const int x = w.x1 - 20 + i % 20, y = w.y0 + (bStore ? 70 : 40) + i / 20;
                    const QRgb before = plain.pixel(x, y), after = counted.pixel(x, y);
                    nChanged -= after != before;
                    nBadge += after == CBoardPainter::kCountBadge;
                    nOnMarble += after != before && before != floor;
                    dLightest = std::max(dLightest, Luminance(after));
                }
                EXPECT_EQ(nBadge > 50, bBadge) << nBoard << ": " << nPlace << " holding " << n;
                EXPECT_TRUE(bBadge || nOnMarble == 0) << nBoard << ": " << nPlace;
                EXPECT_GE(dLightest / Luminance(bBadge ? CBoardPainter::kCountBadge : floor), 4.5)
                    << nBoard << ": " << nPlace;
            }
            EXPECT_EQ(nChanged, 0) << nBoard << ": pixels changed outside the corners";
        }
    }
}

// Each choice, in menu order, loads its picture, stores its index and moves the check mark.
TEST_F(DrawingTest, MarbleAndBoardChoicesLoadTheirPicturesAndMoveTheCheck) {
    const int kChoices[][3] = {
        {ID_BOARD_LIGHT_MONO, 156, 4}, {ID_BOARD_DARK_MONO, 152, 0}, {ID_BOARD_LIGHT_WOOD, 153, 1},
        {ID_BOARD_DARK_WOOD, 157, 5},  {ID_BOARD_PALE_BLUE, 155, 3}, {ID_BOARD_RED, 154, 2},
        {ID_MARBLE_RED, 142, 0},       {ID_MARBLE_BLUE, 145, 2},     {ID_MARBLE_YELLOW, 139, 1},
        {ID_MARBLE_GREEN, 140, 3},     {ID_MARBLE_AQUA, 144, 4},     {ID_MARBLE_PURPLE, 143, 5}};
    // A marble's disc is of its own colour: red, blue, yellow, green, aqua, purple.
    const QRgb kTints[] = {qRgb(1, 0, 0), qRgb(0, 0, 1), qRgb(1, 1, 0),
                           qRgb(0, 1, 0), qRgb(0, 1, 1), qRgb(1, 0, 1)};
    for (int i = 0; i < 12; ++i) {
        const auto [nID, nBitmap, nIndex] = kChoices[i];
        EXPECT_EQ(m_view.OnCmdMsg(nID, nullptr), 1);
        QImage expected;
        LoadBitmapInto(expected, nBitmap);
        EXPECT_FALSE(expected.isNull());
        EXPECT_EQ(i < 6 ? g_bmpBoard : g_bmpMarble, expected) << nID;
        EXPECT_EQ(i < 6 ? m_view.BoardStyle() : m_view.MarbleColor(), nIndex) << nID;
        if (i >= 6) {
            const QColor disc =
                expected.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .pixelColor(0, 0);
            const int nMost = std::max({disc.red(), disc.green(), disc.blue()});
            EXPECT_EQ(
                qRgb(disc.red() > nMost / 2, disc.green() > nMost / 2, disc.blue() > nMost / 2),
                kTints[i - 6])
                << nID;
        }
        for (int j = i / 6 * 6; j < i / 6 * 6 + 6; ++j) {
            CCmdUI cmdUI(kChoices[j][0]);
            EXPECT_EQ(m_view.OnCmdMsg(kChoices[j][0], &cmdUI), 1);
            EXPECT_EQ(cmdUI.m_nCheck, i == j ? 1 : 0) << kChoices[j][0];
        }
    }
}

// At two device pixels per logical pixel the board is composed from the generator's 2x set: its
// marble, drawn at that density, sits where the 1x marble would, and is no 1x marble doubled.
TEST_F(DrawingTest, AtRatioTwoTheBoardCarriesTheSharperPictures) {
    m_view.Board().SetPosition({{1, 0, 0, 0, 0, 0, 0}, {}});
    QImage image(940, 256, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    QPainter painter(&image);
    m_view.OnDraw(&painter);
    const QImage board(BitmapResourcePath(IDB_BOARD_LIGHT_WOOD, 2));
    const QImage marble =
        QImage(BitmapResourcePath(IDB_MARBLE_YELLOW, 2)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(marble.size(), QSize(20, 20));
    EXPECT_EQ(image.pixel(20, 20), board.pixel(20, 20));
    EXPECT_EQ(image.pixel(930, 20), qRgb(0, 0, 0)); // the strip
    bool bFine = false;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            if (qAlpha(marble.pixel(x, y)) == 255) {
                EXPECT_EQ(image.pixel(128 + x, 128 + y), marble.pixel(x, y)) << x << "," << y;
            }
            bFine |= image.pixel(128 + x, 128 + y) != image.pixel(128 + (x & ~1), 128 + (y & ~1));
        }
    }
    EXPECT_TRUE(bFine);
}

TEST(StatusBar, PanesKeepTheWidthOfTheirIndicatorStrings) {
    CStatusBar bar;
    const int kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_TURN, ID_INDICATOR_PROGRESS};
    ASSERT_EQ(bar.SetIndicators(kIndicators, 3), 1);
    EXPECT_EQ(bar.GetPaneText(0), QString::fromUtf8("ラヴェロへようこそ"));
    EXPECT_EQ(bar.GetPaneText(1), QString::fromUtf8("人間側とコンピュータ."));
    EXPECT_EQ(bar.GetPaneText(2), QString::fromUtf8("---％"));
    QLabel* pPane = bar.findChildren<QLabel*>().at(1);
    const int nWidth = bar.GetPaneWidth(1);
    bar.SetPaneText(1, QString::fromUtf8("パソコンが考え中ですパソコンが考え中です"));
    bar.resize(2000, 30);
    bar.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(pPane->width(), nWidth);
    EXPECT_GE(nWidth,
              bar.fontMetrics().horizontalAdvance(QString::fromUtf8("人間側とコンピュータ.")));
}

TEST(WaitCursor, NestsAndGivesWayToTheArrowWhileABoxAsks) {
    BeginWaitCursor();
    BeginWaitCursor();
    EndWaitCursor();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    {
        const CArrowOverWaitCursor arrow;
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EndWaitCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(WaitCursorCount(), 0);
}

// The installed game finds the manual from /usr/games, the build tree's from build/src/app (this
// test's program is as deep); F1 tries xdg-open, then sensible-browser, and says in one box what
// is missing when the page or every browser is.
TEST(Manual, FoundBesideTheProgramAndShownByTheFirstOpenerThatStarts) {
    const QString page = FindManual(QCoreApplication::applicationDirPath());
    EXPECT_TRUE(page.endsWith("/share/ravelo2/manual/index.html")) << page.toStdString();
    QTemporaryDir dir; // an installed game's folders, at first without the manual
    ASSERT_TRUE(QDir(dir.path()).mkpath("games") &&
                QDir(dir.path()).mkpath("share/ravelo2/manual"));
    EXPECT_EQ(FindManual(dir.filePath("games")), QString());
    ASSERT_TRUE(QFile(dir.filePath("share/ravelo2/manual/index.html")).open(QFile::WriteOnly));
    EXPECT_NE(FindManual(dir.filePath("games")), QString());
    CMessageRecorder recorder;
    QStringList started;
    int nStarts = 0;
    int nFailing = 0; // how many openers, from the first, cannot start
    const ProcessStarter previous =
        SetProcessStarter([&](const QString& program, const QStringList& arguments) {
            started << program + ' ' + arguments.join(' ');
            return ++nStarts > nFailing;
        });
    for (; nFailing <= 2; ++nFailing, nStarts = 0)
        EXPECT_EQ(OpenManual(page), nFailing < 2 ? 1 : 0);
    SetProcessStarter(previous);
    const QString xdg = "xdg-open " + QUrl::fromLocalFile(page).toString();
    const QString sensible = "sensible-browser " + QUrl::fromLocalFile(page).toString();
    EXPECT_EQ(started, QStringList({xdg, xdg, sensible, xdg, sensible}));
    EXPECT_EQ(OpenManual(QString()), 0);
    ASSERT_EQ(recorder.Count(), 2u);
    EXPECT_EQ(recorder.Boxes()[0].text,
              QString::fromUtf8("説明書を表示するブラウザを起動できません。"));
    EXPECT_EQ(recorder.Last(), QString::fromUtf8("説明書のファイルが見つかりません。"));
}

// Every choice survives a save and a load. What the file holds that the game cannot use costs
// the default of that value alone and one line; reading never writes.
TEST(SettingsFile, KeepsTheChoicesAndGivesUpOnlyWhatItCannotUse) {
    EXPECT_EQ(CSettingsFile::DefaultPath(),
              qEnvironmentVariable("XDG_CONFIG_HOME") + "/ravelo2/ravelo2.conf");
    QTemporaryDir dir;
    QStringList lines;
    const SettingsReport report = [&](const QString& line) { lines << line; };
    GameSettings loaded;
    struct Case {
        const char* pszContent;
        GameSettings expected;
        const char* pszNamed;
    };
    const Case kCases[] = {
        {"[game]\nlevel=3\nboard\nmarble=marble_red\n", {3, 1, 0}, "読めない行"},
        {"[game]\nlevel=5\nmarble=marble_red\n", {1, 1, 0}, "game/level の値「5」"},
        {"[game]\nboard=board_oak\nlevel=2\n", {2, 1, 1}, "「board_oak」"},
        {"[options]\nquiet=yes\nanimate=true\n", {1, 1, 1, true}, "「yes」"},
        {"[options]\ncounts=@Variant(\\0\\0\\0\\x83\\1)\n", {}, "「@Variant("}, // no Qt type
        {nullptr, {}, "を読めない"}}; // a folder in place of the file
    for (const Case& c : kCases) {
        const QString path = dir.filePath(QString::number(&c - kCases));
        QFile written(path);
        ASSERT_TRUE(c.pszContent ? written.open(QFile::WriteOnly) && written.write(c.pszContent)
                                 : QDir().mkdir(path));
        written.close();
        lines.clear();
        EXPECT_TRUE(CSettingsFile(path).Load(loaded = {}, report));
        EXPECT_EQ(loaded, c.expected) << path.toStdString();
        EXPECT_TRUE(lines.size() == 1 && lines[0].startsWith("ravelo2: ") &&
                    lines[0].contains(path) && lines[0].contains(QString::fromUtf8(c.pszNamed)))
            << lines.join('\n').toStdString();
        EXPECT_EQ(written.open(QFile::ReadOnly) ? written.readAll() : QByteArray(),
                  QByteArray(c.pszContent));
    }
    // A new file gets its folders.
    const GameSettings chosen{3, 5, 4, true, false, true, false, true};
    const CSettingsFile file(dir.filePath("config/ravelo2/ravelo2.conf"));
    lines.clear();
    EXPECT_FALSE(file.Load(loaded, report) || QDir(dir.filePath("config")).exists());
    EXPECT_TRUE(file.Save(chosen, report) && file.Load(loaded, report) && loaded == chosen);
    EXPECT_TRUE(file.Remove(report) && !file.Exists());
    // A broken file, unread so far, is replaced; a file or a folder in the way is one line.
    ASSERT_TRUE(QFile::copy(dir.filePath("0"), dir.filePath("6")));
    EXPECT_TRUE(CSettingsFile(dir.filePath("6")).Save(chosen, report));
    EXPECT_FALSE(CSettingsFile(dir.filePath("0/ravelo2.conf")).Save(chosen, report));
    EXPECT_FALSE(CSettingsFile(dir.filePath("5")).Remove(report));
    EXPECT_EQ(lines.size(), 2);
}

} // namespace
