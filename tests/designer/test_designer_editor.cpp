// controls.ui in Designer's own form editor (its components, headless): the form opens
// with the plugin's controls, which are designing there (no timer runs, no folder is
// read), and the form Designer writes back reads to the same values, with nothing of
// the design state in it.
#include "form_values.h"

#include <VEK_FolderTree.h>
#include <VEK_ProgBar.h>

#include <headlessdesigner.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>

namespace {

// controls.ui open in a form window of a headless Designer.
class DesignerEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = vekdesigner::HeadlessDesigner()->formWindowManager()->createFormWindow(nullptr);
        window->setContents(QString::fromUtf8(vektest::FormFile()));
        QCoreApplication::sendPostedEvents();
    }
    void TearDown() override { delete window; }

    QDesignerFormWindowInterface* window = nullptr;
};

} // namespace

TEST_F(DesignerEditor, OpensTheFormWithDesigningControls)
{
    ASSERT_NE(window->mainContainer(), nullptr);
    const auto controls = vektest::FormControls(window->mainContainer());
    EXPECT_EQ(controls.size(), 18u);
    for (const auto* control : controls) {
        EXPECT_TRUE(control->ComponentState().testFlag(vek::csDesigning))
            << qPrintable(control->Name());
        EXPECT_FALSE(vektest::Loading(control)) << qPrintable(control->Name());
    }
}

TEST_F(DesignerEditor, WritesBackAFormThatReadsToTheSameValues)
{
    const QByteArray saved = window->contents().toUtf8();
    EXPECT_FALSE(saved.contains(vek::TComponentCore::DesigningProperty))
        << "the design state stays in Designer";
    const auto form = vektest::LoadWithQUiLoader(saved);
    ASSERT_NE(form, nullptr);
    form->ensurePolished();
    vektest::ExpectFormValues(form.get());
}

TEST_F(DesignerEditor, DesigningProgressBarStartsNoTimer)
{
    auto* designed = window->mainContainer()->findChild<vek::TProgBar*>("progBar");
    ASSERT_NE(designed, nullptr);
    vek::TProgBar running;
    for (vek::TProgBar* bar : {designed, &running}) {
        bar->SetStartInterval(10);
        bar->SetAutoInc(true);
    }
    const double designedStart = designed->Value();
    const double runningStart = running.Value();
    EXPECT_TRUE(QTest::qWaitFor([&] { return running.Value() != runningStart; }, 5000));
    EXPECT_EQ(designed->Value(), designedStart);
}

TEST_F(DesignerEditor, DesigningFolderTreeReadsNoFolder)
{
    auto* designed = window->mainContainer()->findChild<vek::TFolderTree*>("folderTree");
    ASSERT_NE(designed, nullptr);
    vek::TFolderTree running;
    // A root folder has subfolders; expanding it reads them, unless designing: then only
    // the placeholder that gives the root its expand button stays.
    for (vek::TFolderTree* tree : {designed, &running}) {
        tree->ensurePolished();
        tree->TopItem()->Expand(false);
    }
    EXPECT_EQ(designed->TopItem()->Count(), 1);
    EXPECT_GT(running.TopItem()->Count(), 1);
}
