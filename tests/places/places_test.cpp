// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/places.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <future>
#include <memory>
#include <stdexcept>
#include <thread>

#include "places/fold.h"
#include "places/index_format.h"
#include "places/zone_clock.h"

// Readable failure messages for Qt strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

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

QByteArray ExcerptBytes() {
    QFile whole(QStringLiteral(VELNORA_EXCERPT_INDEX));
    if (!whole.open(QIODevice::ReadOnly)) throw std::runtime_error("no excerpt index");
    return whole.readAll();
}

using Problem = IndexProblem::Kind;

// Opens `bytes` written to a temporary file; the kind of problem it was refused
// for, or nothing.
std::optional<Problem> Refusal(const QByteArray& bytes) {
    QTemporaryFile file;
    if (!file.open()) throw std::runtime_error("no temporary file");
    file.write(bytes);
    file.flush();
    IndexProblem why;
    if (Gazetteer::Open(file.fileName(), &why)) return std::nullopt;
    EXPECT_EQ(why.path, file.fileName());
    return why.kind;
}

TEST(Gazetteer, RefusesAnIndexItCannotTrust) {
    IndexProblem why;
    EXPECT_EQ(Gazetteer::Open(QStringLiteral("/nonexistent/gazetteer.idx"), &why), nullptr);
    EXPECT_EQ(why.kind, Problem::Unreadable);
    EXPECT_EQ(why.path, u"/nonexistent/gazetteer.idx");

    // A FIFO would block a plain open until a writer came.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath(QStringLiteral("gazetteer.idx"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    auto opening = std::async(std::launch::async, [&fifo] {
        IndexProblem fifoWhy;
        const bool refused = Gazetteer::Open(fifo, &fifoWhy) == nullptr;
        return std::pair{refused, fifoWhy.kind};
    });
    if (opening.wait_for(std::chrono::seconds(60)) == std::future_status::timeout) {
        ADD_FAILURE() << "opening a FIFO waits for a writer";
        // A writer lets the waiting open go, so that the test ends.
        const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY);
        if (writer >= 0) ::close(writer);
    }
    EXPECT_EQ(opening.get(), std::pair(true, Problem::Unreadable));

    const QByteArray whole = ExcerptBytes();
    EXPECT_EQ(Refusal(whole.left(200)), Problem::Damaged);  // the tables lie past the end

    // A zone id that climbs out of the zone folder.
    QByteArray climbing = whole;
    const qsizetype zone = climbing.indexOf(QByteArrayLiteral("Asia/Kolkata"));
    ASSERT_GE(zone, 0);
    climbing.replace(zone, 12, QByteArrayLiteral("../../../etc"));
    EXPECT_EQ(Refusal(climbing), Problem::Damaged);

    // Over 4 GiB (sparse), with a string pool whose end, summed in 32 bits,
    // wraps to the pool's real last byte, a NUL.
    QTemporaryFile large;
    ASSERT_TRUE(large.open());
    QByteArray header = whole.left(sizeof(index::Header));
    index::Header h;
    std::memcpy(&h, header.constData(), sizeof h);
    h.stringsAt = static_cast<uint32_t>((uint64_t{1} << 32) - 4096);
    h.stringsSize = static_cast<uint32_t>(4096 + whole.size());
    std::memcpy(header.data(), &h, sizeof h);
    large.write(header);
    large.write(whole.mid(sizeof h));
    ASSERT_TRUE(large.resize((qint64{1} << 32) + whole.size() + 4096));
    large.flush();
    EXPECT_EQ(Gazetteer::Open(large.fileName(), &why), nullptr);
    EXPECT_EQ(why.kind, Problem::Damaged);
}

TEST(Gazetteer, FollowsTheFileWhenItIsReplacedOrRewritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("gazetteer.idx"));
    const QByteArray whole = ExcerptBytes();
    const auto write = [&](const QString& to, const QByteArray& bytes) {
        QFile f(to);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    };
    write(path, whole);
    const std::unique_ptr<Gazetteer> g = Gazetteer::Open(path);
    ASSERT_NE(g, nullptr);
    const auto pune = [&] { return g->Search(QStringLiteral("Pune India")).places.size(); };
    ASSERT_EQ(pune(), 1);

    // Rewritten in place, shorter: the old mapping would reach past its end.
    write(path, whole.left(100));
    IndexProblem why;
    EXPECT_FALSE(g->Refresh(&why));
    EXPECT_EQ(why.kind, Problem::Damaged);
    EXPECT_EQ(pune(), 0);

    // Renamed into place, as an install does.
    write(path + QStringLiteral(".new"), whole);
    ASSERT_EQ(std::rename(QFile::encodeName(path + QStringLiteral(".new")).constData(),
                          QFile::encodeName(path).constData()),
              0);
    EXPECT_EQ(pune(), 1);
    EXPECT_EQ(g->size(), 32 + 21);
}

// A copy over the index (cut short, then written in full again, over and over)
// while searches run: each search answers from the whole file or finds the
// index damaged, and none brings the process down.
TEST(Gazetteer, AnIndexRewrittenUnderASearchIsDamagedNotACrash) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("gazetteer.idx"));
    QFile world(QStringLiteral(VELNORA_WORLD_INDEX));  // pages enough for a search to span
    ASSERT_TRUE(world.open(QIODevice::ReadOnly));
    const QByteArray whole = world.readAll();
    const auto copyOver = [&](qsizetype bytes) {
        const int fd = ::open(QFile::encodeName(path).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) return;
        for (qsizetype done = 0; done < bytes;) {
            const ssize_t n =
                ::write(fd, whole.constData() + done, static_cast<std::size_t>(bytes - done));
            if (n <= 0) break;
            done += n;
        }
        ::close(fd);
    };
    copyOver(whole.size());
    const std::unique_ptr<Gazetteer> g = Gazetteer::Open(path);
    ASSERT_NE(g, nullptr);

    std::atomic<bool> stop{false};
    std::thread copier([&] {
        // The file stays whole for a moment of varying length, so that searches
        // begin on it and the next copy, which first cuts it to nothing, lands in
        // the middle of one.
        for (int i = 0; !stop.load(); ++i) {
            std::this_thread::sleep_for(std::chrono::microseconds(i % 7 * 40));
            copyOver(whole.size());
        }
    });
    int answered = 0, damaged = 0;
    const QDeadlineTimer deadline(60000);
    while ((answered < 100 || damaged < 100) && !deadline.hasExpired()) {
        const SearchResult found = g->Search(QStringLiteral("Pune Maharashtra India"));
        IndexProblem why;
        if (g->Intact(&why)) {
            EXPECT_EQ(found.places.size(), 1);
            ++answered;
        } else {
            EXPECT_EQ(why.kind, Problem::Damaged);
            ++damaged;
        }
    }
    stop.store(true);
    copier.join();
    EXPECT_GE(damaged, 100) << "too few searches saw the file change within a minute";
    EXPECT_GE(answered, 100) << "too few searches read the whole file within a minute";
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

// --- Degrees and minutes --------------------------------------------------------

struct AngleRow {
    const char* name;
    double angle;
    bool latitude;
    int degrees, minutes;
    Hemisphere hemisphere;
};

class Angles : public ::testing::TestWithParam<AngleRow> {};

TEST_P(Angles, ConvertToDegreesMinutesAndHemisphere) {
    const AngleRow& row = GetParam();
    EXPECT_EQ(ToDegreesMinutes(row.angle, row.latitude),
              (Angle{row.degrees, row.minutes, row.hemisphere}));
}

INSTANTIATE_TEST_SUITE_P(
    Conversion, Angles,
    ::testing::Values(
        AngleRow{"pune_latitude", 18.5196, true, 18, 31, Hemisphere::North},
        AngleRow{"pune_longitude", 73.8554, false, 73, 51, Hemisphere::East},
        AngleRow{"south", -23.5475, true, 23, 33, Hemisphere::South},
        AngleRow{"west", -46.6361, false, 46, 38, Hemisphere::West},
        AngleRow{"minutes_round_down", 10.2416, true, 10, 14, Hemisphere::North},
        AngleRow{"minutes_round_up", 10.2417, true, 10, 15, Hemisphere::North},
        AngleRow{"sixty_minutes_carry_north", 18.9999, true, 19, 0, Hemisphere::North},
        AngleRow{"sixty_minutes_carry_west", -122.9951, false, 123, 0, Hemisphere::West},
        AngleRow{"rounds_to_zero_south_is_north", -0.004, true, 0, 0, Hemisphere::North},
        AngleRow{"rounds_to_zero_west_is_east", -0.004, false, 0, 0, Hemisphere::East},
        AngleRow{"far_west", -179.99, false, 179, 59, Hemisphere::West}),
    [](const ::testing::TestParamInfo<AngleRow>& test) { return std::string(test.param.name); });

// --- Zone offsets in the program's convention -----------------------------------

TEST(FromSecondsEast, WestPositiveMinutesCarryTheSign) {
    EXPECT_EQ(FromSecondsEast(19800), (ZoneOffset{-5, -30}));  // India
    EXPECT_EQ(FromSecondsEast(-12600), (ZoneOffset{3, 30}));   // Newfoundland
    EXPECT_EQ(FromSecondsEast(20700), (ZoneOffset{-5, -45}));  // Nepal
    EXPECT_EQ(FromSecondsEast(-18000), (ZoneOffset{5, 0}));
    EXPECT_EQ(FromSecondsEast(0), (ZoneOffset{0, 0}));
    EXPECT_EQ(FromSecondsEast(19770), (ZoneOffset{-5, -30}));  // seconds round to minutes
}

struct ZoneRow {
    const char* name;
    const char* zone;
    ZoneOffset standard;
    std::optional<ZoneOffset> daylight;
};

class Zones : public ::testing::TestWithParam<ZoneRow> {};

TEST_P(Zones, StandardAndDaylightOffsets) {
    const ZoneRow& row = GetParam();
    const auto texts = ZoneTextsFor(QString::fromUtf8(row.zone), QDate(2026, 5, 1));
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->standard, row.standard);
    EXPECT_EQ(texts->daylight, row.daylight);
}

INSTANTIATE_TEST_SUITE_P(
    ByZone, Zones,
    ::testing::Values(
        ZoneRow{"half_hour_east", "Asia/Kolkata", {-5, -30}, std::nullopt},
        ZoneRow{"west_without_daylight", "America/Phoenix", {7, 0}, std::nullopt},
        ZoneRow{"west_with_daylight", "America/New_York", {5, 0}, ZoneOffset{4, 0}},
        ZoneRow{"east_with_daylight", "Europe/Berlin", {-1, 0}, ZoneOffset{-2, 0}},
        ZoneRow{
            "south_with_daylight_half_hour", "Australia/Adelaide", {-9, -30}, ZoneOffset{-10, -30}},
        ZoneRow{"half_hour_west_with_daylight", "America/St_Johns", {3, 30}, ZoneOffset{2, 30}}),
    [](const ::testing::TestParamInfo<ZoneRow>& test) { return std::string(test.param.name); });

TEST(ZoneTextsFor, DaylightDatesNorthAndSouthOfTheEquator) {
    const auto york = ZoneTextsFor(QStringLiteral("America/New_York"), QDate(2026, 5, 1));
    EXPECT_EQ(york->daylightStart, QDate(2026, 3, 8));
    EXPECT_EQ(york->daylightEnd, QDate(2026, 11, 1));
    // South of the equator the end comes first in the year.
    const auto adelaide = ZoneTextsFor(QStringLiteral("Australia/Adelaide"), QDate(2026, 5, 1));
    EXPECT_EQ(adelaide->daylightStart, QDate(2026, 10, 4));
    EXPECT_EQ(adelaide->daylightEnd, QDate(2026, 4, 5));
    const auto kolkata = ZoneTextsFor(QStringLiteral("Asia/Kolkata"), QDate(2026, 5, 1));
    EXPECT_FALSE(kolkata->daylight.has_value());
    EXPECT_FALSE(kolkata->daylightStart.isValid());
    EXPECT_FALSE(kolkata->daylightEnd.isValid());
}

TEST(ZoneTextsFor, UnknownZone) {
    EXPECT_FALSE(ZoneTextsFor(QStringLiteral("Nowhere/Atlantis"), QDate(2026, 1, 1)).has_value());
}

TEST(ZoneClock, OffsetFollowsDaylightSavingAtTheLocalTime) {
    const ZoneClock ny("America/New_York");
    EXPECT_EQ(ny.OffsetAt({2026, 1, 15}, {12, 0, 0}), (ZoneOffset{5, 0}));
    EXPECT_EQ(ny.OffsetAt({2026, 7, 15}, {12, 0, 0}), (ZoneOffset{4, 0}));
    // 2026-11-01 01:30 happens twice; 03:00 is after the change back.
    EXPECT_EQ(ny.OffsetAt({2026, 11, 1}, {3, 0, 0}), (ZoneOffset{5, 0}));
    EXPECT_EQ(ZoneClock("Asia/Kolkata").OffsetAt({2024, 3, 5}, {9, 5, 0}), (ZoneOffset{-5, -30}));
    EXPECT_FALSE(ny.OffsetAt({2026, 2, 31}, {12, 0, 0}).has_value());
    EXPECT_FALSE(ZoneClock("Nowhere/Atlantis").OffsetAt({2026, 1, 15}, {12, 0, 0}).has_value());
}

}  // namespace
}  // namespace velnora::places
