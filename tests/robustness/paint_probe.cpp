#include "paint_probe.h"

#include <frame/core/application.h>

#include <gtest/gtest.h>

#include <QPixmap>
#include <QWidget>

#include <sys/resource.h>
#include <utility>

namespace vektest {

namespace {

// The painting thread's own processor time in user mode, rather than wall time: the
// machine running the tests may be busy with other work, and the kernel's time for
// handing out the memory of huge line tables is not the paint hanging.
qint64 ProcessorTimeMs()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return qint64(usage.ru_utime.tv_sec) * 1000 + usage.ru_utime.tv_usec / 1000;
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
