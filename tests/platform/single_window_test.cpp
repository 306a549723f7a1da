// One window for each user: a later start hands its words to the running window, a socket left
// behind is taken over, and only the user may reach the socket.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QFileInfo>
#include <QLocalServer>
#include <QTest>
#include <future>

#include "platform/single_window.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan::platform {
namespace {

// A later start, run beside the test's event loop as a second program would run.
std::future<bool> StartLater(const QString& socket, const QString& words) {
    return std::async(std::launch::async,
                      [socket, words] { return HandToRunningWindow(socket, words); });
}

// Waits for `later` while the test's event loop serves the running window.
bool Answered(std::future<bool>& later) {
    for (int i = 0; i < 300; ++i) {
        if (later.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready)
            return later.get();
        QTest::qWait(10);
    }
    return false;
}

class SingleWindowTest : public ::testing::Test {
  protected:
    test::TempFolder folder;
    const QString socket = QString::fromStdString(folder.file("orvan.socket"));
};

TEST_F(SingleWindowTest, ALaterStartHandsItsWordsToTheRunningWindow) {
    // No window runs: the start goes on by itself, at once.
    EXPECT_FALSE(HandToRunningWindow(socket, "engine"));

    SingleWindowServer running;
    ASSERT_TRUE(running.listen(socket));
    QStringList asked;
    QObject::connect(&running, &SingleWindowServer::asked,
                     [&asked](const QString& words) { asked << words; });
    std::future<bool> later = StartLater(socket, QStringLiteral("θερμότητα engine"));
    EXPECT_TRUE(Answered(later));
    std::future<bool> bare = StartLater(socket, {});
    EXPECT_TRUE(Answered(bare));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return asked == (QStringList{QStringLiteral("θερμότητα engine"), QString()});
    }));

    // Only the user reaches the socket.
    const QFileInfo file(socket);
    EXPECT_FALSE(file.permission(QFile::ReadGroup) || file.permission(QFile::WriteGroup) ||
                 file.permission(QFile::ReadOther) || file.permission(QFile::WriteOther));
    // A second window does not take the socket from the first.
    SingleWindowServer second;
    EXPECT_FALSE(second.listen(socket));
}

TEST_F(SingleWindowTest, ASocketLeftByAWindowThatEndedIsTakenOver) {
    // What a crashed window leaves: the socket's file, with nobody listening.
    const int left = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(left, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = socket.toLocal8Bit();
    std::copy(path.begin(), path.end(), address.sun_path);
    ASSERT_EQ(::bind(left, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(left);
    EXPECT_FALSE(HandToRunningWindow(socket, "engine"));

    SingleWindowServer running;
    ASSERT_TRUE(running.listen(socket));
    std::future<bool> later = StartLater(socket, "engine");
    EXPECT_TRUE(Answered(later));
}

}  // namespace
}  // namespace orvan::platform
