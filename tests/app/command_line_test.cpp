#include "app/command_line_info.h"
#include "app/main_frame.h"
#include "app/ravelo2_app.h"
#include "app/ravelo2_doc.h"
#include "message_recorder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

extern QString g_configDir;

namespace {

QString U(const char* psz) {
    return QString::fromUtf8(psz);
}

TEST(CommandLine, ArgumentsGiveNewOpenHelpOrAReason) {
    struct Case {
        QStringList arguments;
        CCommandLineInfo::Shell nShell;
        QString file;
    };
    const Case cases[] = {
        {{}, CCommandLineInfo::FileNew, {}},
        {{"game.rav"}, CCommandLineInfo::FileOpen, "game.rav"},
        {{"--", "-odd-name"}, CCommandLineInfo::FileOpen, "-odd-name"},
        {{"-"}, CCommandLineInfo::FileOpen, "-"},
        {{"--help"}, CCommandLineInfo::ShowHelp, {}},
        {{"-h", "x"}, CCommandLineInfo::ShowHelp, {}},
        {{"--level=3"}, CCommandLineInfo::Invalid, {}},
        {{"/p"}, CCommandLineInfo::FileOpen, "/p"},
        {{"a", "b"}, CCommandLineInfo::Invalid, {}},
        {{"a", "-x"}, CCommandLineInfo::Invalid, {}},
        {{""}, CCommandLineInfo::Invalid, {}},
    };
    for (const Case& c : cases) {
        const CCommandLineInfo info = ParseCommandLine(c.arguments);
        EXPECT_EQ(info.m_nShellCommand, c.nShell) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(info.m_strFileName, c.file) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(info.m_strError.isEmpty(), c.nShell != CCommandLineInfo::Invalid);
    }
    EXPECT_TRUE(ParseCommandLine({"--level=3"}).m_strError.contains("--level=3"));
}

TEST(CommandLine, ReadableFileBecomesTheDocumentAndTheGameStarts) {
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.rav");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not read at all");
    file.close();

    CMessageRecorder recorder;
    CRavelo2App app;
    CCommandLineInfo info;
    info.m_nShellCommand = CCommandLineInfo::FileOpen;
    info.m_strFileName = path;
    ASSERT_EQ(app.InitInstance(info), 1);
    EXPECT_EQ(recorder.Count(), 0u);
    ASSERT_NE(app.GetMainWnd(), nullptr);
    EXPECT_EQ(app.GetDocument()->GetPathName(), path);
    EXPECT_EQ(app.GetMainWnd()->windowTitle(), QStringLiteral("Ravelo2"));
    EXPECT_EQ(app.ExitInstance(), 1);
    // Opened for reading only: the file is as it was.
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not read at all"));
}

TEST(CommandLine, FileThatCannotBeOpenedIsReportedAndNoWindowAppears) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.rav");
    const QString unreadable = dir.filePath("locked.rav");
    QFile locked(unreadable);
    ASSERT_TRUE(locked.open(QIODevice::WriteOnly));
    locked.close();
    locked.setPermissions(QFileDevice::WriteOwner);
    const bool bRoot = locked.open(QIODevice::ReadOnly); // root reads it anyway
    locked.close();
    struct Case {
        QString path;
        QString reason;
    };
    std::vector<Case> cases = {{missing, U("ファイルが見つかりません。")},
                               {dir.path(), U("フォルダは開けません。")}};
    if (!bRoot)
        cases.push_back({unreadable, U("読み取りが許可されていません。")});
    for (const auto& [path, reason] : cases) {
        CMessageRecorder recorder;
        CRavelo2App app;
        CCommandLineInfo info;
        info.m_nShellCommand = CCommandLineInfo::FileOpen;
        info.m_strFileName = path;
        EXPECT_EQ(app.InitInstance(info), 0) << path.toStdString();
        ASSERT_EQ(recorder.Count(), 1u);
        EXPECT_EQ(recorder.Last(), U("ファイル「") + path + U("」を開けません。\n") + reason);
        EXPECT_EQ(recorder.Boxes()[0].nType, MB_OK);
        EXPECT_EQ(app.GetMainWnd(), nullptr);
        EXPECT_EQ(app.ExitInstance(), 1);
    }
}

TEST(Settings, ReadAtStartAndNeverWritten) {
    const QString folder = g_configDir + "/Local AppWizard-Generated Applications";
    QDir().mkpath(folder);
    const QString path = folder + "/Ravelo2.conf";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Recent%20File%20List]\nFile1=/tmp/a.rav\nFile2=/tmp/b.rav\n");
    }
    const QByteArray before = [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    {
        CRavelo2App app;
        ASSERT_EQ(app.InitInstance(CCommandLineInfo{}), 1);
        EXPECT_EQ(app.GetRecentFileList(), QStringList({"/tmp/a.rav", "/tmp/b.rav"}));
        app.GetMainWnd()->close();
        EXPECT_EQ(app.ExitInstance(), 1);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();
    QFile::remove(path);
    {
        CRavelo2App app;
        ASSERT_EQ(app.InitInstance(CCommandLineInfo{}), 1);
        EXPECT_EQ(app.ExitInstance(), 1);
    }
    EXPECT_FALSE(QFile::exists(path));
}

// A settings file mangled by hand or by a broken disk must not keep the game from starting; it
// is still never written.
TEST(Settings, CorruptSettingsStillStartTheGame) {
    const QString folder = g_configDir + "/Local AppWizard-Generated Applications";
    QDir().mkpath(folder);
    const QString path = folder + "/Ravelo2.conf";
    const QByteArray junk("[Recent%20File%20List\n\xff\xfe\x00=\n=File1\n[[[\nFile9=\x01\x02", 31);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(junk);
    }
    {
        CRavelo2App app;
        ASSERT_EQ(app.InitInstance(CCommandLineInfo{}), 1);
        ASSERT_NE(app.GetMainWnd(), nullptr);
        app.GetMainWnd()->close();
        EXPECT_EQ(app.ExitInstance(), 1);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), junk);
    file.close();
    QFile::remove(path);
}

// The real program, run as a user would start it.
struct RunResult {
    int nExitCode;
    QString standardError;
    bool bCrashed;
};

RunResult RunRavelo2(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RAVELO2_BINARY), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(-1))
        return {-1, QString(), true};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError()),
            process.exitStatus() == QProcess::CrashExit};
}

QProcessEnvironment Offscreen() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", g_configDir);
    return environment;
}

TEST(Program, UnknownOptionsAndExtraArgumentsEndWithAMessage) {
    for (const QStringList& arguments :
         {QStringList{"--bogus"}, QStringList{"one", "two"}, QStringList{"-x", "file"}}) {
        const RunResult result = RunRavelo2(arguments, Offscreen());
        EXPECT_FALSE(result.bCrashed);
        EXPECT_EQ(result.nExitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.standardError.contains(U("ravelo2: ")));
        EXPECT_TRUE(result.standardError.contains(U("使い方: ravelo2 [ファイル]")));
    }
}

TEST(Program, HelpPrintsTheUsage) {
    QProcess process;
    process.setProcessEnvironment(Offscreen());
    process.start(QStringLiteral(RAVELO2_BINARY), {"--help"});
    ASSERT_TRUE(process.waitForFinished(-1));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardOutput()).contains(U("使い方")));
}

TEST(Program, WithoutADisplayOneClearLineAndNoAbort) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    RunResult result = RunRavelo2({}, environment);
    EXPECT_FALSE(result.bCrashed);
    EXPECT_EQ(result.nExitCode, 2);
    EXPECT_EQ(result.standardError.trimmed().count('\n'), 0) << result.standardError.toStdString();
    EXPECT_TRUE(result.standardError.contains(U("画面に接続できません")));

    // A display that is named but cannot be reached.
    environment.insert("DISPLAY", ":97");
    result = RunRavelo2({}, environment);
    EXPECT_FALSE(result.bCrashed);
    EXPECT_EQ(result.nExitCode, 2);
    EXPECT_EQ(result.standardError.trimmed().count('\n'), 0) << result.standardError.toStdString();
    EXPECT_TRUE(result.standardError.contains(U("画面に接続できません")));
}

} // namespace
