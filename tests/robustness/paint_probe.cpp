#include "paint_probe.h"

#include <frame/core/application.h>

#include <gtest/gtest.h>

#include <QPixmap>
#include <QWidget>

#include <ctime>
#include <utility>

namespace vektest {

namespace {

// Processor time rather than wall time: the machine running the tests may be busy with
// other work.
qint64 ProcessorTimeMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

} // namespace

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
    const qint64 start = ProcessorTimeMs();
    const QPixmap picture = control->grab();
    EXPECT_LT(ProcessorTimeMs() - start, PaintLimitMs);
    if (!control->size().isEmpty())
        EXPECT_EQ(picture.size(), control->size());
    const QStringList reported = TakeReported();
    EXPECT_TRUE(reported.isEmpty()) << reported.join(u'\n').left(500).toStdString();
}

QStringList PaintProbe::TakeReported()
{
    return std::exchange(FReported, {});
}

} // namespace vektest
