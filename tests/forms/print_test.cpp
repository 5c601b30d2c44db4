// SPDX-License-Identifier: GPL-3.0-or-later
// Print and Save as PDF of the periods window for the 5 March 2024 example, in
// English and in Gujarati: the PDF read back with pdftotext holds every date of
// the month and the day's sixteen period names, one page per week, with its
// fonts embedded; Print previews the same pages.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>

#include "forms/frm_periods.h"
#include "forms/periods_tables.h"
#include "forms/print_periods.h"
#include "forms/result_texts.h"
#include "forms_test_support.h"
#include "planning/almanac.h"
#include "planning/listing.h"
#include "ui/language.h"

namespace velnora::test {
namespace {

// The output of a poppler tool over `pdf`, which must succeed.
QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The words of the file, each run of blanks and line ends one blank, the pages
// still parted by form feeds.
QString TextOf(const QString& pdf) {
    QString text =
        Poppler(QStringLiteral("pdftotext"),
                {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    return text.replace(QRegularExpression(QStringLiteral("[ \\n]+")), QStringLiteral(" "));
}

// Every font of the file embedded: pdffonts' "emb" column says "yes" on each row.
void ExpectFontsEmbedded(const QString& pdf) {
    const QStringList rows =
        Poppler(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(rows.isEmpty());
    for (const QString& row : rows) {
        const QStringList columns = row.split(QRegularExpression(QStringLiteral("\\s+")));
        // name type... encoding emb sub uni object ID
        ASSERT_GE(columns.size(), 6) << row.toStdString();
        EXPECT_EQ(columns[columns.size() - 5], "yes") << row.toStdString();
    }
}

class PrintTest : public WindowsFixture, public ::testing::WithParamInterface<const char*> {
protected:
    // The example typed in English, then the periods window opened in the language.
    void SetUp() override {
        WindowsFixture::SetUp();
        enterExample();
        const QString language = QString::fromLatin1(GetParam());
        if (language != QLatin1String("en")) {
            translation_ = std::make_unique<Translation>();
            ASSERT_TRUE(translation_->install(language));
        }
        trigger(main(), "mnuPeriods");
        ASSERT_NE(windows.periods(), nullptr);
    }
    void TearDown() override {
        WindowsFixture::TearDown();
        translation_.reset();
        QLocale::setDefault(QLocale::system());
    }
    static bool english() { return GetParam() == std::string("en"); }
    // Saves the range as PDF from the window; the path written.
    QString save(PrintRange range, const QString& name) {
        printDialogs.choice = PrintChoice{range, false};
        printDialogs.file = dir_.filePath(name);
        click(windows.periods(), "cmdSavePdf");
        return printDialogs.file;
    }

    QTemporaryDir dir_;
    std::unique_ptr<Translation> translation_;
};

TEST_P(PrintTest, DayAndMonthReadBackFromThePdf) {
    const QString day = save(PrintRange::Day, QStringLiteral("day.pdf"));
    ASSERT_TRUE(QFile::exists(day)) << boxes.texts().join(u'|').toStdString();
    EXPECT_TRUE(boxes.texts().constLast().contains(day)) << "says where it was written";
    const QString dayText = TextOf(day);
    EXPECT_EQ(dayText.count(u'\f'), 1) << "one page";
    const DayListing listing =
        ListDay({std::get<EvaluationInput>(ReadForm(main()->values())), {}}, {2024, 3, 5});
    ASSERT_FALSE(listing.failure);
    int marked = 0;
    std::vector<Period> periods(listing.day.begin(), listing.day.end());
    periods.insert(periods.end(), listing.night.begin(), listing.night.end());
    for (const Period& p : periods) {
        EXPECT_TRUE(dayText.contains(PeriodText(p.name))) << PeriodText(p.name).toStdString();
        EXPECT_TRUE(dayText.contains(ClockText(p.start.time())))
            << ClockText(p.start.time()).toStdString();
        const Marks marks = MarksOfPeriod(p, listing.date);
        for (const Mark mark : kAllMarks) {
            // A word with the vowel sign i (ગુલિક) comes back in the order its
            // glyphs are drawn, the sign before its letter: English only.
            if (marks.Has(mark) && english()) {
                EXPECT_TRUE(dayText.contains(MarkText(mark))) << MarkText(mark).toStdString();
                ++marked;
            }
        }
    }
    if (english()) {
        EXPECT_GT(marked, 0) << "a Tuesday's periods carry marks";
        EXPECT_TRUE(dayText.contains(MidnightText({2024, 3, 6}))) << "the night's new date";
    }
    EXPECT_TRUE(dayText.contains(DateOfWorkText({2024, 3, 5})));
    EXPECT_TRUE(dayText.contains(QStringLiteral("Ahmedabad, Gujarat, India")));
    EXPECT_TRUE(dayText.contains(QStringLiteral("UTC+05:30")));
    ExpectFontsEmbedded(day);

    const QString month = save(PrintRange::Month, QStringLiteral("month.pdf"));
    ASSERT_TRUE(QFile::exists(month));
    const QString monthText = TextOf(month);
    EXPECT_EQ(monthText.count(u'\f'), 6) << "25 February to 6 April: six weeks";
    for (int d = 1; d <= 31; ++d) {
        const QString date = DateOfWorkText({2024, 3, d});
        EXPECT_TRUE(monthText.contains(date)) << date.toStdString();
    }
    for (const Date outside : {Date{2024, 2, 29}, Date{2024, 4, 1}}) {
        EXPECT_FALSE(monthText.contains(DateOfWorkText(outside))) << "days outside are blank";
    }
    for (const Mark mark : kAllMarks) {
        if (english()) {
            EXPECT_TRUE(monthText.contains(MarkText(mark))) << "the legend's words";
        }
    }
    ExpectFontsEmbedded(month);

    // Print previews the same pages.
    printDialogs.choice = PrintChoice{PrintRange::Month, false};
    click(windows.periods(), "cmdPrint");
    ASSERT_FALSE(printDialogs.previewed.isEmpty());
    const QString previewed = dir_.filePath(QStringLiteral("preview.pdf"));
    QFile file(previewed);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(printDialogs.previewed);
    file.close();
    EXPECT_EQ(TextOf(previewed), monthText);
}

INSTANTIATE_TEST_SUITE_P(Languages, PrintTest, ::testing::Values("en", "gu"),
                         [](const auto& language) { return std::string(language.param); });

}  // namespace
}  // namespace velnora::test
