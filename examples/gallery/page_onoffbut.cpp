// Gallery page of the two-state button: every style on and off, captions on all four
// sides, a group that behaves like radio buttons, a speed button, a disabled button and
// transparent buttons over a colored panel.
#include "pages.h"

#include <VEK_onoffbut.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaEnum>
#include <QVBoxLayout>

using namespace vek;

namespace {

// Sized by the layout from its glyph and captions.
TOnOffBut* MakeButton(QWidget* parent, TOnOffBut::TOnOffButStyle style)
{
    auto* button = new TOnOffBut(parent);
    button->SetButtonStyle(style);
    // Theme frame lines, as the captions follow the theme already.
    button->SetColorScheme(csSystemColors);
    return button;
}

QString StyleName(TOnOffBut::TOnOffButStyle style)
{
    const QMetaEnum meta = QMetaEnum::fromType<TOnOffBut::TOnOffButStyle>();
    return QString::fromLatin1(meta.valueToKey(style)).mid(4); // without "oobs"
}

// One style: the button on and off side by side, its name below.
QWidget* StyleCell(QWidget* parent, TOnOffBut::TOnOffButStyle style)
{
    auto* cell = new QWidget(parent);
    auto* layout = new QGridLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (bool on : {true, false}) {
        auto* button = MakeButton(cell, style);
        button->SetFrameStyle(fsNone);
        button->SetOnOff(on);
        layout->addWidget(button, 0, on ? 0 : 1);
    }
    auto* name = new QLabel(StyleName(style), cell);
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name, 1, 0, 1, 2);
    // The buttons take the height of the tallest glyph in the row (centring their own
    // glyph), so that the names of a row line up.
    layout->setRowStretch(0, 1);
    return cell;
}

QWidget* StylesBox(QWidget* parent)
{
    auto* box = new QGroupBox("Styles, on and off", parent);
    auto* grid = new QGridLayout(box);
    constexpr int columns = 8;
    for (int style = TOnOffBut::oobsUser; style <= TOnOffBut::oobsUser5; ++style)
        grid->addWidget(StyleCell(box, TOnOffBut::TOnOffButStyle(style)), style / columns,
                        style % columns);
    return box;
}

QWidget* CaptionsBox(QWidget* parent)
{
    auto* box = new QGroupBox("Captions on four sides", parent);
    auto* layout = new QVBoxLayout(box);
    auto* button = MakeButton(box, TOnOffBut::oobsBulb);
    button->SetLeftText("Left");
    button->SetTopText("Top");
    button->SetRightText("Right");
    button->SetBottomText("Bottom");
    layout->addWidget(button);
    auto* disabled = MakeButton(box, TOnOffBut::oobsCheckbox);
    disabled->SetLeftText("Disabled");
    disabled->SetEnabled(false);
    layout->addWidget(disabled);
    auto* speed = MakeButton(box, TOnOffBut::oobsButLamp);
    speed->SetLeftText("Hold me");
    speed->SetMode(TOnOffBut::oobmSpeedBut);
    layout->addWidget(speed);
    return box;
}

// Buttons of one parent with the same GroupIndex switch each other off.
QWidget* GroupBox(QWidget* parent)
{
    auto* box = new QGroupBox("Group (radio buttons)", parent);
    auto* layout = new QVBoxLayout(box);
    for (const char* caption : {"Low", "Medium", "High", "Turbo"}) {
        auto* button = MakeButton(box, TOnOffBut::oobsRadioBut);
        button->SetFrameStyle(fsNone);
        button->SetTransparent(true); // blends into the group box
        button->SetAutoCenter(false);
        button->SetLeftSpace(4);
        button->SetTopSpace(4);
        button->SetRightText(caption);
        button->SetMouseAction(TOnOffBut::oomaPlain);
        button->SetOnOff(QString::fromLatin1(caption) == "Medium");
        button->SetGroupIndex(1);
        button->SetAllowAllOff(false);
        // A disabled member shows the disabled caption over the group box.
        button->SetEnabled(QString::fromLatin1(caption) != "Turbo");
        // The keyboard starts on the member that is on (the arrows move through the
        // group); the screenshot shows its focus mark.
        if (button->OnOff())
            button->setFocus(Qt::OtherFocusReason);
        layout->addWidget(button);
    }
    layout->addStretch();
    return box;
}

QWidget* TransparentBox(QWidget* parent)
{
    auto* box = new QGroupBox("Transparent over a colored panel", parent);
    auto* layout = new QVBoxLayout(box);
    auto* panel = new QWidget(box);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(0x2a, 0x6f, 0x97));
    panel->setPalette(palette);
    auto* panelLayout = new QHBoxLayout(panel);
    const TOnOffBut::TOnOffButStyle styles[] = {TOnOffBut::oobsSmileyYellow,
                                                TOnOffBut::oobsLedRedGreen,
                                                TOnOffBut::oobsTrafficLPed};
    const char* captions[] = {"Mood", "Link", "Walk"};
    for (int i = 0; i < 3; ++i) {
        auto* button = MakeButton(panel, styles[i]);
        button->SetColorText(clWhite);
        button->SetBottomText(captions[i]);
        button->SetFrameStyle(fsNone);
        button->SetTransparent(true);
        panelLayout->addWidget(button);
    }
    layout->addWidget(panel);
    layout->addStretch();
    return box;
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(StylesBox(page));
    auto* row = new QHBoxLayout;
    row->addWidget(CaptionsBox(page));
    row->addWidget(GroupBox(page));
    row->addWidget(TransparentBox(page));
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

const GalleryPageRegistrar registrar({90, "Two-state button (TOnOffBut)", "onoffbut", CreatePage});

} // namespace
