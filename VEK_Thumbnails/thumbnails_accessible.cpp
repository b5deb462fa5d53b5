// TThumbnails for screen readers: a list whose value names the selected slides ("4, 7-9"),
// announced whenever the selection changes.
#include "thumbnails_p.h"

#include <frame/accessibility/accessible_p.h>
#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/notify_p.h>

#include <QStringList>

#include <algorithm>

namespace vek {

namespace {

// A reader needs the first few runs, not a scan of a million slides: the summary stops
// after this many runs or this many slides looked at and ends in "...".
constexpr int MaxRunsRead = 10;
constexpr int MaxSlidesScanned = 10000;

QString RunText(qint64 first, qint64 last)
{
    return first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last);
}

class ThumbnailsAccessible : public TAccessibleControl {
public:
    explicit ThumbnailsAccessible(TThumbnails* grid) : TAccessibleControl(grid, QAccessible::List) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = TAccessibleControl::state();
        s.multiSelectable = Grid()->SlideSelectMode() == TThumbnails::ssmMultiple;
        return s;
    }

protected:
    QString ValueText() const override
    {
        const TThumbnails* grid = Grid();
        int remaining = grid->NumSlidesSelected();
        QStringList runs;
        qint64 n = grid->FirstSelectedSlide();
        const qint64 scanEnd = std::min<qint64>(grid->Max(), n + MaxSlidesScanned);
        while (remaining > 0 && runs.size() < MaxRunsRead && n <= scanEnd) {
            const qint64 first = n;
            while (n <= scanEnd && grid->SlideSelected(int(n)))
                ++n;
            runs << RunText(first, n - 1);
            remaining -= int(n - first);
            while (n <= scanEnd && !grid->SlideSelected(int(n)))
                ++n;
        }
        if (remaining > 0)
            runs << QStringLiteral("...");
        return runs.join(QStringLiteral(", "));
    }

private:
    const TThumbnails* Grid() const { return static_cast<TThumbnails*>(widget()); }
};

[[maybe_unused]] const bool registered = RegisterAccessible<TThumbnails, ThumbnailsAccessible>();

} // namespace

void thumbnails::AnnounceChanges(TThumbnails* grid)
{
    AnnounceOn(grid, &TThumbnails::selectionChanged, NotifySelectedEntryChanged);
}

} // namespace vek
