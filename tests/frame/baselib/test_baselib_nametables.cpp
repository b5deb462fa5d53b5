#include <frame/baselib/nametables.h>

#include <gtest/gtest.h>

#include <QSet>

using namespace vek;

namespace {

const TLanguage kAllLanguages[] = {lgNeutral, lgEnglish, lgGerman, lgFrench,
                                   lgSpanish, lgItalian, lgDutch};

} // namespace

TEST(NameTables, EveryNameFitsTheCalendarCells)
{
    for (TLanguage lang : kAllLanguages) {
        for (int m = 1; m <= 12; ++m) {
            EXPECT_FALSE(MonthLong(lang, m).isEmpty()) << lang << " " << m;
            EXPECT_LE(MonthLong(lang, m).size(), 10) << qPrintable(MonthLong(lang, m));
            EXPECT_FALSE(MonthShort(lang, m).isEmpty()) << lang << " " << m;
            EXPECT_LE(MonthShort(lang, m).size(), 4) << qPrintable(MonthShort(lang, m));
        }
        for (int d = 1; d <= 7; ++d) {
            EXPECT_FALSE(WeekDayShort(lang, d).isEmpty()) << lang << " " << d;
            EXPECT_LE(WeekDayShort(lang, d).size(), 3) << qPrintable(WeekDayShort(lang, d));
        }
    }
}

TEST(NameTables, NamesWithinOneTableAreDistinct)
{
    for (TLanguage lang : kAllLanguages) {
        QSet<QString> longNames, shortNames, days;
        for (int m = 1; m <= 12; ++m) {
            longNames << MonthLong(lang, m);
            shortNames << MonthShort(lang, m);
        }
        for (int d = 1; d <= 7; ++d)
            days << WeekDayShort(lang, d);
        EXPECT_EQ(longNames.size(), 12) << lang;
        EXPECT_EQ(shortNames.size(), 12) << lang;
        EXPECT_EQ(days.size(), 7) << lang;
    }
}

TEST(NameTables, IndexBaseAndAccentedNames)
{
    EXPECT_EQ(MonthLong(lgEnglish, 1), "January");
    EXPECT_EQ(WeekDayShort(lgEnglish, 1), "Mon");
    EXPECT_EQ(WeekDayShort(lgEnglish, 7), "Sun");
    EXPECT_EQ(MonthLong(lgGerman, 3), QString::fromUtf8("März"));
    EXPECT_EQ(MonthShort(lgGerman, 3), QString::fromUtf8("Mär"));
    EXPECT_EQ(MonthLong(lgFrench, 2), QString::fromUtf8("Février"));
    EXPECT_EQ(MonthLong(lgFrench, 8).size(), 4); // "Août" with a precomposed û
    EXPECT_EQ(WeekDayShort(lgSpanish, 6), QString::fromUtf8("Sáb"));
}

TEST(NameTables, NeutralLanguageUsesEnglish)
{
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(MonthLong(lgNeutral, m), MonthLong(lgEnglish, m));
        EXPECT_EQ(MonthShort(lgNeutral, m), MonthShort(lgEnglish, m));
    }
    for (int d = 1; d <= 7; ++d)
        EXPECT_EQ(WeekDayShort(lgNeutral, d), WeekDayShort(lgEnglish, d));
}

TEST(NameTables, OutOfRangeGivesEmptyText)
{
    for (int m : {0, 13, -1, 1000}) {
        EXPECT_EQ(MonthLong(lgGerman, m), "");
        EXPECT_EQ(MonthShort(lgGerman, m), "");
    }
    for (int d : {0, 8, -7})
        EXPECT_EQ(WeekDayShort(lgGerman, d), "");
    for (TLanguage bad : {TLanguage(7), TLanguage(-1), TLanguage(255)}) {
        EXPECT_EQ(MonthLong(bad, 1), "");
        EXPECT_EQ(MonthShort(bad, 1), "");
        EXPECT_EQ(WeekDayShort(bad, 1), "");
    }
}
