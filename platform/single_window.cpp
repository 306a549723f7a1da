#include "platform/single_window.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace orvan::platform {

namespace {

// How long a start waits for the running window to answer: it may be busy with a search.
constexpr int kAnswerMilliseconds = 3000;
// The most a start may ask: a line of words, not a document.
constexpr qint64 kMostAsked = 4096;

// Whether the process at the other end of `socket` runs as this process's user. The socket's
// permissions already keep others out; this holds even where they would not.
bool PeerIsThisUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    const int descriptor = static_cast<int>(socket.socketDescriptor());
    if (getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) return false;
    return peer.uid == getuid();
}

}  // namespace

QString SingleWindowSocket() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) return QDir(runtime).filePath(QStringLiteral("orvan.socket"));
    return QDir::temp().filePath(QStringLiteral("orvan-%1.socket").arg(getuid()));
}

bool HandToRunningWindow(const QString& socket, const QString& words) {
    QLocalSocket connection;
    connection.connectToServer(socket);
    if (!connection.waitForConnected(kAnswerMilliseconds)) return false;
    connection.write(words.toUtf8().left(kMostAsked - 1) + '\n');
    if (!connection.waitForBytesWritten(kAnswerMilliseconds)) return false;
    // The window says it took them, so that a start never ends on words that went nowhere.
    while (!connection.canReadLine()) {
        if (!connection.waitForReadyRead(kAnswerMilliseconds)) return false;
    }
    return connection.readLine().trimmed() == "ok";
}

SingleWindowServer::SingleWindowServer(QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleWindowServer::onConnection);
}

bool SingleWindowServer::listen(const QString& socket) {
    // Another window listens there already: it stays the one later starts reach (listening
    // would put a new socket in the place of its own).
    QLocalSocket probe;
    probe.connectToServer(socket);
    if (probe.waitForConnected(200)) return false;
    // A socket file with nobody behind it is what a window that crashed leaves.
    QLocalServer::removeServer(socket);
    return server_->listen(socket);
}

void SingleWindowServer::onConnection() {
    while (QLocalSocket* connection = server_->nextPendingConnection()) {
        connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        if (!PeerIsThisUser(*connection)) {
            connection->abort();
            continue;
        }
        connect(connection, &QLocalSocket::readyRead, this, [this, connection] {
            if (!connection->canReadLine()) {
                if (connection->bytesAvailable() >= kMostAsked) connection->abort();
                return;
            }
            const QString words = QString::fromUtf8(connection->readLine(kMostAsked)).trimmed();
            connection->write("ok\n");
            connection->flush();
            connection->disconnectFromServer();
            emit asked(words);
        });
    }
}

}  // namespace orvan::platform
