// Gallery page of the numeric edit field: one field per input format with its range,
// the Value the field reports next to it, and switches for the shared settings.
#include "pages.h"

#include <VEK_NumIO.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMetaEnum>
#include <QVBoxLayout>

#include <vector>

using namespace vek;

namespace {

struct Sample {
    TInFormat format;
    double low, high;
    double value;
    const char* note;
};

const Sample Samples[] = {
    {itExp, -1e6, 1e6, 1234.5678, "decimal with exponent, e.g. -2.5e3"},
    {itFloat, -100, 100, 3.14159, "decimal without exponent"},
    {itFixPoint, 0, 1000, 12.5, "two decimals, rounded while typing"},
    {itInt, -1000, 1000, 42, "whole numbers"},
    {itHex, 0, 65535, 255, "hexadecimal digits"},
    {itOct, 0, 4095, 64, "octal digits"},
    {itBin, 0, 255, 5, "binary digits"},
    {itDynamic, -1e9, 1e9, 31, "$hex, %binary, &octal or decimal"},
};

QString ValueText(double value)
{
    return QString::number(value, 'g', 10);
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    auto* box = new QGroupBox("One field per input format (type, paste, delete: refused input vanishes)", page);
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(2, 1);
    const QMetaEnum formats = QMetaEnum::fromType<TInFormat>();
    int headerColumn = 0;
    for (const char* header : {"Format", "Field", "Value", "Range"}) {
        auto* label = new QLabel(QString("<b>%1</b>").arg(header));
        grid->addWidget(label, 0, headerColumn++);
    }
    auto fields = std::make_shared<std::vector<TNumIO*>>();
    int row = 1;
    for (const Sample& sample : Samples) {
        auto* field = new TNumIO(box);
        field->SetName(QString("NumIO_%1").arg(formats.valueToKey(sample.format)));
        field->SetInputFormat(sample.format);
        field->SetRangeHigh(sample.high);
        field->SetRangeLow(sample.low);
        field->SetValue(sample.value);
        field->setToolTip(sample.note);
        auto* value = new QLabel(ValueText(field->Value()));
        value->setMinimumWidth(90);
        QObject::connect(field, &TNumIO::valueChanged, value,
                         [value](double v) { value->setText(ValueText(v)); });
        if (sample.format == itDynamic)
            field->SetText("$1F");
        grid->addWidget(new QLabel(formats.valueToKey(sample.format)), row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(value, row, 2);
        grid->addWidget(new QLabel(QString("%1 .. %2").arg(ValueText(sample.low), ValueText(sample.high))), row, 3);
        fields->push_back(field);
        ++row;
    }
    layout->addWidget(box);

    auto* settings = new QGroupBox("Shared settings", page);
    auto* settingsLayout = new QHBoxLayout(settings);
    auto* beep = new QCheckBox("Beep on refused input");
    QObject::connect(beep, &QCheckBox::toggled, page, [fields](bool on) {
        for (TNumIO* field : *fields)
            field->SetBeep(on);
    });
    settingsLayout->addWidget(beep);
    settingsLayout->addWidget(new QLabel("Decimal separator"));
    auto* separator = new QComboBox;
    const QMetaEnum separators = QMetaEnum::fromType<TDecPSep>();
    for (int i = 0; i < separators.keyCount(); ++i)
        separator->addItem(separators.key(i), separators.value(i));
    QObject::connect(separator, &QComboBox::currentIndexChanged, page, [fields, separator](int) {
        for (TNumIO* field : *fields)
            field->SetDecPlaceSep(TDecPSep(separator->currentData().toInt()));
    });
    settingsLayout->addWidget(separator);
    settingsLayout->addStretch();
    layout->addWidget(settings);
    layout->addStretch();
    return page;
}

const GalleryPageRegistrar registrar({20, "Numeric edit field (TNumIO)", "numio", CreatePage});

} // namespace
