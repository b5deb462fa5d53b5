// Form loads: what is created while a TFormLoad is open loads until the load ends and
// then has Loaded once, in creation order, however it ends; the parts a control makes
// for itself stay out of the load. A control a plugin makes outside any load loads until
// its first polish or the next turn of the event loop, whichever comes first.
#include <frame/controls/controls.h>
#include <frame/core/application.h>
#include <frame/core/formload.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>

#include <memory>
#include <stdexcept>

using namespace vek;

namespace {

// Writes its name into a shared log each time Loaded runs, and whether it was loading.
class LoggingControl : public TCustomControl {
public:
    LoggingControl(const QString& name, QStringList* log, QWidget* parent = nullptr)
        : TCustomControl(parent), FLog(log)
    {
        SetName(name);
    }

    // A part the control makes for itself, as a report list makes its data.
    std::unique_ptr<LoggingControl> MakePart()
    {
        return std::make_unique<LoggingControl>(Name() + ".part", FLog, this);
    }

    // Loaded throws after logging, as a control whose stored settings do not work.
    bool FailToLoad = false;

protected:
    void Loaded() override
    {
        *FLog << Name() + (ComponentState().testFlag(csLoading) ? "" : " (not loading)");
        TCustomControl::Loaded();
        if (FailToLoad)
            throw std::runtime_error(Name().toStdString() + " cannot load");
    }

private:
    QStringList* FLog;
};

bool Loading(const TWidgetComponent& control)
{
    return control.ComponentState().testFlag(csLoading);
}

} // namespace

TEST(FormLoad, ComponentsLoadUntilTheLoadEndsThenLoadedOnceInCreationOrder)
{
    QStringList log;
    QWidget form;
    std::unique_ptr<LoggingControl> first, second, part;
    {
        TFormLoad load;
        first = std::make_unique<LoggingControl>("first", &log, &form);
        second = std::make_unique<LoggingControl>("second", &log, &form);
        part = first->MakePart();
        EXPECT_TRUE(Loading(*first));
        EXPECT_TRUE(Loading(*second));
        EXPECT_FALSE(Loading(*part)) << "a control's own part is not read from the form";
        load.End();
        EXPECT_EQ(log, QStringList({"first", "second"}));
        EXPECT_FALSE(Loading(*first));
    }
    EXPECT_EQ(log.size(), 2) << "the destructor after End() does nothing";
    LoggingControl later("later", &log, &form);
    EXPECT_FALSE(Loading(later)) << "no load is open any more";
}

TEST(FormLoad, ControlsDeletedDuringTheLoadAreSkipped)
{
    QStringList log;
    {
        TFormLoad load;
        auto gone = std::make_unique<LoggingControl>("gone", &log);
        LoggingControl kept("kept", &log);
        gone.reset();
        load.End();
    }
    EXPECT_EQ(log, QStringList({"kept"}));
}

TEST(FormLoad, AFailingLoadedKeepsNoOtherControlFromLoading)
{
    QStringList log;
    TFormLoad load;
    LoggingControl broken("broken", &log);
    LoggingControl fine("fine", &log);
    broken.FailToLoad = true;
    EXPECT_THROW(load.End(), std::runtime_error);
    EXPECT_EQ(log, QStringList({"broken", "fine"}));
}

TEST(FormLoad, AFailureAtTheEndOfTheScopeIsReported)
{
    QStringList log;
    QString reported;
    Application()->OnException = [&](TObject*, const QString& message) { reported = message; };
    std::unique_ptr<LoggingControl> broken;
    {
        TFormLoad load;
        broken = std::make_unique<LoggingControl>("broken", &log);
        broken->FailToLoad = true;
    }
    Application()->OnException = nullptr;
    EXPECT_EQ(reported, "broken cannot load");
}

TEST(FormLoad, InnerLoadEndsItsOwnControlsOnly)
{
    QStringList log;
    TFormLoad outer;
    LoggingControl a("a", &log);
    {
        TFormLoad inner;
        LoggingControl b("b", &log);
        inner.End();
        EXPECT_EQ(log, QStringList({"b"}));
    }
    LoggingControl c("c", &log);
    EXPECT_TRUE(Loading(c)) << "the outer load is open again";
    outer.End();
    EXPECT_EQ(log, QStringList({"b", "a", "c"}));
}

TEST(FormLoad, LoadUntilPolishedEndsAtTheFirstPolish)
{
    QStringList log;
    LoggingControl control("polished", &log);
    control.LoadUntilPolished();
    EXPECT_TRUE(Loading(control));
    control.LoadUntilPolished();
    control.ensurePolished();
    EXPECT_EQ(log, QStringList({"polished"}));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(log, QStringList({"polished"})) << "the event loop does not end it again";
}

TEST(FormLoad, LoadUntilPolishedEndsWhenTheEventLoopRuns)
{
    QStringList log;
    LoggingControl control("queued", &log);
    control.LoadUntilPolished();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(log, QStringList({"queued"}));
    control.ensurePolished();
    EXPECT_EQ(log, QStringList({"queued"}));
}

TEST(FormLoad, LoadUntilPolishedLeavesAFormLoadsControlToTheLoad)
{
    QStringList log;
    TFormLoad load;
    LoggingControl control("in form", &log);
    control.LoadUntilPolished();
    control.ensurePolished();
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(log.isEmpty());
    load.End();
    EXPECT_EQ(log, QStringList({"in form"}));
}
