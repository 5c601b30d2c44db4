// SPDX-License-Identifier: GPL-3.0-or-later
// frmLookup, "Find Latitude & Longitude": the places the offline gazetteer
// found for the main form's city, state and country, best first, each with its
// position in the form's degrees, minutes and hemisphere, its time zone in the
// form's hours and minutes and the dates of daylight saving time. It says when
// the text named several places equally, when none of them is in the state or
// country typed, and which name was meant when one was misspelt. The user reads
// or copies the values (Enter or a double-click copies a row's values as the
// form takes them) and types them into the main form; this window has no access
// to it. "Search the Web" hands the web search for the same text to the link
// opener; "Periods of the Day Here" asks for the chosen place's periods at the
// present moment on its own clocks (periodsHereRequested), still writing nothing
// into the form.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>

#include "places/places.h"

class QAction;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTableWidget;

namespace velnora {

// The window lists at most this many places.
inline constexpr int kMostPlaces = 20;

class LinkOpener;

class LookupWindow : public QWidget {
    Q_OBJECT
public:
    // Columns of lstPlaces.
    enum Column {
        kCity,
        kState,
        kCountry,
        kLatitude,
        kLongitude,
        kZone,
        kOffset,
        kDaylight,
        kDaylightPeriod,
        kColumns
    };

    // `year` picks the daylight-saving rules shown for each zone.
    LookupWindow(LinkOpener& links, QDate year, QWidget* parent = nullptr);
    void setYear(QDate year) { year_ = year; }

    // Lists the places found (the first kMostPlaces) with what the search
    // decided, or says that nothing matched.
    void ShowMatches(const QString& searchText, const places::SearchResult& found);
    // Says that the lookup failed; only the web search is left.
    void ShowFailure(const QString& searchText, const QString& reason);
    // Why the list of places cannot be used, in the windows' language.
    static QString ProblemText(const places::IndexProblem& problem);

Q_SIGNALS:
    void periodsHereRequested(const velnora::places::Place& place);

protected:
    void keyPressEvent(QKeyEvent* event) override;  // Escape closes the window

private:
    void StartSearch(const QString& searchText);
    void cmdSearchWeb_Click();
    void CopySelection();
    void CopyRow(int row);
    // "Periods of the Day Here" is there for a chosen place whose clocks are known.
    void ChosenRowChanged(int row);

    LinkOpener& links_;
    QDate year_;
    QString searchText_;
    QList<places::Place> shown_;
    QLabel* lblSearch_ = nullptr;
    QLabel* lblConvention_ = nullptr;
    QLabel* lblCopied_ = nullptr;
    QLabel* lblCredit_ = nullptr;
    QLabel* lblNoMatch_ = nullptr;
    QTableWidget* lstPlaces_ = nullptr;
    QAction* mnuCopy_ = nullptr;
    QPushButton* cmdPeriodsHere_ = nullptr;
    QPushButton* cmdSearchWeb_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

}  // namespace velnora
