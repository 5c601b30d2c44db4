// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance rule, in-process and against a real second process.
#include "shell/single_instance.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "doubles.h"

namespace velnora {
namespace {

using testing::RecordingBoxes;

struct HelperRun {
    int status;
    QString output;
};

HelperRun RunHelper(const QString& lockPath, const char* mode) {
    QProcess helper;
    helper.start(QStringLiteral(VELNORA_LOCK_HELPER), {lockPath, QString::fromLatin1(mode)});
    EXPECT_TRUE(helper.waitForFinished(30000));
    return {helper.exitCode(), QString::fromLocal8Bit(helper.readAllStandardOutput()).trimmed()};
}

class SingleInstanceTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString LockPath() const { return dir_.filePath(QStringLiteral("velnora.lock")); }
    QTemporaryDir dir_;
};

TEST_F(SingleInstanceTest, FirstCopyStartsQuietly) {
    InstanceLock lock(LockPath());
    RecordingBoxes boxes;
    EXPECT_TRUE(CheckPreviousInstance(lock, boxes));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(QFile::exists(LockPath()));
}

TEST_F(SingleInstanceTest, SecondCopyIsRefusedWithItsMessage) {
    InstanceLock first(LockPath());
    ASSERT_TRUE(first.tryAcquire());
    InstanceLock second(LockPath());
    RecordingBoxes boxes;
    EXPECT_FALSE(CheckPreviousInstance(second, boxes));
    const std::vector<testing::Shown> expected{
        {QStringLiteral("Application is already running"), Icon::Information, false}};
    EXPECT_EQ(boxes.shown, expected);
    // The first copy keeps its lock: a third attempt is refused as well.
    InstanceLock third(LockPath());
    EXPECT_FALSE(third.tryAcquire());
}

TEST_F(SingleInstanceTest, SecondProcessIsRefusedWhileTheFirstRuns) {
    InstanceLock first(LockPath());
    ASSERT_TRUE(first.tryAcquire());
    const HelperRun run = RunHelper(LockPath(), "check");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, QStringLiteral("Application is already running [information]"));
    EXPECT_TRUE(QFile::exists(LockPath()));
}

TEST_F(SingleInstanceTest, LockOfACrashedCopyDoesNotBlock) {
    ASSERT_EQ(RunHelper(LockPath(), "crash").status, 3);
    ASSERT_TRUE(QFile::exists(LockPath()));  // left behind

    InstanceLock next(LockPath());
    RecordingBoxes boxes;
    EXPECT_TRUE(CheckPreviousInstance(next, boxes));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SingleInstanceTest, SecondProcessStartsOnceTheFirstHasEnded) {
    {
        InstanceLock first(LockPath());
        ASSERT_TRUE(first.tryAcquire());
    }
    EXPECT_EQ(RunHelper(LockPath(), "check").status, 0);
}

}  // namespace
}  // namespace velnora
