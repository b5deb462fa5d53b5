// Test entry point: every test binary runs in the same headless environment.
#include "headless_app.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

int main(int argc, char** argv)
{
    vektest::PrepareHeadlessEnvironment();
    QTemporaryDir runtimeDir;
    ::chmod(QFile::encodeName(runtimeDir.path()).constData(), 0700);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));

    QApplication app(argc, argv);
    vektest::ConfigureHeadlessApplication();

    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
