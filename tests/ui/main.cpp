// GUI tests run on the offscreen platform with Qt's test-mode paths, so no test touches a user's
// real settings. Each test process gets a home folder of its own: ctest runs test cases as
// parallel processes, and two of them sharing one settings file would read each other's windows.

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    char home[] = "/tmp/gr2ui-tests-XXXXXX";
    const bool ownHome = mkdtemp(home) != nullptr;
    if (ownHome)
        qputenv("HOME", home);
    QStandardPaths::setTestModeEnabled(true);
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    if (ownHome) {
        std::error_code ec;
        std::filesystem::remove_all(home, ec);
    }
    return result;
}
