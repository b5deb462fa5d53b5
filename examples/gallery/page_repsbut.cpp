// Gallery page of the speed buttons: plain, flat, grouped and disabled buttons with
// glyphs drawn here, and auto-repeat buttons that step a counter while held.
#include "pages.h"

#include <VEK_repsbut.h>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace vek;

namespace {

// Gives the button a 16 x 16 glyph on a fuchsia key: an arrow (up or down) or a dot.
void SetGlyphShape(TSpeedButton* button, char shape, TColor color)
{
    TBitmap glyph(16, 16);
    TCanvas* canvas = glyph.Canvas();
    canvas->Brush()->SetColor(clFuchsia);
    canvas->FillRect(TRect(0, 0, 16, 16));
    canvas->Brush()->SetColor(color);
    canvas->Pen()->SetColor(color);
    if (shape == '^')
        canvas->Polygon({QPoint(8, 3), QPoint(13, 11), QPoint(3, 11)});
    else if (shape == 'v')
        canvas->Polygon({QPoint(3, 5), QPoint(13, 5), QPoint(8, 13)});
    else
        canvas->Ellipse(3, 3, 13, 13);
    button->SetGlyph(&glyph);
}

// Sized by the layout from its glyph and caption.
template <typename Button>
Button* MakeButton(QWidget* parent, const QString& caption, char shape, TColor color)
{
    auto* button = new Button(parent);
    button->SetCaption(caption);
    SetGlyphShape(button, shape, color);
    return button;
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);

    auto* plain = new QGroupBox("Speed buttons", page);
    auto* row = new QHBoxLayout(plain);
    row->addWidget(MakeButton<TSpeedButton>(plain, "Record", 'o', clRed));
    auto* flat = MakeButton<TSpeedButton>(plain, "Flat", 'o', clGreen);
    flat->SetFlat(true);
    row->addWidget(flat);
    auto* off = MakeButton<TSpeedButton>(plain, "Disabled", '^', clBlue);
    off->SetEnabled(false);
    row->addWidget(off);
    auto* top = MakeButton<TSpeedButton>(plain, "Top", '^', clNavy);
    top->SetLayout(blGlyphTop);
    row->addWidget(top);
    row->addStretch();
    layout->addWidget(plain);

    auto* group = new QGroupBox("A group (one stays down)", page);
    auto* groupRow = new QHBoxLayout(group);
    for (const char* name : {"Left", "Centre", "Right"}) {
        auto* button = MakeButton<TSpeedButton>(group, name, 'o', clTeal);
        button->SetGroupIndex(1);
        button->SetDown(QString(name) == "Centre");
        groupRow->addWidget(button);
    }
    groupRow->addStretch();
    layout->addWidget(group);

    auto* repeat = new QGroupBox("Auto-repeat: hold a button", page);
    auto* repeatRow = new QHBoxLayout(repeat);
    auto* counter = new QLabel("50", repeat);
    counter->setMinimumWidth(40);
    auto step = [counter](int delta) {
        return [counter, delta](TObject*) {
            counter->setNum(counter->text().toInt() + delta);
        };
    };
    auto* down = MakeButton<TRepSpeedButton>(repeat, "Less", 'v', clMaroon);
    auto* up = MakeButton<TRepSpeedButton>(repeat, "More", '^', clGreen);
    up->SetRepeatClickInterval(80);
    up->setFocus(Qt::OtherFocusReason); // Space or Enter held repeats too
    for (auto [button, delta] : {std::pair{down, -1}, std::pair{up, 1}}) {
        button->OnClick = step(delta);
        button->OnRepeatClick = step(delta);
        repeatRow->addWidget(button);
    }
    repeatRow->addWidget(counter);
    repeatRow->addStretch();
    layout->addWidget(repeat);
    layout->addStretch();
    return page;
}

const GalleryPageRegistrar registrar({120, "Speed buttons (TRepSpeedButton)", "repsbut",
                                      CreatePage});

} // namespace
