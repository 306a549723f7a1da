// One window for each user: a second start of the program hands what it was asked to the
// window already running, over a local socket that only the same user may reach.
#pragma once

#include <QObject>
#include <QString>
#include <optional>

class QLocalServer;

namespace orvan::platform {

/// \brief The socket of the user's running window: "orvan.socket" in the user's runtime folder
/// ($XDG_RUNTIME_DIR), or a name of the user's own in the temporary folder when there is none.
QString SingleWindowSocket();

/// \brief Hands `words` (perhaps empty: only "come to the front") to the window listening on
/// `socket`; true when one took them, false when none runs there.
bool HandToRunningWindow(const QString& socket, const QString& words);

/// The running window's side: it listens on the socket and tells what each later start asks.
class SingleWindowServer : public QObject {
    Q_OBJECT
  public:
    explicit SingleWindowServer(QObject* parent = nullptr);

    /// \brief Listens on `socket`, taking over a socket left behind by a window that ended
    /// without closing it; false when it cannot (the program then runs on, alone).
    bool listen(const QString& socket);

  signals:
    /// A later start of the same user asked for `words` (empty: only to come to the front).
    void asked(const QString& words);

  private:
    void onConnection();

    QLocalServer* server_;
};

}  // namespace orvan::platform
