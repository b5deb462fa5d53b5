#include "headless_app.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QStyle>
#include <QStyleFactory>

namespace vektest {

void PrepareHeadlessEnvironment()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* var : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI",
                            "QT_ENABLE_HIGHDPI_SCALING"})
        qunsetenv(var);
    // The high-DPI tests run as on a screen of this device pixel ratio.
    const QByteArray ratio = qgetenv("VEK_TEST_DEVICE_PIXEL_RATIO");
    if (!ratio.isEmpty())
        qputenv("QT_SCALE_FACTOR", ratio);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void ConfigureHeadlessApplication()
{
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    font.setHintingPreference(QFont::PreferNoHinting);
    QApplication::setFont(font);
}

} // namespace vektest
