// A changed description as a screen reader on Linux receives it over the accessibility bus
// (AT-SPI): one signal, with the text. The test starts a session bus of its own, on which the
// system's AT-SPI bus launcher starts the accessibility bus, and an X server of its own (Qt's
// bridge to the bus belongs to its X11 platform). Qt 6.4 does not take the accessibility bus from
// AT_SPI_BUS_ADDRESS alone: it finds the bus ready before it listens for that, and stays off.

#include "ui/windows/accessible.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QList<QAccessible::Event> handedOn; // what reached the handler installed before the game's

class Listener : public QObject
{
    Q_OBJECT
public slots:
    void heard(const QDBusMessage &message) { changes << message; }

public:
    QList<QDBusMessage> changes;
};

QDBusMessage call(QDBusConnection bus, const QString &service, const QString &path,
                  const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, service, method);
    message.setArguments(arguments);
    return bus.call(message);
}

TEST(AccessibilityBus, AChangedDescriptionIsSentOnceWithItsText)
{
    // The accessibility bus as a reader finds it, and the reader's wish to hear of changes.
    const QDBusMessage address =
        call(QDBusConnection::sessionBus(), QStringLiteral("org.a11y.Bus"),
             QStringLiteral("/org/a11y/bus"), QStringLiteral("GetAddress"));
    ASSERT_EQ(address.type(), QDBusMessage::ReplyMessage) << qPrintable(address.errorMessage());
    QDBusConnection reader = QDBusConnection::connectToBus(address.arguments().at(0).toString(),
                                                           QStringLiteral("reader"));
    Listener listener;
    ASSERT_TRUE(reader.connect({}, {}, QStringLiteral("org.a11y.atspi.Event.Object"),
                               QStringLiteral("PropertyChange"), &listener,
                               SLOT(heard(QDBusMessage))));
    const QDBusMessage registered =
        call(reader, QStringLiteral("org.a11y.atspi.Registry"),
             QStringLiteral("/org/a11y/atspi/registry"), QStringLiteral("RegisterEvent"),
             {QStringLiteral("object:property-change")});
    ASSERT_EQ(registered.type(), QDBusMessage::ReplyMessage)
        << qPrintable(registered.errorMessage());

    QPushButton tile(QStringLiteral("7"));
    tile.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tile));
    ASSERT_TRUE(QTest::qWaitFor(
        [] {
            return QAccessible::isActive() && QDBusConnection(QStringLiteral("a11y")).isConnected();
        },
        10000));
    QTest::qWait(500); // Qt hears of the reader's wish
    tile.setAccessibleDescription(QStringLiteral("fila 2, columna 3"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !listener.changes.isEmpty(); }, 5000));
    QTest::qWait(300); // a second signal, if any, has come

    ASSERT_EQ(listener.changes.size(), 1);
    const QDBusMessage change = listener.changes.constFirst();
    EXPECT_EQ(change.signature(), QStringLiteral("siiv(so)"));
    EXPECT_EQ(change.path(),
              QStringLiteral("/org/a11y/atspi/accessible/%1")
                  .arg(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&tile))));
    ASSERT_EQ(change.arguments().size(), 5);
    EXPECT_EQ(change.arguments().at(0).toString(), QStringLiteral("accessible-description"));
    const QVariant text = change.arguments().at(3).value<QDBusVariant>().variant();
    EXPECT_EQ(text.metaType(), QMetaType::fromType<QString>())
        << "the change carries a " << text.typeName() << ", not the text";
    EXPECT_EQ(text.toString(), QStringLiteral("fila 2, columna 3"));

    // Every other event goes on to the handler that was there before the game's.
    QAccessibleEvent alert(&tile, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    EXPECT_TRUE(handedOn.contains(QAccessible::Alert));
    QDBusConnection::disconnectFromBus(QStringLiteral("reader"));
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir runtime; // the bus launcher's socket, apart from any other session's
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    qunsetenv("AT_SPI_BUS_ADDRESS");
    QProcess bus, display; // killed as they go out of scope
    bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address"});
    display.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-nolisten", "tcp"});
    if (!bus.waitForReadyRead(10000) || !display.waitForReadyRead(10000)) {
        fprintf(stderr, "dbus-daemon or Xvfb did not start\n");
        return 1;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
    qputenv("DISPLAY", ":" + display.readLine().trimmed());
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    // A handler that was there first, which hands every event on to Qt as if it were not.
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        handedOn << event->type();
        const QAccessible::UpdateHandler self = QAccessible::installUpdateHandler(nullptr);
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(self);
    });
    ui::installAccessibility();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "atspi_test.moc"
