#include "nametables.h"

#include <QCoreApplication>

#include <array>

namespace vek {

namespace {

struct LanguageNames {
    std::array<const char*, 12> monthLong;
    std::array<const char*, 12> monthShort;
    std::array<const char*, 7> weekDayShort; // Monday first
};

// The English names are the neutral language's too. For the neutral language they go
// through the application's translators, in the context of the control that shows them
// (the mini calendar); the comment tells the long and the short "May" apart.
struct EnglishName {
    const char* text;
    const char* comment;
};

constexpr std::array<EnglishName, 12> kEnglishMonthLong{{
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "January", "month"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "February", "month"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "March", "month"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "April", "month"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "May", "month"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "June", "month"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "July", "month"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "August", "month"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "September", "month"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "October", "month"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "November", "month"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "December", "month"),
}};

constexpr std::array<EnglishName, 12> kEnglishMonthShort{{
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Jan", "month, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Feb", "month, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Mar", "month, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Apr", "month, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "May", "month, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Jun", "month, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Jul", "month, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Aug", "month, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Sep", "month, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Oct", "month, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Nov", "month, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Dec", "month, short"),
}};

constexpr std::array<EnglishName, 7> kEnglishWeekDayShort{{
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Mon", "weekday, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Tue", "weekday, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Wed", "weekday, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Thu", "weekday, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Fri", "weekday, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Sat", "weekday, short"),
    QT_TRANSLATE_NOOP3("vek::TMiniCal", "Sun", "weekday, short"),
}};

template <size_t N>
constexpr std::array<const char*, N> TextsOf(const std::array<EnglishName, N>& names)
{
    std::array<const char*, N> texts{};
    for (size_t i = 0; i < N; ++i)
        texts[i] = names[i].text;
    return texts;
}

constexpr LanguageNames kEnglish{TextsOf(kEnglishMonthLong), TextsOf(kEnglishMonthShort),
                                 TextsOf(kEnglishWeekDayShort)};

constexpr LanguageNames kGerman{
    {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
     "Oktober", "November", "Dezember"},
    {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
    {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"},
};

constexpr LanguageNames kFrench{
    {"Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre",
     "Octobre", "Novembre", "Décembre"},
    {"Janv", "Févr", "Mars", "Avr", "Mai", "Juin", "Juil", "Août", "Sept", "Oct", "Nov",
     "Déc"},
    {"Lun", "Mar", "Mer", "Jeu", "Ven", "Sam", "Dim"},
};

constexpr LanguageNames kSpanish{
    {"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio", "Agosto", "Septiembre",
     "Octubre", "Noviembre", "Diciembre"},
    {"Ene", "Feb", "Mar", "Abr", "May", "Jun", "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"},
    {"Lun", "Mar", "Mié", "Jue", "Vie", "Sáb", "Dom"},
};

constexpr LanguageNames kItalian{
    {"Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno", "Luglio", "Agosto",
     "Settembre", "Ottobre", "Novembre", "Dicembre"},
    {"Gen", "Feb", "Mar", "Apr", "Mag", "Giu", "Lug", "Ago", "Set", "Ott", "Nov", "Dic"},
    {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"},
};

constexpr LanguageNames kDutch{
    {"Januari", "Februari", "Maart", "April", "Mei", "Juni", "Juli", "Augustus",
     "September", "Oktober", "November", "December"},
    {"Jan", "Feb", "Mrt", "Apr", "Mei", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dec"},
    {"Ma", "Di", "Wo", "Do", "Vr", "Za", "Zo"},
};

// Indexed by TLanguage; the neutral language shares the English names (translated).
constexpr std::array<const LanguageNames*, 7> kLanguages{
    &kEnglish, &kEnglish, &kGerman, &kFrench, &kSpanish, &kItalian, &kDutch,
};

const LanguageNames* NamesOf(TLanguage language)
{
    const int index = int(language);
    return index >= 0 && index < int(kLanguages.size()) ? kLanguages[size_t(index)] : nullptr;
}

// Entry `number` (1-based) of `table`, or "" when out of range.
template <size_t N>
QString Lookup(const std::array<const char*, N>& table, int number)
{
    return number >= 1 && number <= int(N) ? QString::fromUtf8(table[size_t(number - 1)])
                                           : QString();
}

// The neutral language's entry: the English name as the application's translators give it.
template <size_t N>
QString Translated(const std::array<EnglishName, N>& table, int number)
{
    if (number < 1 || number > int(N))
        return QString();
    const EnglishName& name = table[size_t(number - 1)];
    return QCoreApplication::translate("vek::TMiniCal", name.text, name.comment);
}

} // namespace

QString MonthLong(TLanguage Language, int Month)
{
    if (Language == lgNeutral)
        return Translated(kEnglishMonthLong, Month);
    const LanguageNames* names = NamesOf(Language);
    return names ? Lookup(names->monthLong, Month) : QString();
}

QString MonthShort(TLanguage Language, int Month)
{
    if (Language == lgNeutral)
        return Translated(kEnglishMonthShort, Month);
    const LanguageNames* names = NamesOf(Language);
    return names ? Lookup(names->monthShort, Month) : QString();
}

QString WeekDayShort(TLanguage Language, int WeekDay)
{
    if (Language == lgNeutral)
        return Translated(kEnglishWeekDayShort, WeekDay);
    const LanguageNames* names = NamesOf(Language);
    return names ? Lookup(names->weekDayShort, WeekDay) : QString();
}

} // namespace vek
