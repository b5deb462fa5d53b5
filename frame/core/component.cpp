#include "component.h"

#include "formload.h"

#include <QVariant>

namespace vek {

TComponentCore::TComponentCore(QObject* self, QObject* owner, const std::function<void()>& loaded)
    : FSelf(self)
{
    for (QObject* o = owner; o; o = o->parent())
        if (o->property(DesigningProperty).toBool()) {
            SetDesigning(true);
            break;
        }
    if (TFormLoad::Enroll(self, owner, loaded))
        SetLoading(true);
}

void TComponentCore::SetDesigning(bool designing)
{
    FState.setFlag(csDesigning, designing);
    // Children created later with this component as owner inherit the state.
    FSelf->setProperty(DesigningProperty, designing ? QVariant(true) : QVariant());
}

void TComponentCore::SetLoading(bool loading)
{
    FState.setFlag(csLoading, loading);
}

TComponent::TComponent(QObject* owner) : QObject(owner), FCore(this, owner, [this] { Loaded(); }) {}

namespace {
constexpr const char* TagProperty = "Tag";
}

int Tag(const QObject* component)
{
    return component->property(TagProperty).toInt();
}

void SetTag(QObject* component, int value)
{
    component->setProperty(TagProperty, value);
}

} // namespace vek
