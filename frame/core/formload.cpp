#include "formload.h"

#include "application.h"

#include <QPointer>

#include <algorithm>
#include <exception>
#include <vector>

namespace vek {

struct TFormLoad::Private {
    struct TMember {
        QPointer<QObject> component;
        std::function<void()> loaded;
    };

    TFormLoad* outer = nullptr;
    std::vector<TMember> members;
    bool open = true;

    bool Contains(const QObject* object) const
    {
        return std::any_of(members.begin(), members.end(),
                           [object](const TMember& m) { return m.component == object; });
    }
    bool OwnsPartOf(const QObject* owner) const
    {
        for (const QObject* o = owner; o; o = o->parent())
            if (Contains(o))
                return true;
        return false;
    }
};

namespace {
// The GUI thread reads forms one at a time, but a worker thread may build its own
// component tree: each thread has its own innermost load.
thread_local TFormLoad* currentLoad = nullptr;
} // namespace

TFormLoad::TFormLoad() : d(std::make_unique<Private>())
{
    d->outer = currentLoad;
    currentLoad = this;
}

TFormLoad::~TFormLoad()
{
    // A destructor must not throw: a failing Loaded is reported like one in an event.
    RunGuarded(nullptr, [this] { End(); });
}

void TFormLoad::End()
{
    if (!d->open)
        return;
    d->open = false;
    // Loads end innermost first; one that ends out of turn just leaves the chain.
    for (TFormLoad** link = &currentLoad; *link; link = &(*link)->d->outer)
        if (*link == this) {
            *link = d->outer;
            break;
        }
    // Loaded may create components of its own; they are not part of this load. One that
    // fails does not keep the others from loading.
    const auto members = std::move(d->members);
    std::exception_ptr firstError;
    for (const auto& member : members) {
        if (!member.component)
            continue;
        try {
            member.loaded();
        } catch (...) {
            if (!firstError)
                firstError = std::current_exception();
        }
    }
    if (firstError)
        std::rethrow_exception(firstError);
}

bool TFormLoad::Enroll(QObject* component, QObject* owner, std::function<void()> loaded)
{
    if (!currentLoad || currentLoad->d->OwnsPartOf(owner))
        return false;
    currentLoad->d->members.push_back({component, std::move(loaded)});
    return true;
}

} // namespace vek
