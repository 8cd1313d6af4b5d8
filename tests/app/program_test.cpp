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
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <tuple>

extern QString g_configDir;

namespace {

QString U(const char* psz) {
    return QString::fromUtf8(psz);
}

TEST(CommandLine, ArgumentsGiveNewOpenHelpOrAReason) {
    using S = CCommandLineInfo;
    const std::tuple<QStringList, S::Shell, QString> kCases[] = {
        {{}, S::FileNew, ""},
        {{"game.rav"}, S::FileOpen, "game.rav"},
        {{"--", "-odd"}, S::FileOpen, "-odd"},
        {{"-"}, S::FileOpen, "-"},
        {{"--help"}, S::ShowHelp, ""},
        {{"-h", "x"}, S::ShowHelp, ""},
        {{"--level=3"}, S::Invalid, ""},
        {{"a", "b"}, S::Invalid, ""},
        {{"a", "-x"}, S::Invalid, ""},
        {{""}, S::Invalid, ""}};
    for (const auto& [arguments, nShell, file] : kCases) {
        const CCommandLineInfo info = ParseCommandLine(arguments);
        EXPECT_EQ(info.m_nShellCommand, nShell) << arguments.join(' ').toStdString();
        EXPECT_EQ(info.m_strFileName, file);
        EXPECT_EQ(info.m_strError.isEmpty(), nShell != S::Invalid);
    }
    EXPECT_EQ(ParseCommandLine({"--level=3"}).m_strError,
              U("ravelo2: 不明なオプションです: --level=3"));
    EXPECT_EQ(ParseCommandLine({"a", "b"}).m_strError, U("ravelo2: 引数が多すぎます: a b"));
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
        CCommandLineInfo info{CCommandLineInfo::FileOpen, name, {}};
        const bool bReadable = name == path;
        EXPECT_EQ(app.InitInstance(info), bReadable ? 1 : 0);
        EXPECT_EQ(app.GetMainWnd() != nullptr, bReadable);
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
    const QString folder = g_configDir + "/Local AppWizard-Generated Applications";
    QDir().mkpath(folder);
    const QString path = folder + "/Ravelo2.conf";
    for (const QByteArray& content :
         {QByteArray("[Recent%20File%20List]\nFile1=/tmp/a.rav\nFile2=/tmp/b.rav\n"),
          QByteArray("[Recent%20File%20List\n\xff\xfe\x00=\n[[[\nFile9=\x01", 34)}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        CRavelo2App app;
        ASSERT_EQ(app.InitInstance(CCommandLineInfo{}), 1);
        if (content.startsWith("[Recent%20File%20List]")) {
            EXPECT_EQ(app.GetRecentFileList(), QStringList({"/tmp/a.rav", "/tmp/b.rav"}));
        }
        app.GetMainWnd()->close();
        EXPECT_EQ(app.ExitInstance(), 1);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), content);
    }
    QFile::remove(path);
    CRavelo2App app;
    ASSERT_EQ(app.InitInstance(CCommandLineInfo{}), 1);
    EXPECT_EQ(app.ExitInstance(), 1);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(Exit, CodeIsOneAndPicturesGoAlsoWhileTheComputerThinks) {
    static std::atomic<int> s_bHold{1};
    CRavelo2View::SetWorkerHookForTest([](CGameBoard* pBoard) {
        while (s_bHold.load() && !pBoard->IsStopRequested())
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

struct Outcome {
    int nExitCode;
    QString out, err;
};

Outcome RunRavelo2(const QStringList& arguments, bool bDisplay, const QString& display = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", g_configDir);
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("DISPLAY");
    if (bDisplay)
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    if (!display.isEmpty())
        environment.insert("DISPLAY", display);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RAVELO2_BINARY), arguments);
    EXPECT_TRUE(process.waitForFinished(-1));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(Program, BadCommandLinesAndAMissingDisplayEndWithAClearMessageAndStatusTwo) {
    for (const QStringList& arguments : {QStringList{"--bogus"}, QStringList{"one", "two"}}) {
        const Outcome run = RunRavelo2(arguments, true);
        EXPECT_EQ(run.nExitCode, 2);
        EXPECT_TRUE(run.err.contains(U("使い方: ravelo2 [ファイル]"))) << run.err.toStdString();
    }
    const Outcome help = RunRavelo2({"--help"}, false); // no screen needed for the usage
    EXPECT_EQ(help.nExitCode, 0);
    EXPECT_EQ(help.out, U("使い方: ravelo2 [ファイル]\n"));
    for (const QString& display : {QString(), QStringLiteral(":97")}) {
        const Outcome run = RunRavelo2({}, false, display);
        EXPECT_EQ(run.nExitCode, 2);
        EXPECT_EQ(run.err, U("ravelo2: 画面に接続できません。DISPLAY または WAYLAND_DISPLAY "
                             "を確かめてください。\n"));
    }
}

} // namespace
