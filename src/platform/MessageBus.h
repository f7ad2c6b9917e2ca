// The local message bus: the running program listens on a per-user socket named
// after its title; other processes (a second instance, companions, games,
// zentor-send) deliver registered messages to it by name. Connected companions
// also receive what the program broadcasts.
#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "platform/BusFrame.h"

class QLocalServer;
class QLocalSocket;

namespace platform {

// The folder of the bus sockets and the instance lock: $XDG_RUNTIME_DIR when it
// is set, otherwise a private folder under /tmp for this user.
std::string BusFolder();
std::string BusSocketPath(const std::string& serverName);

class MessageBus : public QObject {
    Q_OBJECT
public:
    // The handler gets each message whose name is registered in this process,
    // with its number; it runs on the thread that owns the bus (the UI thread).
    using Handler = std::function<void(uint32_t number, const BusMessage& message)>;

    explicit MessageBus(QObject* parent = nullptr);
    ~MessageBus() override;

    // Starts listening under serverName. The caller must hold the instance lock:
    // a socket file found there is then a stale one of a crashed instance and is
    // replaced.
    bool Listen(const std::string& serverName);
    void Close();
    bool IsListening() const;

    void SetHandler(Handler handler) { m_handler = std::move(handler); }

    // Sends a message to every connected companion; returns how many got it.
    int Broadcast(const BusMessage& message);

private:
    void OnNewConnection();
    void OnReadyRead(QLocalSocket* socket);
    bool Deliver(const BusMessage& message);

    QLocalServer* m_server = nullptr;
    Handler m_handler;
    std::vector<QLocalSocket*> m_clients;
};

enum class PostResult { kDelivered, kUnknownName, kNoInstance };

// Delivers one message to the running program and waits up to timeoutMs for its
// answer. Blocks; needs no event loop. kNoInstance when nothing listens.
PostResult PostToInstance(const std::string& serverName, const BusMessage& message,
                          int timeoutMs = 1000);

}  // namespace platform
