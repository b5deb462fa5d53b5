// Test entry point: every test binary runs headless with the same style, palette,
// locale and font, so that pixel positions are identical on every machine.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLocale>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <sys/stat.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* var : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI",
                            "QT_ENABLE_HIGHDPI_SCALING"})
        qunsetenv(var);
    QTemporaryDir runtimeDir;
    ::chmod(QFile::encodeName(runtimeDir.path()).constData(), 0700);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    font.setHintingPreference(QFont::PreferNoHinting);
    QApplication::setFont(font);

    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
