// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance rule, in-process and against a real second process.
#include "shell/single_instance.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include "doubles.h"

namespace velnora {
namespace {

using testing::RecordingBoxes;

struct HelperRun {
    int status;
    QString output;
};

// Runs the lock helper as a second copy would start; as the unprivileged user
// "nobody" when `asAnotherUser` and the tests run as root.
HelperRun RunHelper(
    const QString& lockPath, const char* mode, const QString& fallback = {},
    bool asAnotherUser = false,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QStringList arguments{lockPath, QString::fromLatin1(mode)};
    if (!fallback.isEmpty()) arguments << fallback;
    QString program = QStringLiteral(VELNORA_LOCK_HELPER);
    if (asAnotherUser && ::geteuid() == 0) {
        arguments.prepend(program);
        arguments = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                QStringLiteral("--clear-groups")} +
                    arguments;
        program = QStringLiteral("setpriv");
    }
    QProcess helper;
    helper.setProcessEnvironment(environment);
    helper.start(program, arguments);
    // A start that blocks (on a FIFO, say) fails here instead of hanging the suite.
    EXPECT_TRUE(helper.waitForFinished(10000)) << "the second copy did not finish";
    return {helper.exitCode(), QString::fromLocal8Bit(helper.readAllStandardOutput()).trimmed()};
}

const QString kRefused = QStringLiteral("Application is already running [information]");

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString LockPath() const { return dir_.filePath(QStringLiteral("velnora.lock")); }
    QString FallbackPath() const { return dir_.filePath(QStringLiteral("fallback.lock")); }
    void Write(const QByteArray& contents) const {
        QFile file(LockPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QTemporaryDir dir_;
};

TEST_F(SingleInstanceTest, FirstCopyStartsQuietly) {
    InstanceLock lock(LockPath());
    RecordingBoxes boxes;
    EXPECT_TRUE(CheckPreviousInstance(lock, SystemClock(), boxes));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(QFile::exists(LockPath()));
}

TEST_F(SingleInstanceTest, SecondCopyIsRefusedWithItsMessage) {
    InstanceLock first(LockPath());
    ASSERT_EQ(first.tryAcquire(SystemClock()), LockState::Held);
    InstanceLock second(LockPath());
    RecordingBoxes boxes;
    EXPECT_FALSE(CheckPreviousInstance(second, SystemClock(), boxes));
    const std::vector<testing::Shown> expected{
        {QStringLiteral("Application is already running"), Icon::Information, false}};
    EXPECT_EQ(boxes.shown, expected);
    // The first copy keeps its lock: a third attempt is refused as well.
    InstanceLock third(LockPath());
    EXPECT_EQ(third.tryAcquire(SystemClock()), LockState::Running);
}

TEST_F(SingleInstanceTest, SecondProcessIsRefusedWhileTheFirstRuns) {
    InstanceLock first(LockPath());
    ASSERT_EQ(first.tryAcquire(SystemClock()), LockState::Held);
    const HelperRun run = RunHelper(LockPath(), "check");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, kRefused);
    EXPECT_TRUE(QFile::exists(LockPath()));
}

TEST_F(SingleInstanceTest, LockOfACrashedCopyDoesNotBlock) {
    ASSERT_EQ(RunHelper(LockPath(), "crash").status, 3);
    ASSERT_TRUE(QFile::exists(LockPath()));  // left behind

    InstanceLock next(LockPath());
    RecordingBoxes boxes;
    EXPECT_TRUE(CheckPreviousInstance(next, SystemClock(), boxes));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SingleInstanceTest, SecondProcessStartsOnceTheFirstHasEnded) {
    {
        InstanceLock first(LockPath());
        ASSERT_EQ(first.tryAcquire(SystemClock()), LockState::Held);
    }
    EXPECT_EQ(RunHelper(LockPath(), "check").status, 0);
}

// Another host's lock is aged on the program's clock, against the file's time.
TEST_F(SingleInstanceTest, AnotherHostsLockIsStaleOnlyOnceOldOnTheProgramsClock) {
    Write("4242\nvelnora\nanother-host.example\n");
    const std::chrono::sys_seconds written{
        std::chrono::seconds(QFileInfo(LockPath()).lastModified().toSecsSinceEpoch())};
    InstanceLock lock(LockPath());
    EXPECT_EQ(lock.tryAcquire(FixedClock(written + std::chrono::seconds(5))), LockState::Running);
    EXPECT_EQ(lock.tryAcquire(FixedClock(written + std::chrono::seconds(60))), LockState::Held);
}

// Whatever a lock file that no live copy holds has become, the next start takes
// it over, quietly.
TEST_F(SingleInstanceTest, DamagedLockIsTakenOver) {
    const QByteArray host = QSysInfo::machineHostName().toLocal8Bit();
    const std::pair<const char*, QByteArray> rows[] = {
        {"zero-byte-after-a-power-loss", QByteArray()},
        {"text-that-is-no-lock", QByteArray("velnora\n")},
        {"binary-garbage", QByteArray("\xff\x00\x17\x80", 4)},
        {"process-that-does-not-exist", "2147483646\nshell_lock_helper\n" + host + "\n"},
    };
    for (const auto& [name, contents] : rows) {
        Write(contents);
        const HelperRun run = RunHelper(LockPath(), "check");
        EXPECT_EQ(run.status, 0) << name;
        EXPECT_EQ(run.output, QString()) << name;
        EXPECT_FALSE(QFile::exists(LockPath())) << name << ": the lock was not taken and released";
    }
}

// As left by a copy started with sudo: a lock that the user cannot read.
TEST_F(SingleInstanceTest, UnreadableLockIsTakenOver) {
    Write("2147483646\nvelnora\n" + QSysInfo::machineHostName().toLocal8Bit() + "\n");
    ASSERT_EQ(::chmod(QFile::encodeName(LockPath()).constData(), 0), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir_.path()).constData(), 0777), 0);  // for "nobody"
    const HelperRun run = RunHelper(LockPath(), "check", {}, true);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, QString());
    EXPECT_FALSE(QFile::exists(LockPath()));
}

// A live copy keeps its lock even when its file has lost its contents.
TEST_F(SingleInstanceTest, LiveCopyWithAnEmptiedLockStillRefuses) {
    InstanceLock first(LockPath());
    ASSERT_EQ(first.tryAcquire(SystemClock()), LockState::Held);
    ASSERT_TRUE(QFile::resize(LockPath(), 0));
    const HelperRun run = RunHelper(LockPath(), "check");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, kRefused);
}

// A folder or a FIFO where the lock belongs cannot hold it: the fallback path
// does, for every copy alike, and without one the start is refused with its reason.
TEST_F(SingleInstanceTest, LockPathThatCannotHoldALockFallsBack) {
    const std::pair<const char*, bool (*)(const QString&)> rows[] = {
        {"folder", [](const QString& p) { return QDir().mkdir(p); }},
        {"fifo", [](const QString& p) { return ::mkfifo(QFile::encodeName(p), 0600) == 0; }},
    };
    for (const auto& [name, make] : rows) {
        QDir(LockPath()).removeRecursively();
        QFile::remove(LockPath());
        ASSERT_TRUE(make(LockPath())) << name;

        const HelperRun alone = RunHelper(LockPath(), "check", FallbackPath());
        EXPECT_EQ(alone.status, 0) << name;
        EXPECT_EQ(alone.output, QString()) << name;

        InstanceLock running(LockPath(), FallbackPath());
        ASSERT_EQ(running.tryAcquire(SystemClock()), LockState::Held) << name;
        EXPECT_TRUE(QFile::exists(FallbackPath())) << name;
        const HelperRun second = RunHelper(LockPath(), "check", FallbackPath());
        EXPECT_EQ(second.status, 1) << name;
        EXPECT_EQ(second.output, kRefused) << name;

        const HelperRun nowhere = RunHelper(LockPath(), "check");
        EXPECT_EQ(nowhere.status, 1) << name;
        // The message names the folder no lock could be made in.
        EXPECT_EQ(nowhere.output,
                  QStringLiteral("Application cannot check whether it is already running: no "
                                 "lock file can be made in %1 [information]")
                      .arg(dir_.path()))
            << name;
    }
}

// The program takes its lock path from its environment: the runtime folder when
// it is the user's own and closed, otherwise a private folder under the cache
// folder. Whatever is left at that path, by the user's own mishaps or by root,
// leaves the program starting normally.
TEST_F(SingleInstanceTest, NothingLeftAtTheProgramsLockPathKeepsItFromStarting) {
    const bool root = ::geteuid() == 0;
    const QString run = dir_.filePath(QStringLiteral("run")),
                  shared = dir_.filePath(QStringLiteral("shared")),
                  cache = dir_.filePath(QStringLiteral("cache"));
    ASSERT_TRUE(QDir().mkdir(run) && QDir().mkdir(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(run).constData(), 0700), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);  // as /tmp is
    const QString privateLock = cache + QStringLiteral("/velnora/velnora.lock");
    struct Environment {
        const char* name;
        QString runtime;  // XDG_RUNTIME_DIR; empty: unset
        QString lock;     // where the program is to put its lock
    };
    const Environment environments[] = {
        {"runtime-folder", run, run + QStringLiteral("/velnora.lock")},
        {"no-runtime-folder", QString(), privateLock},
        {"runtime-folder-open-to-all", shared, privateLock},
    };
    using Plant = bool (*)(const QString&);
    struct Left {
        const char* name;
        Plant plant;
        bool foreign;  // owned by root, with the program run as "nobody"
    };
    const Left leftovers[] = {
        {"folder", [](const QString& p) { return QDir().mkdir(p); }, false},
        {"fifo", [](const QString& p) { return ::mkfifo(QFile::encodeName(p), 0600) == 0; }, false},
        {"lock-of-another-host-a-minute-old",
         [](const QString& p) {
             QFile file(p);
             return file.open(QIODevice::WriteOnly) &&
                    file.write("4242\nvelnora\nanother-host.example\n") > 0 && file.flush() &&
                    file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                     QFileDevice::FileModificationTime);
         },
         false},
        {"file-of-another-owner",
         [](const QString& p) {
             QFile file(p);
             return file.open(QIODevice::WriteOnly) &&
                    file.write("1\nvelnora\n" + QSysInfo::machineHostName().toLocal8Bit() + "\n") >
                        0 &&
                    ::chmod(QFile::encodeName(p), 0600) == 0;
         },
         true},
    };
    for (const Environment& e : environments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        if (!e.runtime.isEmpty()) environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), e.runtime);
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
        const HelperRun paths =
            RunHelper(QStringLiteral("default"), "path", {}, false, environment);
        ASSERT_EQ(paths.output.split(QLatin1Char('\n')).value(0), e.lock) << e.name;
        const QFileInfo folder(QFileInfo(e.lock).path());
        EXPECT_EQ(folder.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser |
                                           QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner),
                  QFile::Permissions())
            << e.name << ": other users may enter the lock's folder";
        for (const Left& left : leftovers) {
            if (left.foreign && !root) continue;
            ASSERT_TRUE(left.plant(e.lock)) << e.name << ", " << left.name;
            if (left.foreign) {  // the user's own folders, root's file in one of them
                ASSERT_EQ(::chmod(QFile::encodeName(dir_.path()).constData(), 0777), 0);
                for (const QString& f : {run, cache, folder.filePath()}) {
                    ASSERT_EQ(::chown(QFile::encodeName(f).constData(), 65534, 65534), 0);
                }
            }
            const HelperRun start =
                RunHelper(QStringLiteral("default"), "check", {}, left.foreign, environment);
            EXPECT_EQ(start.status, 0) << e.name << ", " << left.name;
            EXPECT_EQ(start.output, QString()) << e.name << ", " << left.name;
            if (left.foreign) {
                for (const QString& f : {run, cache, folder.filePath()}) {
                    ASSERT_EQ(::chown(QFile::encodeName(f).constData(), 0, 0), 0);
                }
            }
            QDir(e.lock).removeRecursively();
            QFile::remove(e.lock);
        }
    }
}

}  // namespace
}  // namespace velnora
