// Start-up and exit: the command line, the settings that are read and never written, the file
// given at start, the exit code, and the real program as a user starts it.

#include "app/command_line_info.h"
#include "app/main_frame.h"
#include "app/ravelo2_app.h"
#include "app/ravelo2_doc.h"
#include "message_recorder.h"
#include "ui/pictures.h"
#include "ui/wait_cursor.h"
#include "view/ravelo2_view.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

extern QString g_configDir;

namespace {

QString U(const char* psz) {
    return QString::fromUtf8(psz);
}

TEST(CommandLine, ArgumentsGiveNewOpenHelpOrAReason) {
    // Each case: the arguments, then what they ask for: a new game, a file, the usage or why not.
    const QStringList kCases[][2] = {
        {{}, {"new"}},
        {{"game.rav"}, {"open game.rav"}},
        {{"--", "-odd"}, {"open -odd"}},
        {{"-"}, {"open -"}},
        {{"-h", "x"}, {"help"}},
        {{"--help"}, {"help"}},
        {{"--level=3"}, {U("ravelo2: 不明なオプションです: --level=3")}},
        {{"a", "b"}, {U("ravelo2: 引数が多すぎます: a b")}},
        {{"a", "-x"}, {U("ravelo2: 不明なオプションです: -x")}},
        {{""}, {U("ravelo2: 不明なオプションです: \"\"")}}};
    for (const auto& [arguments, expected] : kCases) {
        const CCommandLineInfo info = ParseCommandLine(arguments);
        const QString kShells[] = {"new", "open " + info.m_strFileName, "help", info.m_strError};
        EXPECT_EQ(kShells[info.m_nShellCommand], expected.front())
            << arguments.join(' ').toStdString();
    }
}

TEST(CommandLine, AFileIsOnlyCheckedForReadingAndOneThatCannotBeOpenedEndsTheStart) {
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.rav");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("not read") > 0);
    file.close();
    for (const QString& name : {path, dir.filePath("missing.rav")}) {
        CMessageRecorder recorder;
        CRavelo2App app;
        const bool bReadable = name == path;
        EXPECT_EQ(app.InitInstance({CCommandLineInfo::FileOpen, name, {}}), bReadable ? 1 : 0);
        EXPECT_EQ(app.GetMainWnd() != nullptr, bReadable);
        EXPECT_TRUE(!bReadable || app.GetDocument()->GetPathName().isEmpty()); // saves ask
        EXPECT_EQ(recorder.Last(),
                  bReadable
                      ? QString()
                      : U("ファイル「") + name + U("」を開けません。\nファイルが見つかりません。"));
        EXPECT_EQ(app.ExitInstance(), 1);
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not read"));
}

// Whatever the settings file holds, even junk, the game starts and leaves it as it was.
TEST(Settings, ReadAtStartAndNeverWritten) {
    const QString path = g_configDir + "/Local AppWizard-Generated Applications/Ravelo2.conf";
    QDir().mkpath(QFileInfo(path).path());
    for (const QByteArray& content :
         {QByteArray("[Recent%20File%20List]\nFile1=/tmp/a.rav\nFile2=/tmp/b.rav\n"),
          QByteArray("[Recent%20File%20List\n\xff\xfe\x00=\n[[[\nFile9=\x01", 34), QByteArray()}) {
        QFile file(path);
        if (!content.isEmpty()) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(content);
            file.close();
        }
        CRavelo2App app;
        ASSERT_EQ(app.InitInstance(CCommandLineInfo{}), 1);
        EXPECT_EQ(app.GetRecentFileList().size(),
                  content.startsWith("[Recent%20File%20List]") ? 2 : 0);
        EXPECT_EQ(app.ExitInstance(), 1);
        EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), content);
        file.close();
        QFile::remove(path);
    }
}

TEST(Exit, CodeIsOneAndPicturesGoAlsoWhileTheComputerThinks) {
    static std::atomic<int> s_bHold{1};
    CRavelo2View::SetWorkerHookForTest([](CComputerPlayer* pPlayer) {
        while (s_bHold.load() && !pPlayer->IsStopRequested())
            std::this_thread::yield();
    });
    CRavelo2App app;
    ASSERT_EQ(app.InitInstance(CCommandLineInfo{}), 1);
    CRavelo2View* pView = app.GetMainWnd()->GetActiveView();
    pView->KillTimerForTest();
    pView->OnLButtonDown(89, 89); // pit 0: the computer's turn follows
    pView->OnLButtonUp(89, 89);
    ASSERT_EQ(pView->IsWorkerRunning(), 1);
    app.GetMainWnd()->close();
    EXPECT_EQ(app.ExitInstance(), 1); // only the stop request lets the held thread end
    EXPECT_EQ(WaitCursorCount(), 0);
    EXPECT_TRUE(g_bmpBoard.isNull() && g_bmpMarble.isNull() && g_bmpMarbleMask.isNull());
    CRavelo2View::SetWorkerHookForTest(nullptr);
}

// The real program as a user starts it: status, and what it says on which stream.
TEST(Program, BadCommandLinesAndAMissingDisplayEndWithAClearMessageAndStatusTwo) {
    const auto run = [](const QStringList& arguments, const char* pszPlatform,
                        const char* pszDisplay) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* pszName : {"WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DISPLAY"})
            environment.remove(pszName);
        static const QTemporaryDir runtime; // where the toolkit looks for its session files
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        if (*pszPlatform)
            environment.insert("QT_QPA_PLATFORM", pszPlatform);
        if (*pszDisplay)
            environment.insert("DISPLAY", pszDisplay);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(RAVELO2_BINARY), arguments);
        EXPECT_TRUE(process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit);
        return QString::number(process.exitCode()) + " " +
               QString::fromUtf8(process.readAllStandardOutput()) + "|" +
               QString::fromUtf8(process.readAllStandardError());
    };
    const QString kUsage = U("使い方: ravelo2 [ファイル]\n");
    const QString kNoScreen =
        U("ravelo2: 画面に接続できません。DISPLAY または WAYLAND_DISPLAY を確かめてください。\n");
    EXPECT_EQ(run({"--bogus"}, "offscreen", ""),
              "2 |" + U("ravelo2: 不明なオプションです: --bogus\n") + kUsage);
    EXPECT_EQ(run({"one", "two"}, "offscreen", ""),
              "2 |" + U("ravelo2: 引数が多すぎます: one two\n") + kUsage);
    EXPECT_EQ(run({"--help"}, "", ""), "0 " + kUsage + "|"); // no screen needed for the usage
    EXPECT_EQ(run({}, "", ""), "2 |" + kNoScreen);
    EXPECT_EQ(run({}, "", ":97"), "2 |" + kNoScreen);
}

} // namespace
