// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own collaborators: the locale's sun-time texts and the web
// search address of the place lookup.
#include <QUrl>

#include "forms/sun_time_format.h"
#include "forms_test_support.h"
#include "ui/link_opener.h"

namespace velnora::test {
namespace {

LocalDateTime At(int year, int month, int day, int hour, int minute, int second = 0) {
    return LocalDateTime::From({year, month, day}, {hour, minute, second});
}

TEST(SunTimeFormat, UnitedStatesEnglishAndTheCLocaleGiveTheUsGeneralDate) {
    const LocalDateTime values[] = {At(2024, 3, 5, 6, 12), At(2024, 3, 5, 18, 45),
                                    At(1901, 1, 1, 0, 0), At(2050, 12, 31, 12, 0, 59),
                                    At(1999, 11, 9, 0, 0, 1)};
    for (const LocalDateTime& value : values) {
        const std::string expected = FormatUsGeneralDate(value);
        EXPECT_EQ(FormatGeneralDate(QLocale(QLocale::English, QLocale::UnitedStates), value),
                  expected);
        EXPECT_EQ(FormatGeneralDate(QLocale::c(), value), expected);
    }
    EXPECT_EQ(
        FormatGeneralDate(QLocale(QLocale::English, QLocale::UnitedStates), At(2024, 3, 5, 6, 12)),
        "3/5/2024 6:12:00 AM");
}

TEST(SunTimeFormat, OtherLocalesUseTheirOwnFormsWithTheFullYear) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(FormatGeneralDate(german, At(2024, 3, 5, 18, 45)), "05.03.2024 18:45:00");
    EXPECT_EQ(FormatGeneralDate(german, At(1924, 3, 5, 0, 0)), "05.03.1924");
    const DateTimeFormatter british =
        LocaleDateTimeFormatter(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(british(At(2024, 3, 5, 6, 58)), "05/03/2024 06:58:00");
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
