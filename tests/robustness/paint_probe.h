// Paints a control the way the window system does (QWidget::grab) and checks what a
// paint must never do: take long, or end in an exception (the library hands those to
// Application()->HandleException, which the probe listens to while it lives).
#pragma once

#include <QStringList>

#include <string>

class QWidget;

namespace vektest {

class PaintProbe {
public:
    // One second of processor time is generous for any paint; sanitized code runs
    // several times slower.
#if defined(__SANITIZE_ADDRESS__)
    static constexpr qint64 PaintLimitMs = 6000;
#else
    static constexpr qint64 PaintLimitMs = 1000;
#endif

    PaintProbe();
    ~PaintProbe();
    PaintProbe(const PaintProbe&) = delete;
    PaintProbe& operator=(const PaintProbe&) = delete;

    // Paints control; step names the state in failure messages.
    void ExpectPaints(QWidget* control, const std::string& step);

    // Exceptions reported since the probe was made (or since the last TakeReported).
    QStringList TakeReported();

private:
    QStringList FReported;
};

} // namespace vektest
