// SPDX-License-Identifier: GPL-3.0-or-later
// Searching the gazetteer: the excerpt's places, the world's, and the folding of
// what is typed.
#include "places/places.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <stdexcept>

#include "places/fold.h"
#include "support/test_support.h"

namespace velnora::places {
namespace {

// --- Searching the index built from the committed excerpt of the dump --------

const Gazetteer& Excerpt() {
    static const std::unique_ptr<Gazetteer> g =
        Gazetteer::Open(QStringLiteral(VELNORA_EXCERPT_INDEX));
    if (!g) throw std::runtime_error("no excerpt index at " VELNORA_EXCERPT_INDEX);
    return *g;
}

// The parts of a place the search fills, as a line: "Bangalore (Bengaluru),
// Karnataka, India".
QString Described(const Place& p) {
    QString r = p.typedName.isEmpty() ? p.city : p.typedName + QStringLiteral(" (") + p.city + u')';
    for (const QString& part : {p.state, p.country}) {
        if (!part.isEmpty()) r += QStringLiteral(", ") + part;
    }
    return r;
}

struct TakeRow {
    const char* name;
    const char* text;
    const char *city, *state, *country;
};

class Takes : public ::testing::TestWithParam<TakeRow> {};

TEST_P(Takes, TheOnePlaceTheTextNames) {
    const TakeRow& row = GetParam();
    const SearchResult found = Excerpt().Search(QString::fromUtf8(row.text));
    EXPECT_EQ(found.outcome, SearchOutcome::Found) << row.text;
    ASSERT_FALSE(found.places.isEmpty()) << row.text;
    EXPECT_EQ(found.places.front().city, QString::fromUtf8(row.city));
    EXPECT_EQ(found.places.front().state, QString::fromUtf8(row.state));
    EXPECT_EQ(found.places.front().country, QString::fromUtf8(row.country));
}

INSTANTIATE_TEST_SUITE_P(
    Excerpt, Takes,
    ::testing::Values(
        TakeRow{"from_the_form", "Pune Maharashtra India Latitude Longitude", "Pune", "Maharashtra",
                "India"},
        TakeRow{"old_name_is_a_whole_word_not_a_prefix", "Poona Maharashtra India", "Pune",
                "Maharashtra", "India"},
        TakeRow{"old_name", "Bombay Maharashtra India", "Mumbai", "Maharashtra", "India"},
        TakeRow{"city_with_a_blank", "Navi Mumbai Maharashtra India", "Navi Mumbai", "Maharashtra",
                "India"},
        TakeRow{"state_code_and_typed_country", "Washington DC USA", "Washington",
                "District of Columbia", "United States"},
        TakeRow{"state_code_picks_namesake", "Santa Clara CA", "Santa Clara", "California",
                "United States"},
        TakeRow{"country_picks_namesake", "Santa Clara Cuba", "Santa Clara", "Villa Clara Province",
                "Cuba"},
        TakeRow{"state_picks_namesake", "Springfield Illinois United States", "Springfield",
                "Illinois", "United States"},
        TakeRow{"country_picks_namesake_uk", "Perth UK", "Perth", "Scotland", "United Kingdom"},
        TakeRow{"city_state_typed_three_times", "Singapore Singapore Singapore", "Singapore",
                "Central Singapore", "Singapore"},
        TakeRow{"city_state_alone", "Singapore", "Singapore", "Central Singapore", "Singapore"},
        TakeRow{"accents_typed_without", "Sao Paulo Sao Paulo Brazil", "São Paulo", "São Paulo",
                "Brazil"},
        TakeRow{"accents_typed_without_in_the_name", "Zurich Switzerland", "Zürich", "Zurich",
                "Switzerland"},
        TakeRow{"case_ignored", "pUNE mAHARASHTRA iNDIA", "Pune", "Maharashtra", "India"}),
    [](const ::testing::TestParamInfo<TakeRow>& test) { return std::string(test.param.name); });

// --- Searching the whole world's index the build makes ------------------------

// Kilometres between two positions on a sphere of the Earth's mean radius.
double Kilometres(double lat1, double lon1, double lat2, double lon2) {
    constexpr double kRadians = 3.14159265358979323846 / 180;
    const double a = std::pow(std::sin((lat2 - lat1) * kRadians / 2), 2) +
                     std::cos(lat1 * kRadians) * std::cos(lat2 * kRadians) *
                         std::pow(std::sin((lon2 - lon1) * kRadians / 2), 2);
    return 2 * 6371.0 * std::asin(std::sqrt(a));
}

struct WorldRow {
    const char* name;
    const char* text;
    bool taken;         // taken, or refused naming the place meant
    double lat, lon;    // where the place meant is
    const char* state;  // the division the place taken carries, when taken
};

class World : public ::testing::TestWithParam<WorldRow> {};

TEST_P(World, TakesThePlaceMeantOrRefusesNamingIt) {
    static const std::unique_ptr<Gazetteer> world =
        Gazetteer::Open(QStringLiteral(VELNORA_WORLD_INDEX));
    ASSERT_NE(world, nullptr) << "no index at " VELNORA_WORLD_INDEX;
    const WorldRow& row = GetParam();
    const SearchResult found = world->Search(QString::fromUtf8(row.text));
    ASSERT_FALSE(found.places.isEmpty()) << row.text;
    const Place& first = found.places.front();
    const bool taken =
        found.outcome == SearchOutcome::Found || found.outcome == SearchOutcome::Ambiguous;
    EXPECT_EQ(taken, row.taken) << row.text << ": " << Described(first).toStdString();
    EXPECT_LT(Kilometres(first.latitude, first.longitude, row.lat, row.lon), 10)
        << row.text << ": " << Described(first).toStdString();
    if (row.taken) {
        EXPECT_EQ(first.state, QString::fromUtf8(row.state)) << row.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Typed, World,
    ::testing::Values(
        // A place's name before a country's word.
        WorldRow{"salvador_not_el_salvador", "Salvador", true, -12.97, -38.49, "Bahia"},
        WorldRow{"helena_not_saint_helena", "Helena", true, 46.59, -112.04, "Montana"},
        // Articles of a typed state are no country codes.
        WorldRow{"havana_la_habana", "Havana, La Habana, Cuba", true, 23.13, -82.38, "Havana"},
        WorldRow{"cairo_al_qahirah", "Cairo, Al Qāhirah, Egypt", true, 30.06, 31.25, "Cairo"},
        // A division word of another country says nothing.
        WorldRow{"hythe_hampshire", "Hythe, Hampshire, United Kingdom", true, 50.86, -1.40,
                 "England"},
        WorldRow{"nairobi_city", "Nairobi, Nairobi City, Kenya", true, -1.28, 36.82,
                 "Nairobi County"},
        // A whole name before a run of words found inside another's name.
        WorldRow{"deyang_sichuan", "Deyang, Sichuan, China", true, 31.13, 104.38, "Sichuan"},
        // Division names of the dump's own snapshot.
        WorldRow{"hanoi_hanoi", "Hanoi, Hanoi, Vietnam", true, 21.02, 105.84, "Hanoi"},
        // A second-level division of the place's own country rules out a namesake.
        WorldRow{"loughton_essex", "Loughton, Essex, United Kingdom", false, 52.01, -0.78, ""},
        WorldRow{"rothwell_leeds", "Rothwell, Leeds, United Kingdom", false, 52.42, -0.80, ""},
        // Every apostrophe alike; a capital without population before a namesake
        // found by another name.
        WorldRow{"left_quotation_mark", "Shefar‘am", true, 32.81, 35.17, "Northern District"},
        WorldRow{"seat_without_population", "Kāshān", true, 34.00, 51.44, "Isfahan"},
        WorldRow{"hyphen_as_one_word", "Higashihiroshima", true, 34.41, 132.74, "Hiroshima"},
        // Names, states and countries in the script of the windows.
        WorldRow{"devanagari", "अहमदाबाद", true, 23.03, 72.59, "Gujarat"},
        WorldRow{"devanagari_anusvara", "मुंबई", true, 19.07, 72.88, "Maharashtra"},
        WorldRow{"gujarati_state_country", "અમદાવાદ ગુજરાત ભારત", true, 23.03, 72.59, "Gujarat"},
        WorldRow{"hindi_state_country", "जयपुर राजस्थान भारत", true, 26.92, 75.79, "Rajasthan"},
        // A country's whole name explains its short words.
        WorldRow{"new_zealand", "Wellington, New Zealand", true, -41.29, 174.78,
                 "Wellington Region"},
        WorldRow{"auckland_twice", "Auckland, Auckland, New Zealand", true, -36.85, 174.76,
                 "Auckland"},
        WorldRow{"sri_lanka", "Kandy, Sri Lanka", true, 7.29, 80.63, "Central Province"},
        WorldRow{"sri_lanka_capital", "Colombo, Sri Lanka", true, 6.94, 79.85, "Western Province"},
        WorldRow{"papua_new_guinea", "Port Moresby, Papua New Guinea", true, -9.48, 147.15,
                 "National Capital"},
        WorldRow{"viet_nam", "Hanoi, Viet Nam", true, 21.02, 105.84, "Hanoi"},
        // A state word alone, part of another division's name, says nothing.
        WorldRow{"state_word_of_another_division", "merauke papua selatan indonesia", true, -8.50,
                 140.41, "South Papua"},
        // No second-level code is no contradiction.
        WorldRow{"no_second_level_code", "Riyadh, Ar Riyāḑ, Saudi Arabia", true, 24.69, 46.72,
                 "Riyadh Region"},
        WorldRow{"state_as_people_type_it", "Washington, District of Columbia", true, 38.90, -77.04,
                 "Washington, D.C."},
        // A city's short name is its own; a neighbourhood's name weighs no more.
        WorldRow{"seat_before_neighbourhood", "Santa Cruz", true, -17.79, -63.18,
                 "Santa Cruz Department"},
        // Another name, or words inside a longer one, are not taken with commas.
        WorldRow{"other_name_with_commas", "Glenville, New York", false, 43.31, -73.64, ""},
        WorldRow{"words_inside_a_name_with_commas", "Poblacion, Cebu", false, 9.43, 123.34, ""}),
    [](const ::testing::TestParamInfo<WorldRow>& test) { return std::string(test.param.name); });

TEST(World, LeftOverCityWordsAreNotTakenSilently) {
    const std::unique_ptr<Gazetteer> world = Gazetteer::Open(QStringLiteral(VELNORA_WORLD_INDEX));
    ASSERT_NE(world, nullptr);
    EXPECT_EQ(world->Search(QStringLiteral("Las Condes, Región Metropolitana, Chile")).outcome,
              SearchOutcome::Partial);
    const SearchResult alone = world->Search(QStringLiteral("Las Condes"));
    EXPECT_NE(alone.outcome, SearchOutcome::Contradicted);
    EXPECT_NE(alone.outcome, SearchOutcome::Found);
}

QStringList Described(const QList<Place>& places) {
    QStringList r;
    for (const Place& p : places) r << Described(p);
    return r;
}

TEST(Search, EqualMatchesAreAmbiguousMostPopulousFirst) {
    const SearchResult springfield = Excerpt().Search(QStringLiteral("Springfield"));
    EXPECT_EQ(springfield.outcome, SearchOutcome::Ambiguous);
    EXPECT_EQ(springfield.equallyGood, 4);
    EXPECT_EQ(
        Described(springfield.places),
        (QStringList{
            "Springfield, Missouri, United States", "Springfield, Massachusetts, United States",
            "Springfield, Illinois, United States", "Springfield, Oregon, United States"}));
    // An old name and a village of that name match equally; the city comes first.
    const SearchResult poona = Excerpt().Search(QStringLiteral("Poona"));
    EXPECT_EQ(poona.outcome, SearchOutcome::Ambiguous);
    EXPECT_EQ(Described(poona.places),
              (QStringList{"Poona (Pune), Maharashtra, India", "Poona, Queensland, Australia"}));
}

TEST(Search, APlaceFoundByItsOwnNameOutweighsALargerOneFoundByAnAlternate) {
    // Delhi, 34 times larger, lists "New Delhi" among its other names.
    const SearchResult found = Excerpt().Search(QStringLiteral("New Delhi India"));
    EXPECT_EQ(found.outcome, SearchOutcome::Ambiguous);
    EXPECT_EQ(Described(found.places),
              (QStringList{"New Delhi, Delhi, India", "New Delhi (Delhi), Delhi, India"}));
}

TEST(Search, TypedWordsThatFitNoCandidateRefuse) {
    const SearchResult found = Excerpt().Search(QStringLiteral("Pune Queensland Australia"));
    EXPECT_EQ(found.outcome, SearchOutcome::Contradicted);
    EXPECT_EQ(Described(found.places), QStringList{"Pune, Maharashtra, India"});
    EXPECT_EQ(found.against, QStringList{"australia"});
    // The country fits, but the state typed is another one of it.
    const SearchResult state = Excerpt().Search(QStringLiteral("Pune Karnataka India"));
    EXPECT_EQ(state.outcome, SearchOutcome::Contradicted);
    EXPECT_EQ(Described(state.places), QStringList{"Pune, Maharashtra, India"});
    // A word that names no division or country contradicts nothing, but is named.
    const SearchResult typo = Excerpt().Search(QStringLiteral("Pune Maharastra India"));
    EXPECT_EQ(typo.outcome, SearchOutcome::Found);
    EXPECT_EQ(typo.passedOver, QStringList{"maharastra"});
}

TEST(Search, ANameALetterOrTwoOffIsOfferedNotTaken) {
    const SearchResult bangalore = Excerpt().Search(QStringLiteral("Banglore Karnataka India"));
    EXPECT_EQ(bangalore.outcome, SearchOutcome::NearMiss);
    ASSERT_FALSE(bangalore.places.isEmpty());
    EXPECT_EQ(Described(bangalore.places.front()), u"Bangalore (Bengaluru), Karnataka, India");
    const SearchResult kolkata = Excerpt().Search(QStringLiteral("Kolkatta"));
    EXPECT_EQ(kolkata.outcome, SearchOutcome::NearMiss);
    ASSERT_FALSE(kolkata.places.isEmpty());
    EXPECT_EQ(Described(kolkata.places.front()), u"Kolkata, West Bengal, India");
}

TEST(Search, ACountryAloneIsNoPlaceAndNothingMatchesNothing) {
    // Not Indianapolis, nor Inđija or the Gambian village whose other name is India.
    EXPECT_EQ(Excerpt().Search(QStringLiteral("India")).outcome, SearchOutcome::NoMatch);
    EXPECT_EQ(Excerpt().Search(QStringLiteral("Xqzvbnt Nowhere Land Latitude Longitude")).outcome,
              SearchOutcome::NoMatch);
    EXPECT_TRUE(Excerpt().Search(QStringLiteral(" Latitude Longitude")).places.isEmpty());
    EXPECT_TRUE(Excerpt().Search(QStringLiteral("   ")).places.isEmpty());
    EXPECT_EQ(Excerpt().Search(QStringLiteral("Springfield"), 2).places.size(), 2);
}

TEST(Search, ADistrictNoPlaceIsNamedAfterIsItsLargestPlace) {
    const SearchResult found = Excerpt().Search(QStringLiteral("Sangamon County, Illinois"));
    ASSERT_EQ(found.outcome, SearchOutcome::Found);
    EXPECT_EQ(found.places.front().standsFor, u"Sangamon County");
    EXPECT_EQ(Described(found.places.front()), u"Springfield, Illinois, United States");
    // Only by the whole name: "Pune" is not also the largest place of "Pune Division".
    EXPECT_EQ(Excerpt().Search(QStringLiteral("Pune")).places.size(), 1);
}

TEST(Search, CarriesPositionZoneAndPopulation) {
    const SearchResult found = Excerpt().Search(QStringLiteral("Pune Maharashtra India"));
    ASSERT_FALSE(found.places.isEmpty());
    const Place& pune = found.places.front();
    EXPECT_EQ(pune.timeZoneId, u"Asia/Kolkata");
    EXPECT_EQ(pune.countryCode, u"IN");
    EXPECT_NEAR(pune.latitude, 18.51957, 1e-5);
    EXPECT_NEAR(pune.longitude, 73.85535, 1e-5);
    EXPECT_EQ(pune.population, 3124458);
    // Every row of the excerpt, and the 21 districts that no row is named after.
    EXPECT_EQ(Excerpt().size(), 32 + 21);
}

TEST(Fold, DropsCaseAccentsAndPunctuation) {
    EXPECT_EQ(Fold(QStringLiteral("São Paulo")), u"sao paulo");
    EXPECT_EQ(Fold(QStringLiteral("  Winston-Salem ")), u"winston salem");
    EXPECT_EQ(Fold(QStringLiteral("St. Louis")), u"saint louis");
    EXPECT_EQ(Fold(QStringLiteral("Washington, D.C.")), u"washington dc");
    EXPECT_EQ(Fold(QStringLiteral("Straße Łódź Ærø")), u"strasse lodz aero");
    EXPECT_EQ(Fold(QStringLiteral("Côte d'Azur")), u"cote dazur");
    // Other scripts keep their letters and vowel signs, not a nukta or a joiner.
    EXPECT_EQ(Fold(QStringLiteral("मुम़बई")), u"मुमबई");
    EXPECT_EQ(Fold(QStringLiteral("कोल\u200Cकाता")), u"कोलकाता");
    EXPECT_EQ(Fold(QStringLiteral("Ahmedabad - અમદાવાદ")), u"ahmedabad અમદાવાદ");
    EXPECT_EQ(Fold(QStringLiteral("Москва")), u"москва");
}

TEST(StripCoordinateSuffix, OnlyAtTheEnd) {
    EXPECT_EQ(StripCoordinateSuffix(QStringLiteral("Pune Maharashtra India Latitude Longitude")),
              u"Pune Maharashtra India");
    EXPECT_EQ(StripCoordinateSuffix(QStringLiteral("Latitude Longitude Pune")),
              u"Latitude Longitude Pune");
}

}  // namespace
}  // namespace velnora::places
