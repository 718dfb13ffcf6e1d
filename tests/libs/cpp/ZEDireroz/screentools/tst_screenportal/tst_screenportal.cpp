// The Wayland road of the screen grab: the desktop's screenshot portal, played
// by a fake on a private bus that answers, refuses, hands over a broken file or
// stays silent.
#include "TestSupport/PrivateBus.h"
#include "ZEDireroz/screentools/ScreenGrab.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

namespace ScreenGrab = ZEDireroz::ScreenGrab;

namespace {

QString const kService = QStringLiteral("org.freedesktop.portal.Desktop");
QString const kPath = QStringLiteral("/org/freedesktop/portal/desktop");

enum class Behaviour { Answer, Refuse, BrokenFile, Silent };

class FakePortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    Behaviour behaviour = Behaviour::Answer;
    QString uri;
    QDBusConnection bus{QString()};
    QVariantMap seenOptions;

public slots:
    QDBusObjectPath Screenshot(QString const& parentWindow, QVariantMap const& options)
    {
        Q_UNUSED(parentWindow)
        seenOptions = options;
        QString sender = message().service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        QString const request =
            kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + options.value("handle_token").toString();
        if (behaviour != Behaviour::Silent) {
            // The answer comes later, as from a portal that first asks the user.
            QTimer::singleShot(0, this, [this, request] {
                QDBusMessage signal = QDBusMessage::createSignal(
                    request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
                uint const code = behaviour == Behaviour::Refuse ? 1u : 0u;
                QVariantMap results;
                if (code == 0)
                    results.insert(QStringLiteral("uri"), uri);
                signal << code << results;
                bus.send(signal);
            });
        }
        return QDBusObjectPath(request);
    }
};

} // namespace

class TestScreenPortal : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(!m_bus.start().isEmpty());
        m_portal.bus = QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("portal"));
        QVERIFY(m_portal.bus.isConnected());
        m_client = QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("client"));
        QVERIFY(m_client.isConnected());
        QVERIFY(m_dir.isValid());

        QImage picture(64, 40, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.setPixelColor(63, 39, Qt::yellow);
        QVERIFY(picture.save(m_dir.filePath("shot.png")));
        QFile broken(m_dir.filePath("broken.png"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
    }

    void portal_data()
    {
        QTest::addColumn<bool>("registered");
        QTest::addColumn<int>("behaviour");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("error");
        QTest::newRow("answer") << true << int(Behaviour::Answer) << "shot.png" << true << "";
        QTest::newRow("refused") << true << int(Behaviour::Refuse) << "shot.png" << false << "refused";
        QTest::newRow("broken file") << true << int(Behaviour::BrokenFile) << "broken.png" << false << "cannot be read";
        QTest::newRow("silent") << true << int(Behaviour::Silent) << "shot.png" << false << "did not answer";
        QTest::newRow("no portal") << false << int(Behaviour::Answer) << "shot.png" << false << "did not take";
    }
    void portal()
    {
        QFETCH(bool, registered);
        QFETCH(int, behaviour);
        QFETCH(QString, file);
        QFETCH(bool, picture);
        QFETCH(QString, error);
        m_portal.behaviour = Behaviour(behaviour);
        m_portal.uri = QUrl::fromLocalFile(m_dir.filePath(file)).toString();
        if (registered) {
            QVERIFY(m_portal.bus.registerService(kService));
            QVERIFY(m_portal.bus.registerObject(kPath, &m_portal, QDBusConnection::ExportAllSlots));
        }
        QString why;
        // The silent portal is given up on after the limit.
        QPixmap const grabbed = ScreenGrab::grabThroughPortal(m_client, 2.0, 3000, &why);
        if (registered) {
            m_portal.bus.unregisterObject(kPath);
            m_portal.bus.unregisterService(kService);
        }
        QCOMPARE(!grabbed.isNull(), picture);
        if (picture) {
            QCOMPARE(grabbed.size(), QSize(64, 40));
            QCOMPARE(grabbed.devicePixelRatio(), 2.0);
            QCOMPARE(grabbed.toImage().pixelColor(63, 39), QColor(Qt::yellow));
            QCOMPARE(m_portal.seenOptions.value("interactive").toBool(), false);
            QVERIFY(why.isEmpty());
        } else {
            QVERIFY2(why.contains(error), qPrintable(why));
        }
    }

private:
    PrivateBus m_bus;
    QDBusConnection m_client{QString()};
    FakePortal m_portal;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestScreenPortal)

#include "tst_screenportal.moc"
