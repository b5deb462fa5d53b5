// Gallery page of the mini calendar: May 2024 with its holidays in English, a German
// calendar whose weeks start on Sunday with long month names, and a live one whose
// selected date is shown below it.
#include "pages.h"

#include <VEK_MiniCal.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

using namespace vek;

namespace {

TMiniCal* MakeCalendar(QWidget* parent, QDate date)
{
    auto* cal = new TMiniCal(parent);
    cal->setDate(date);
    return cal;
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    auto* samples = new QGroupBox("Months, languages and holidays", page);
    auto* grid = new QGridLayout(samples);

    auto* may = MakeCalendar(samples, QDate(2024, 5, 15));
    may->AddHoliday(24, 5, 2024, "Company outing");
    may->setFocus(Qt::OtherFocusReason); // arrows, Page Up/Down, Home and End move the day
    grid->addWidget(may, 0, 0);
    grid->addWidget(new QLabel("May 2024: Labor Day, Ascension, Pentecost, an added day"), 1, 0);

    auto* german = MakeCalendar(samples, QDate(2024, 12, 24));
    german->SetLanguage(lgGerman);
    german->SetFirstDayOfWeek(TMiniCal::dwSun);
    german->SetShowMonthShort(false);
    grid->addWidget(german, 0, 1);
    grid->addWidget(new QLabel("German, weeks from Sunday, long month name"), 1, 1);

    auto* live = new TMiniCal(samples);
    auto* chosen = new QLabel(samples);
    auto showDate = [live, chosen](QDate date) {
        const QString holiday = live->Hint().isEmpty() ? QString() : " (" + live->Hint() + ")";
        chosen->setText("Selected: " + date.toString(Qt::ISODate) + holiday);
    };
    QObject::connect(live, &TMiniCal::dateChanged, chosen, showDate);
    showDate(live->qDate());
    grid->addWidget(live, 2, 0);
    grid->addWidget(chosen, 3, 0);

    layout->addWidget(samples);
    layout->addStretch();
    return page;
}

const GalleryPageRegistrar registrar({110, "Mini calendar (TMiniCal)", "minical", CreatePage});

} // namespace
