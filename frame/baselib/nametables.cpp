#include "nametables.h"

#include <array>

namespace vek {

namespace {

struct LanguageNames {
    std::array<const char*, 12> monthLong;
    std::array<const char*, 12> monthShort;
    std::array<const char*, 7> weekDayShort; // Monday first
};

constexpr LanguageNames kEnglish{
    {"January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
};

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

// Indexed by TLanguage; the neutral language shares the English names.
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

} // namespace

QString MonthLong(TLanguage Language, int Month)
{
    const LanguageNames* names = NamesOf(Language);
    return names ? Lookup(names->monthLong, Month) : QString();
}

QString MonthShort(TLanguage Language, int Month)
{
    const LanguageNames* names = NamesOf(Language);
    return names ? Lookup(names->monthShort, Month) : QString();
}

QString WeekDayShort(TLanguage Language, int WeekDay)
{
    const LanguageNames* names = NamesOf(Language);
    return names ? Lookup(names->weekDayShort, WeekDay) : QString();
}

} // namespace vek
