#include "platform/MessageBus.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <algorithm>
#include <cstdlib>

#include "platform/RegisteredMessage.h"
#include "platform/Trace.h"

namespace platform {

std::string BusFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/' && QDir(runtime).exists()) {
        return runtime;
    }
    std::string folder = QDir::tempPath().toStdString() + "/zentor-" + std::to_string(getuid());
    ::mkdir(folder.c_str(), 0700);
    return folder;
}

std::string BusSocketPath(const std::string& serverName) {
    return BusFolder() + "/" + serverName;
}

MessageBus::MessageBus(QObject* parent) : QObject(parent) {}

MessageBus::~MessageBus() {
    Close();
}

bool MessageBus::Listen(const std::string& serverName) {
    Close();
    QString path = QString::fromStdString(BusSocketPath(serverName));
    QLocalServer::removeServer(path);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(path)) {
        TraceF("消息总线：无法监听 %s：%s", path.toUtf8().constData(),
               m_server->errorString().toUtf8().constData());
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &MessageBus::OnNewConnection);
    return true;
}

void MessageBus::Close() {
    for (QLocalSocket* client : m_clients) {
        client->disconnect(this);
        client->abort();
        client->deleteLater();
    }
    m_clients.clear();
    if (m_server != nullptr) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
}

bool MessageBus::IsListening() const {
    return m_server != nullptr && m_server->isListening();
}

void MessageBus::OnNewConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        m_clients.push_back(socket);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            m_clients.erase(std::remove(m_clients.begin(), m_clients.end(), socket),
                            m_clients.end());
            socket->deleteLater();
        });
        if (socket->bytesAvailable() > 0) {
            OnReadyRead(socket);
        }
    }
}

void MessageBus::OnReadyRead(QLocalSocket* socket) {
    QByteArray pending = socket->property("pending").toByteArray();
    pending += socket->readAll();
    std::size_t offset = 0;
    for (;;) {
        BusFrameKind kind;
        BusMessage message;
        std::size_t consumed = 0;
        auto* bytes = reinterpret_cast<const uint8_t*>(pending.constData());
        BusDecode result =
            DecodeBusFrame(bytes + offset, pending.size() - offset, &kind, &message, &consumed);
        if (result == BusDecode::kNeedMore) {
            break;
        }
        if (result == BusDecode::kBad || kind != BusFrameKind::kPost) {
            Trace("消息总线：收到无效数据，断开连接");
            socket->abort();
            return;
        }
        offset += consumed;
        BusMessage ack;
        ack.wParam = Deliver(message) ? 1 : 0;
        std::vector<uint8_t> frame = EncodeBusFrame(BusFrameKind::kAck, ack);
        socket->write(reinterpret_cast<const char*>(frame.data()),
                      static_cast<qint64>(frame.size()));
    }
    socket->setProperty("pending", pending.mid(static_cast<qsizetype>(offset)));
}

bool MessageBus::Deliver(const BusMessage& message) {
    uint32_t number = FindRegisteredMessage(message.name);
    if (number == 0 || !m_handler) {
        TraceF("消息总线：忽略未注册的消息 \"%s\"", message.name.c_str());
        return false;
    }
    TraceF("消息总线：%s (0x%04X) wParam=%lld lParam=%lld 数据=%zu", message.name.c_str(), number,
           static_cast<long long>(message.wParam), static_cast<long long>(message.lParam),
           message.data.size());
    m_handler(number, message);
    return true;
}

int MessageBus::Broadcast(const BusMessage& message) {
    std::vector<uint8_t> frame = EncodeBusFrame(BusFrameKind::kPost, message);
    int sent = 0;
    for (QLocalSocket* client : m_clients) {
        if (client->write(reinterpret_cast<const char*>(frame.data()),
                          static_cast<qint64>(frame.size())) > 0) {
            ++sent;
        }
    }
    return sent;
}

PostResult PostToInstance(const std::string& serverName, const BusMessage& message, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(BusSocketPath(serverName)));
    if (!socket.waitForConnected(timeoutMs)) {
        return PostResult::kNoInstance;
    }
    std::vector<uint8_t> frame = EncodeBusFrame(BusFrameKind::kPost, message);
    socket.write(reinterpret_cast<const char*>(frame.data()), static_cast<qint64>(frame.size()));
    if (!socket.waitForBytesWritten(timeoutMs)) {
        return PostResult::kNoInstance;
    }
    QByteArray reply;
    for (;;) {
        BusFrameKind kind;
        BusMessage ack;
        std::size_t consumed = 0;
        BusDecode result = DecodeBusFrame(reinterpret_cast<const uint8_t*>(reply.constData()),
                                          reply.size(), &kind, &ack, &consumed);
        if (result == BusDecode::kFrame && kind == BusFrameKind::kAck) {
            socket.disconnectFromServer();
            return ack.wParam == 1 ? PostResult::kDelivered : PostResult::kUnknownName;
        }
        if (result != BusDecode::kNeedMore || !socket.waitForReadyRead(timeoutMs)) {
            return PostResult::kNoInstance;
        }
        reply += socket.readAll();
    }
}

}  // namespace platform
