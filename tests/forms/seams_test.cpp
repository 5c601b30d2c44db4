// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own collaborators: the words and forms of the result window's
// values, and the web search address of the place lookup.
#include <QUrl>

#include "forms/result_texts.h"
#include "forms_test_support.h"
#include "ui/link_opener.h"

namespace velnora::test {
namespace {

LocalDateTime At(int year, int month, int day, int hour, int minute, int second = 0) {
    return LocalDateTime::From({year, month, day}, {hour, minute, second});
}

// Sets the default locale for one test and puts the C locale back.
struct DefaultLocale {
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(QLocale::c()); }
};

TEST(ResultTexts, EnglishKeepsTheUnitedStatesForms) {
    struct Row {
        LocalDateTime value;
        const char* text;
    };
    const Row rows[] = {
        {At(2024, 3, 5, 6, 12), "3/5/2024 6:12:00 AM"},
        {At(2024, 3, 5, 18, 45), "3/5/2024 6:45:00 PM"},
        {At(1901, 1, 1, 0, 0), "1/1/1901"},
        {At(2050, 12, 31, 12, 0, 59), "12/31/2050 12:00:59 PM"},
        {At(1999, 11, 9, 0, 0, 1), "11/9/1999 12:00:01 AM"},
    };
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::English, QLocale::UnitedKingdom)}) {
        const DefaultLocale scope(locale);
        const std::string name = locale.name().toStdString();
        for (const Row& row : rows) EXPECT_EQ(SunTimeText(row.value), row.text) << name;
        EXPECT_EQ(DateOfWorkText({2024, 3, 5}), "March/5/2024") << name;
        EXPECT_EQ(TimeOfWorkText({9, 5, 0}), "9:5") << name;
        EXPECT_EQ(CoordinateText({23, 2, Hemisphere::North}), QStringLiteral("23\u00b0 2' N"));
        EXPECT_EQ(CoordinateText({0, 0, Hemisphere::West}), QStringLiteral("0\u00b0 0' W"));
    }
}

// Another language writes every date the same way round: the date of work in the
// short date form of the sun times beside it, day first where the locale is.
TEST(ResultTexts, OtherLanguagesFollowTheirLocaleWithTheFullYear) {
    {
        const DefaultLocale scope(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(SunTimeText(At(2024, 3, 5, 18, 45)), "05.03.2024 18:45:00");
        EXPECT_EQ(SunTimeText(At(1924, 3, 5, 0, 0)), "05.03.1924");
        EXPECT_EQ(DateOfWorkText({2024, 3, 5}), "05.03.2024");
        EXPECT_EQ(TimeOfWorkText({9, 5, 0}), "09:05");
    }
    for (const QLocale::Language language : {QLocale::Hindi, QLocale::Gujarati}) {
        const DefaultLocale scope(QLocale(language, QLocale::India));
        const QString date = DateOfWorkText({2024, 3, 5});
        EXPECT_TRUE(SunTimeText(At(2024, 3, 5, 18, 45)).startsWith(date + u' '))
            << SunTimeText(At(2024, 3, 5, 18, 45)).toStdString();
        EXPECT_TRUE(date.startsWith(QLocale().toString(5))) << date.toStdString();
        EXPECT_FALSE(date.contains(QLatin1String("March"))) << date.toStdString();
    }
}

TEST(WebSearch, SearchTextIsPercentEncodedIntoOneQueryValue) {
    struct Row {
        const char* text;
        const char* query;
    };
    for (const Row row :
         {Row{"Pune Maharashtra India Latitude Longitude",
              "q=Pune%20Maharashtra%20India%20Latitude%20Longitude"},
          Row{"A&B =C+D #1 Latitude Longitude", "q=A%26B%20%3DC%2BD%20%231%20Latitude%20Longitude"},
          Row{"S\xc3\xa3o Paulo", "q=S%C3%A3o%20Paulo"}}) {
        const QUrl url = WebSearchAddress(QString::fromUtf8(row.text));
        EXPECT_TRUE(url.isValid()) << row.text;
        EXPECT_EQ(url.scheme(), "https");
        EXPECT_EQ(url.query(QUrl::FullyEncoded).toStdString(), row.query);
    }
}

}  // namespace
}  // namespace velnora::test
