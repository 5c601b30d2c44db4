// SPDX-License-Identifier: GPL-3.0-or-later
// The gazetteer's index file: what it refuses to trust, and how an open index
// follows the file when it is replaced or rewritten, also under a search.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <future>
#include <memory>
#include <stdexcept>
#include <thread>

#include "places/index_format.h"
#include "places/places.h"
#include "support/test_support.h"

namespace velnora::places {
namespace {

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
    std::atomic<int> answered{0};
    std::thread copier([&] {
        // Each copy waits for a search that read the whole file, so that searches
        // begin on it and the next copy, which first cuts it to nothing, lands in
        // the middle of one.
        for (int seen = 0; !stop.load(); seen = answered.load()) {
            while (!stop.load() && answered.load() == seen) std::this_thread::yield();
            copyOver(whole.size());
        }
    });
    int damaged = 0;
    const QDeadlineTimer deadline(60000);
    while ((answered.load() < 100 || damaged < 100) && !deadline.hasExpired()) {
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
    EXPECT_GE(answered.load(), 100) << "too few searches read the whole file within a minute";
}

}  // namespace
}  // namespace velnora::places
