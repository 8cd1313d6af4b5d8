// Runs the window tests on the offscreen platform with one application object for all of them,
// and an empty configuration folder of their own, so that what the game reads (and never
// writes) there can be watched.

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

QString g_configDir;

int main(int argc, char** argv) {
    QTemporaryDir configDir;
    g_configDir = configDir.path();
    qputenv("XDG_CONFIG_HOME", configDir.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
