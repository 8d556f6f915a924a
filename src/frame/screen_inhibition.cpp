#include "frame/screen_inhibition.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

namespace momentart {

namespace {

const char* const kService = "org.freedesktop.ScreenSaver";
const char* const kPath = "/org/freedesktop/ScreenSaver";
const char* const kInterface = "org.freedesktop.ScreenSaver";
// A desktop that does not answer soon is not waited for.
constexpr int kReplyMilliseconds = 2000;

QDBusMessage call(const char* method, const QList<QVariant>& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, kReplyMilliseconds);
}

}  // namespace

ScreenInhibition::ScreenInhibition(const QString& reason) {
    if (!QDBusConnection::sessionBus().isConnected()) return;
    const QDBusMessage reply = call("Inhibit", {QCoreApplication::applicationName(), reason});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return;
    bool ok = false;
    const uint cookie = reply.arguments().front().toUInt(&ok);
    if (ok) cookie_ = cookie;
}

ScreenInhibition::~ScreenInhibition() {
    if (cookie_) call("UnInhibit", {static_cast<uint>(*cookie_)});
}

}  // namespace momentart
