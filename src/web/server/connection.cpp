#include "connection.h"

#include "gesture.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace korvalde::web {

namespace {

// The largest binary message: an upload's header line and the file's first bytes.
constexpr qsizetype kLargestBinaryMessage = kLargestUploadHeader + 1 + kLargestUploadContent;
// Messages held back at most take this much memory; a flood beyond is refused at once.
constexpr qsizetype kMostHeldBytes = 256 * 1024;

QByteArray encode(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// The page's number of a message, so that the page stops waiting for its answer.
QJsonValue idOf(const QByteArray &message, bool binary)
{
    const QByteArray json = binary ? message.left(message.indexOf('\n')) : message;
    const QJsonValue id = QJsonDocument::fromJson(json).object().value(QStringLiteral("id"));
    return id.isDouble() ? id : QJsonValue();
}

} // namespace

Connection::Connection(std::unique_ptr<QWebSocket> socket, int messagesPerSecond, Handlers handlers)
    : socket_(std::move(socket)), handlers_(std::move(handlers)), rate_(messagesPerSecond, MessageRate::Clock::now()),
      mostHeld_(static_cast<std::size_t>(messagesPerSecond))
{
    // Larger frames and messages close the connection before they are read whole.
    socket_->setMaxAllowedIncomingMessageSize(kLargestBinaryMessage);
    socket_->setMaxAllowedIncomingFrameSize(kLargestBinaryMessage);
    release_.setSingleShot(true);
    connect(&release_, &QTimer::timeout, this, &Connection::release);
    connect(socket_.get(), &QWebSocket::textMessageReceived, this, [this](const QString &message) {
        const QByteArray bytes = message.toUtf8();
        if (bytes.size() > kLargestMessage) {
            close(QWebSocketProtocol::CloseCodeTooMuchData);
            return;
        }
        receive(bytes, false);
    });
    connect(socket_.get(), &QWebSocket::binaryMessageReceived, this,
            [this](const QByteArray &message) { receive(message, true); });
    connect(socket_.get(), &QWebSocket::disconnected, this, [this] {
        closing_ = true;
        dropHeld();
        handlers_.gone(*this);
    });
}

Connection::~Connection()
{
    socket_->disconnect(this);
}

void Connection::send(const QByteArray &message)
{
    if (!closing_)
        socket_->sendTextMessage(QString::fromUtf8(message));
}

void Connection::closeWith(const QString &reason, const QString &message, QWebSocketProtocol::CloseCode code)
{
    send(encode({{QStringLiteral("type"), QStringLiteral("closing")},
                 {QStringLiteral("reason"), reason},
                 {QStringLiteral("message"), message}}));
    close(code);
}

void Connection::close(QWebSocketProtocol::CloseCode code)
{
    if (closing_)
        return;
    closing_ = true;
    dropHeld();
    socket_->close(code);
}

void Connection::dropHeld()
{
    release_.stop();
    held_.clear();
    heldBytes_ = 0;
}

void Connection::receive(const QByteArray &message, bool binary)
{
    if (closing_)
        return;
    if (held_.empty() && rate_.take(MessageRate::Clock::now())) {
        handlers_.message(*this, message, binary);
        return;
    }
    if (held_.size() >= mostHeld_ || heldBytes_ + message.size() > kMostHeldBytes) {
        refuse(message, binary);
        return;
    }
    held_.push_back({message, binary});
    heldBytes_ += message.size();
    if (!release_.isActive())
        release_.start(rate_.untilFree(MessageRate::Clock::now()));
}

void Connection::release()
{
    while (!held_.empty() && !closing_ && rate_.take(MessageRate::Clock::now())) {
        const Held next = std::move(held_.front());
        held_.pop_front();
        heldBytes_ -= next.message.size();
        handlers_.message(*this, next.message, next.binary);
    }
    if (!held_.empty() && !closing_)
        release_.start(rate_.untilFree(MessageRate::Clock::now()));
}

void Connection::refuse(const QByteArray &message, bool binary)
{
    send(encode({{QStringLiteral("type"), QStringLiteral("error")},
                 {QStringLiteral("id"), idOf(message, binary)},
                 {QStringLiteral("message"),
                  QStringLiteral("too many messages: at most %1 a second").arg(static_cast<qulonglong>(mostHeld_))}}));
}

} // namespace korvalde::web
