// The README's example, as an application writes it: controls in a layout, wired with
// connect().
#include <VEK_NumIO.h>
#include <VEK_NumLab.h>

#include <gtest/gtest.h>

#include <QVBoxLayout>

TEST(ReadmeExample, FieldDrivesLabelThroughASignal)
{
    QWidget parentWidget;
    auto* layout = new QVBoxLayout(&parentWidget);
    auto* field = new vek::TNumIO2;
    auto* label = new vek::TNumLab;
    label->SetPrecision(3);
    layout->addWidget(field);
    layout->addWidget(label);
    QObject::connect(field, &vek::TNumIO2::valueChanged, label, &vek::TNumLab::SetValue);
    parentWidget.adjustSize();
    EXPECT_GE(label->height(), label->minimumSizeHint().height());

    field->SetValue(12.5);
    EXPECT_EQ(label->Value(), 12.5);
    EXPECT_EQ(label->DisplayText(), "12.500");
}
