// TMiniCal holidays: the built-in fixed and Easter-based holidays in each language, the
// holiday list, and the lookup of a date.
#include "minical_p.h"

namespace vek {

namespace {

// Captions by language ordinal 0..6; ordinal 0 (neutral) uses the English names as the
// application's translators give them.
using Captions = std::array<const char*, 7>;

struct FixedHoliday {
    int Day, Month;
    Captions Names;
};

const FixedHoliday FixedHolidays[] = {
    {25, 12,
     {QT_TRANSLATE_NOOP("vek::TMiniCal", "Christmas Day"), "Christmas Day", "Weihnachten", "Noël",
      "Navidad", "Natale", "Eerste Kerstdag"}},
    {26, 12,
     {QT_TRANSLATE_NOOP("vek::TMiniCal", "Boxing Day"), "Boxing Day", "Stephanitag", "Jour de boxe",
      "Día de San Esteban", "Santo Stefano", "Tweede Kerstdag"}},
    {1, 1,
     {QT_TRANSLATE_NOOP("vek::TMiniCal", "New Year's Day"), "New Year's Day", "Neujahrstag",
      "Nouvel An Jour", "Día de Año Nuevo", "Capodanno", "Nieuwjaarsdag"}},
    {6, 1,
     {QT_TRANSLATE_NOOP("vek::TMiniCal", "Epiphany"), "Epiphany", "Hl. Drei Könige", "Épiphanie",
      "Epifanía", "Epifania", "Driekoningen"}},
    {15, 8,
     {QT_TRANSLATE_NOOP("vek::TMiniCal", "Assumption of Mary"), "Assumption of Mary",
      "Maria Himmelfahrt", "Assomption", "Asunción", "Assunzione", "Maria-Hemelvaart"}},
    {1, 11,
     {QT_TRANSLATE_NOOP("vek::TMiniCal", "All Saints"), "All Saints", "Allerheiligen",
      "La Toussaint", "Día de Todos los Santos", "Ognissanti", "Allerheiligen"}},
    {8, 12,
     {QT_TRANSLATE_NOOP("vek::TMiniCal", "Immaculate Conception"), "Immaculate Conception",
      "Maria Empfängnis", "Immaculée Conception", "Inmaculada Concepción", "Immacolata Concezione",
      "Onbevlekte Ontvangenis"}},
    {1, 5,
     {QT_TRANSLATE_NOOP("vek::TMiniCal", "Labor Day"), "Labor Day", "Tag der Arbeit",
      "Fête du Travail", "Día del Trabajo", "Festa dei Lavoratori", "Dag van de Arbeid"}},
};

struct MovableHoliday {
    int DaysAfterEaster;
    Captions Names;
};

const MovableHoliday MovableHolidays[] = {
    {0,
     {QT_TRANSLATE_NOOP("vek::TMiniCal", "Easter Day"), "Easter Day", "Ostersonntag",
      "Le jour de Pâques", "Domingo de Resurrección", "Pasqua", "Eerste Paasdag"}},
    {1,
     {QT_TRANSLATE_NOOP("vek::TMiniCal", "Easter Monday"), "Easter Monday", "Ostermontag",
      "Lundi de Pâques", "Lunes de Pascua", "Lunedì dell'Angelo", "Tweede Paasdag"}},
    {39,
     {QT_TRANSLATE_NOOP("vek::TMiniCal", "Ascension Day"), "Ascension Day", "Christi Himmelfahrt",
      "Ascension du Christ", "Ascensión de Cristo", "Ascensione", "Hemelvaartsdag"}},
    {49,
     {QT_TRANSLATE_NOOP("vek::TMiniCal", "Pentecost"), "Pentecost", "Pfingstsonntag",
      "Dimanche de Pentecôte", "Domingo de Pentecostés", "Pentecoste", "Eerste Pinksterdag"}},
    {50,
     {QT_TRANSLATE_NOOP("vek::TMiniCal", "Whit Monday"), "Whit Monday", "Pfingstmontag",
      "Lundi de Pentecôte", "Lunes de Pentecostés", "Lunedì di Pentecoste", "Tweede Pinksterdag"}},
    {60,
     {QT_TRANSLATE_NOOP("vek::TMiniCal", "Corpus Christi"), "Corpus Christi", "Fronleichnam",
      "Corpus Christi", "Corpus Cristi", "Corpus Domini", "Sacramentsdag"}},
};

QString CaptionIn(const Captions &names, TLanguage language) {
    if (language == lgNeutral)
        return TMiniCal::tr(names[lgNeutral]);
    const int i = language >= 0 && language < int(names.size()) ? language : lgEnglish;
    return QString::fromUtf8(names[std::size_t(i)]);
}

// Day count from 1 March (1 March = 1) of a date in March to June.
int DaysFromFirstOfMarch(int month, int day)
{
    static constexpr int MonthStart[] = {0, 31, 61, 92}; // March, April, May, June
    return day + MonthStart[month - 3];
}

} // namespace

void CalcEasterSunday(int Year, int& Day, int& Month)
{
    const int k = Year / 100;
    const int s = (3 * k + 3) / 4;
    const int a = Year % 19;
    const int d = (19 * a + s - (8 * k + 13) / 25 + 15) % 30;
    const int g = d + 21 - (a / 11 + d) / 29;
    const int e = g + 7 - (g + (Year + Year / 4 - s + 2) % 7 - 7) % 7;
    Month = e >= 32 ? 4 : 3;
    Day = e >= 32 ? e - 31 : e;
}

std::vector<minical::Holiday> minical::BuiltInHolidays(TLanguage language)
{
    std::vector<Holiday> holidays;
    for (const FixedHoliday& h : FixedHolidays)
        holidays.push_back({h.Day, h.Month, TMiniCal::RepeatYear, CaptionIn(h.Names, language)});
    return holidays;
}

void TMiniCal::AddHoliday(int Day, int Month, int Year, const QString& Caption)
{
    d->holidays.push_back({Day, Month, Year, Caption.left(255)});
    d->UpdateCalendar();
}

void TMiniCal::AddRepeatHoliday(int Day, int Month, const QString& Caption)
{
    AddHoliday(Day, Month, RepeatYear, Caption);
}

void TMiniCal::ClearHolidayList()
{
    d->holidays.clear();
    d->UpdateCalendar();
}

int TMiniCal::NumHolidays() const { return int(d->holidays.size()); }

bool TMiniCal::RetrieveHoliday(int HDIndex, int& Day, int& Month, int& Year,
                               bool& IsRepeatHDay, QString& Description) const
{
    if (HDIndex < 1 || HDIndex > NumHolidays())
        return false;
    const minical::Holiday& h = d->holidays[std::size_t(HDIndex - 1)];
    Day = h.Day;
    Month = h.Month;
    Year = h.Year;
    IsRepeatHDay = h.Year == RepeatYear;
    Description = h.Caption;
    return true;
}

bool TMiniCal::CheckHoliday(int Year, int Month, int Day, QString& Caption) const
{
    Caption.clear();
    for (const minical::Holiday& h : d->holidays)
        if (h.Day == Day && h.Month == Month && (h.Year == RepeatYear || h.Year == Year)) {
            Caption = h.Caption;
            return true;
        }
    if (!d->showMovableHolidays || Month < 3 || Month > 6)
        return false;
    int easterDay = 0, easterMonth = 0;
    CalcEasterSunday(Year, easterDay, easterMonth);
    const int easter = DaysFromFirstOfMarch(easterMonth, easterDay);
    const int date = DaysFromFirstOfMarch(Month, Day);
    for (const MovableHoliday& h : MovableHolidays)
        if (date == easter + h.DaysAfterEaster) {
            Caption = CaptionIn(h.Names, d->language);
            return true;
        }
    return false;
}

} // namespace vek
