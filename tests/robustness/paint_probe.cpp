#include "paint_probe.h"

#include <frame/core/application.h>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>

#include <utility>

namespace vektest {

PaintProbe::PaintProbe()
{
    vek::Application()->OnException = [this](vek::TObject*, const QString& message) {
        FReported << message;
    };
}

PaintProbe::~PaintProbe()
{
    vek::Application()->OnException = nullptr;
}

void PaintProbe::ExpectPaints(QWidget* control, const std::string& step)
{
    SCOPED_TRACE(step);
    QElapsedTimer clock;
    clock.start();
    const QPixmap picture = control->grab();
    EXPECT_LT(clock.elapsed(), PaintLimitMs);
    EXPECT_EQ(picture.size(), control->size().isEmpty() ? QSize() : control->size());
    const QStringList reported = TakeReported();
    EXPECT_TRUE(reported.isEmpty()) << reported.join(u'\n').left(500).toStdString();
}

QStringList PaintProbe::TakeReported()
{
    return std::exchange(FReported, {});
}

} // namespace vektest
