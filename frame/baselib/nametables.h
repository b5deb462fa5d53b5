// Month and weekday names in the languages the controls offer (the mini calendar's
// caption and weekday row). Names are capitalised, since the controls show them as
// headings, and fit the calendar's cells: short month names have at most 4 characters,
// long ones at most 10, weekday names at most 3.
#pragma once

#include <frame/core/vekglobal.h>

#include <QString>

namespace vek {

/// Language of the name tables. The ordinals are stored in form files: 1 to 6 are fixed,
/// lgNeutral (0) gives the English names as the application's translators translate
/// them (context vek::TMiniCal; the English names themselves without a translator). The
/// fixed underlying type keeps any stored ordinal a valid value, so the lookups can
/// reject unknown ones.
enum TLanguage : int {
    lgNeutral = 0,
    lgEnglish = 1,
    lgGerman = 2,
    lgFrench = 3,
    lgSpanish = 4,
    lgItalian = 5,
    lgDutch = 6,
};

/// Full month name, Month 1 = January .. 12 = December ("März", "Février").
/// A Month or Language out of range gives "".
VEK_EXPORT QString MonthLong(TLanguage Language, int Month);

/// Abbreviated month name of up to 4 characters ("Mär", "Févr"), Month 1..12.
/// A Month or Language out of range gives "".
VEK_EXPORT QString MonthShort(TLanguage Language, int Month);

/// Abbreviated weekday name of up to 3 characters, WeekDay 1 = Monday .. 7 = Sunday
/// ("Mo", "Sáb"). A WeekDay or Language out of range gives "".
VEK_EXPORT QString WeekDayShort(TLanguage Language, int WeekDay);

} // namespace vek
