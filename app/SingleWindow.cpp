#include "SingleWindow.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcessEnvironment>
#include <QStringList>
#include <QVariantMap>

namespace scrivlette {
namespace {

constexpr const char* interfaceName = "org.freedesktop.Application";
// Long enough for a program busy reading a large clipping to answer.
constexpr int answerMilliseconds = 10000;

std::vector<Url> filesOf(const QStringList& uris) {
    std::vector<Url> files;
    for (const QString& uri : uris) {
        if (auto url = Url::fromString(uri.toStdString()); url && url->isFileURL()) {
            files.push_back(std::move(*url));
        }
    }
    return files;
}

// The startup notification the launcher gave this process, passed on so the
// running window may take the focus.
QVariantMap platformData() {
    QVariantMap data;
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (environment.contains(QStringLiteral("DESKTOP_STARTUP_ID"))) {
        data.insert(QStringLiteral("desktop-startup-id"),
                    environment.value(QStringLiteral("DESKTOP_STARTUP_ID")));
    }
    if (environment.contains(QStringLiteral("XDG_ACTIVATION_TOKEN"))) {
        data.insert(QStringLiteral("activation-token"),
                    environment.value(QStringLiteral("XDG_ACTIVATION_TOKEN")));
    }
    return data;
}

} // namespace

QString ApplicationService::introspect(const QString&) const {
    return QStringLiteral(
        "<interface name=\"org.freedesktop.Application\">"
        "<method name=\"Activate\"><arg type=\"a{sv}\" name=\"platform_data\" direction=\"in\"/>"
        "</method>"
        "<method name=\"Open\"><arg type=\"as\" name=\"uris\" direction=\"in\"/>"
        "<arg type=\"a{sv}\" name=\"platform_data\" direction=\"in\"/></method>"
        "<method name=\"ActivateAction\"><arg type=\"s\" name=\"action_name\" direction=\"in\"/>"
        "<arg type=\"av\" name=\"parameter\" direction=\"in\"/>"
        "<arg type=\"a{sv}\" name=\"platform_data\" direction=\"in\"/></method>"
        "</interface>");
}

bool ApplicationService::handleMessage(const QDBusMessage& message,
                                       const QDBusConnection& connection) {
    if (message.interface() != QLatin1String(interfaceName)) {
        return false;
    }
    const QString member = message.member();
    if (member == QLatin1String("Open") && !message.arguments().isEmpty()) {
        open_(filesOf(message.arguments().front().toStringList()));
    } else if (member == QLatin1String("Activate")) {
        open_({});
    } else if (member != QLatin1String("ActivateAction")) { // it has no actions to run
        return false;
    }
    connection.send(message.createReply());
    return true;
}

Instance claimOrHandOver(ApplicationService& service, const std::vector<Url>& files) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() ||
        !bus.registerVirtualObject(QLatin1String(applicationObjectPath), &service)) {
        return Instance::alone;
    }
    const auto claimed = bus.interface()->registerService(
        QLatin1String(applicationBusName), QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::DontAllowReplacement);
    if (claimed.isValid() && claimed.value() == QDBusConnectionInterface::ServiceRegistered) {
        return Instance::first;
    }
    bus.unregisterObject(QLatin1String(applicationObjectPath));
    QStringList uris;
    for (const Url& file : files) {
        uris << QString::fromStdString(file.absoluteString());
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(applicationBusName), QLatin1String(applicationObjectPath),
        QLatin1String(interfaceName), uris.isEmpty() ? "Activate" : "Open");
    if (!uris.isEmpty()) {
        call << uris;
    }
    call << platformData();
    const QDBusMessage answer = bus.call(call, QDBus::Block, answerMilliseconds);
    return answer.type() == QDBusMessage::ReplyMessage ? Instance::handedOver : Instance::alone;
}

} // namespace scrivlette
