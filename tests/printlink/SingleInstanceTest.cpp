#include "CSingleInstance.h"
#include "CTestClient.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Each test has a runtime folder of its own, as each user has.
class SingleInstance : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_runtime.isValid());
        QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_saved = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", m_saved); }

    QTemporaryDir m_runtime;
    QByteArray m_saved;
};

} // namespace

TEST_F(SingleInstance, ALaterCopyReachesTheRunningOneAndMayCloseIt)
{
    EXPECT_FALSE(CSingleInstance::ReachRunningCopy(CSingleInstance::Request::Show));
    CSingleInstance running;
    ASSERT_TRUE(running.Claim());
    int closeRequests = 0;
    int showRequests = 0;
    QObject::connect(&running, &CSingleInstance::CloseRequested, [&] { ++closeRequests; });
    QObject::connect(&running, &CSingleInstance::ShowRequested, [&] { ++showRequests; });

    EXPECT_TRUE(CSingleInstance::ReachRunningCopy(CSingleInstance::Request::Show));
    EXPECT_TRUE(WaitUntil([&] { return showRequests == 1; }));
    EXPECT_TRUE(CSingleInstance::ReachRunningCopy(CSingleInstance::Request::None));
    Pump(100);
    EXPECT_EQ(closeRequests, 0);
    EXPECT_EQ(showRequests, 1);
    EXPECT_TRUE(CSingleInstance::ReachRunningCopy(CSingleInstance::Request::Close));
    EXPECT_TRUE(WaitUntil([&] { return closeRequests == 1; }));

    // A second claim fails while the first holds the name.
    CSingleInstance another;
    EXPECT_FALSE(another.Claim());
    EXPECT_TRUE(CSingleInstance::ReachRunningCopy(CSingleInstance::Request::None));
}

TEST_F(SingleInstance, ANameLeftByACrashedCopyIsTakenOver)
{
    QFile leftover(QDir(m_runtime.path()).filePath("orvane-pressling"));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    EXPECT_FALSE(CSingleInstance::ReachRunningCopy(CSingleInstance::Request::None));
    CSingleInstance running;
    EXPECT_TRUE(running.Claim());
    EXPECT_TRUE(CSingleInstance::ReachRunningCopy(CSingleInstance::Request::None));
}
