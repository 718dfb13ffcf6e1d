// The FTP test window on a real server on 127.0.0.1 (pyftpdlib over a
// temporary folder): log in, list, change folder both ways, store the test file.
#include "QMRequest/FtpClient.h"
#include "QMRequest/FtpGuiClient.h"
#include "TestSupport/HostileFtpServer.h"
#include "TestSupport/LocalFtpServer.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTreeWidget>
#include <QtTest>

using QMRequest::FtpGuiClient;

namespace {

QString const kUser = QStringLiteral("tester");
QString const kPassword = QStringLiteral("pw");

QStringList listed(FtpGuiClient const& window)
{
    auto* listing = window.findChild<QTreeWidget*>(QStringLiteral("FtpListing"));
    QStringList names;
    for (int i = 0; i < listing->topLevelItemCount(); ++i)
        names.append(listing->topLevelItem(i)->text(0));
    return names;
}

// Counts the icons the window asks its style for.
class CountingStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap icon, QStyleOption const* option, QWidget const* widget) const override
    {
        ++lookups;
        return QProxyStyle::standardIcon(icon, option, widget);
    }
    mutable int lookups = 0;
};

// How a label lays its text out: as plain text, or as markup.
bool shownAsPlainText(QLabel const* label)
{
    return label->textFormat() == Qt::PlainText
           || (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
}

QTreeWidgetItem* itemNamed(FtpGuiClient const& window, QString const& name)
{
    auto* listing = window.findChild<QTreeWidget*>(QStringLiteral("FtpListing"));
    QList<QTreeWidgetItem*> const found = listing->findItems(name, Qt::MatchExactly, 0);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace

class TestFtpGuiClient : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    LocalFtpServer m_server;

    QLineEdit* field(FtpGuiClient& window, char const* name)
    {
        return window.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    void click(FtpGuiClient& window, char const* name)
    {
        QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    void fillLogin(FtpGuiClient& window, QString const& password)
    {
        field(window, "FtpHost")->setText(QStringLiteral("127.0.0.1:%1").arg(m_server.port()));
        field(window, "FtpUser")->setText(kUser);
        field(window, "FtpPassword")->setText(password);
    }
    QString status(FtpGuiClient& window) { return window.findChild<QLabel*>(QStringLiteral("FtpStatus"))->text(); }

private slots:
    void initTestCase();
    void fieldsStartEmptyAndPasswordIsHidden();
    void loginShowsEntriesWithOneWayUp();
    void wrongPasswordIsShown();
    void doubleClickGoesIntoFolderAndBack();
    void goChangesToThePathTyped();
    void testButtonStoresTestFile();
    void closingDuringCommandCancelsIt();
    void closedDuringCommandAndShownAgainTakesCommands();
    void serverMarkupIsShownAsText();
    void manyEntriesShareOneIconEachKind();
    void deletedDuringCommand_data();
    void deletedDuringCommand();
    void splitHostPort_data();
    void splitHostPort();
};

void TestFtpGuiClient::initTestCase()
{
    QVERIFY(m_root.isValid());
    QVERIFY(QDir(m_root.path()).mkpath(QStringLiteral("music/scores")));
    QFile file(m_root.filePath(QStringLiteral("readme.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("hello");
    file.close();
    QVERIFY2(m_server.start(m_root.path(), kUser, kPassword), qPrintable(m_server.error()));
}

void TestFtpGuiClient::fieldsStartEmptyAndPasswordIsHidden()
{
    FtpGuiClient window;
    for (char const* name : {"FtpHost", "FtpUser", "FtpPassword", "FtpPath"})
        QVERIFY2(field(window, name)->text().isEmpty(), name);
    QCOMPARE(field(window, "FtpPassword")->echoMode(), QLineEdit::Password);
    QCOMPARE(window.findChild<QTreeWidget*>(QStringLiteral("FtpListing"))->headerItem()->text(1),
             QStringLiteral("LastModified"));
}

void TestFtpGuiClient::loginShowsEntriesWithOneWayUp()
{
    FtpGuiClient window;
    fillLogin(window, kPassword);
    click(window, "FtpLogin");
    QVERIFY2(window.client()->isConnected(), qPrintable(status(window)));
    QCOMPARE(listed(window), QStringList({"..", "music", "readme.txt"}));
    QVERIFY(!itemNamed(window, QStringLiteral("readme.txt"))->text(1).isEmpty());
    // Refreshing again replaces the entries, the way up included.
    click(window, "FtpRefresh");
    click(window, "FtpRefresh");
    QCOMPARE(listed(window), QStringList({"..", "music", "readme.txt"}));
}

void TestFtpGuiClient::wrongPasswordIsShown()
{
    FtpGuiClient window;
    fillLogin(window, QStringLiteral("wrong"));
    click(window, "FtpLogin");
    QVERIFY(status(window).contains(QStringLiteral("530")));
    QVERIFY(listed(window).isEmpty());
    // Where no server is given, the window says what it needs.
    field(window, "FtpHost")->clear();
    click(window, "FtpLogin");
    QVERIFY(status(window).contains(QStringLiteral("host")));
}

void TestFtpGuiClient::doubleClickGoesIntoFolderAndBack()
{
    FtpGuiClient window;
    fillLogin(window, kPassword);
    window.slotLogin();
    QTreeWidgetItem* music = itemNamed(window, QStringLiteral("music"));
    QVERIFY(music);
    // Whatever column is double-clicked, the name is what counts.
    window.slotItemDoubleClicked(music, 1);
    QCOMPARE(listed(window), QStringList({"..", "scores"}));
    window.slotItemDoubleClicked(itemNamed(window, QStringLiteral("..")), 0);
    QCOMPARE(listed(window), QStringList({"..", "music", "readme.txt"}));
    // A file is no folder: the window says so and keeps the listing.
    window.slotItemDoubleClicked(itemNamed(window, QStringLiteral("readme.txt")), 0);
    QVERIFY(status(window).contains(QStringLiteral("550")));
    QCOMPARE(listed(window), QStringList({"..", "music", "readme.txt"}));
}

void TestFtpGuiClient::goChangesToThePathTyped()
{
    FtpGuiClient window;
    fillLogin(window, kPassword);
    window.slotLogin();
    field(window, "FtpPath")->setText(QStringLiteral("/music/scores"));
    click(window, "FtpGo");
    QCOMPARE(listed(window), QStringList({".."}));
    QVERIFY(status(window).isEmpty());
    window.slotCd(QStringLiteral("/music"));
    QCOMPARE(listed(window), QStringList({"..", "scores"}));
}

void TestFtpGuiClient::testButtonStoresTestFile()
{
    FtpGuiClient window;
    fillLogin(window, kPassword);
    window.slotLogin();
    window.slotCd(QStringLiteral("music"));
    click(window, "FtpTest");
    QFile stored(m_root.filePath(QStringLiteral("music/TestFile.txt")));
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), QByteArray("!!!TESTTEST!!!"));
    QCOMPARE(listed(window), QStringList({"..", "scores", "TestFile.txt"}));
}

void TestFtpGuiClient::closingDuringCommandCancelsIt()
{
    // A login that takes its time: the greeting never ends.
    HostileFtpServer server(HostileFtpServer::DrippingGreeting);
    QVERIFY(server.isListening());
    QPointer<FtpGuiClient> window = new FtpGuiClient;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    field(*window, "FtpHost")->setText(QStringLiteral("127.0.0.1:%1").arg(server.port()));
    QTimer::singleShot(300, window, &QWidget::close);
    window->slotLogin();
    // The login came back cancelled, with the window still there to return to.
    QTRY_VERIFY(window.isNull());
    QTRY_COMPARE(server.connectionsOpen(), 0);
    QCOMPARE(server.connectionsAccepted(), 1);
}

void TestFtpGuiClient::closedDuringCommandAndShownAgainTakesCommands()
{
    HostileFtpServer slow(HostileFtpServer::DrippingGreeting);
    QVERIFY(slow.isListening());
    FtpGuiClient window;
    window.show();
    field(window, "FtpHost")->setText(QStringLiteral("127.0.0.1:%1").arg(slow.port()));
    QTimer::singleShot(300, &window, &QWidget::close);
    window.slotLogin();
    QVERIFY(!window.isVisible());
    // The close that waited for the command to come back.
    QCoreApplication::sendPostedEvents(&window, QEvent::MetaCall);
    QVERIFY(!window.isVisible());

    window.show();
    fillLogin(window, kPassword);
    window.slotLogin();
    QVERIFY2(window.client()->isConnected(), qPrintable(status(window)));
    QCOMPARE(listed(window), QStringList({"..", "music", "readme.txt"}));
}

void TestFtpGuiClient::serverMarkupIsShownAsText()
{
    HostileFtpServer server(HostileFtpServer::LyingSize);
    QByteArray const refusal = "530 <h1>Your password expired</h1><a href=\"http://example.org/renew\">renew</a>";
    server.setPasswordReply(refusal);
    FtpGuiClient window;
    field(window, "FtpHost")->setText(QStringLiteral("127.0.0.1:%1").arg(server.port()));
    window.slotLogin();
    auto* line = window.findChild<QLabel*>(QStringLiteral("FtpStatus"));
    QVERIFY2(line->text().contains(QString::fromLatin1(refusal)), qPrintable(line->text()));
    QVERIFY(shownAsPlainText(line));
}

void TestFtpGuiClient::manyEntriesShareOneIconEachKind()
{
    constexpr int kEntries = 5000;
    HostileFtpServer server(HostileFtpServer::LongListing);
    server.setEntryCount(kEntries);
    FtpGuiClient window;
    CountingStyle style;
    window.setStyle(&style);
    field(window, "FtpHost")->setText(QStringLiteral("127.0.0.1:%1").arg(server.port()));
    window.slotLogin();
    auto* listing = window.findChild<QTreeWidget*>(QStringLiteral("FtpListing"));
    QCOMPARE(listing->topLevelItemCount(), kEntries + 1);
    // The way up, the folders (every tenth entry), then the files.
    QCOMPARE(listing->topLevelItem(0)->text(0), QStringLiteral(".."));
    QCOMPARE(listing->topLevelItem(1)->text(0), QStringLiteral("entry-0000000"));
    QCOMPARE(listing->topLevelItem(kEntries / 10 + 1)->text(0), QStringLiteral("entry-0000001"));
    // A lookup per kind, not per entry; every item of a kind holds the same icon.
    QVERIFY2(style.lookups <= 3, qPrintable(QString::number(style.lookups)));
    qint64 const folderIcon = listing->topLevelItem(1)->icon(0).cacheKey();
    qint64 const fileIcon = listing->topLevelItem(kEntries)->icon(0).cacheKey();
    for (int i = 1; i <= kEntries; ++i) {
        bool const folder = i <= kEntries / 10;
        QCOMPARE(listing->topLevelItem(i)->icon(0).cacheKey(), folder ? folderIcon : fileIcon);
    }
    window.setStyle(nullptr);
}

void TestFtpGuiClient::deletedDuringCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("withParent"); // else by deleteLater()
    // The login meets a greeting that never ends, the change of folder a
    // frozen server.
    QTest::newRow("parent deleted, logging in") << "login" << true;
    QTest::newRow("deleteLater, logging in") << "login" << false;
    QTest::newRow("parent deleted, changing folder") << "cd" << true;
    QTest::newRow("deleteLater, changing folder") << "cd" << false;
}

void TestFtpGuiClient::deletedDuringCommand()
{
    QFETCH(QString, command);
    QFETCH(bool, withParent);
    HostileFtpServer server(HostileFtpServer::DrippingGreeting);
    QVERIFY(server.isListening());
    QPointer<QWidget> parent = new QWidget;
    QPointer<FtpGuiClient> window = new FtpGuiClient(parent);
    bool const changingFolder = command == QLatin1String("cd");
    if (changingFolder) {
        fillLogin(*window, kPassword);
        window->slotLogin();
        QVERIFY2(window->client()->isConnected(), qPrintable(status(*window)));
    } else {
        field(*window, "FtpHost")->setText(QStringLiteral("127.0.0.1:%1").arg(server.port()));
    }
    if (withParent)
        QTimer::singleShot(300, parent, [parent] { delete parent.data(); });
    else
        QTimer::singleShot(300, window, &QObject::deleteLater);

    if (changingFolder) {
        m_server.freeze();
        window->slotCd(QStringLiteral("music"));
        m_server.thaw();
    } else {
        window->slotLogin();
    }
    // The slot came back from the deleted window's command without touching it
    // (the sanitizer reports any use after the deletion).
    QVERIFY(window.isNull());
    QTRY_COMPARE(server.connectionsOpen(), 0);
    delete parent.data();
}

void TestFtpGuiClient::splitHostPort_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("host alone") << "ftp.example.org" << true << "ftp.example.org" << 21;
    QTest::newRow("host and port") << " 127.0.0.1:2121 " << true << "127.0.0.1" << 2121;
    QTest::newRow("bracketed v6") << "[::1]:990" << true << "::1" << 990;
    QTest::newRow("bare v6") << "fe80::1" << true << "fe80::1" << 21;
    QTest::newRow("empty") << "" << false << "" << 0;
    QTest::newRow("port missing") << "host:" << false << "" << 0;
    QTest::newRow("port not a number") << "host:ftp" << false << "" << 0;
    QTest::newRow("port too big") << "host:65536" << false << "" << 0;
    QTest::newRow("port zero") << "host:0" << false << "" << 0;
    QTest::newRow("unclosed bracket") << "[::1:21" << false << "" << 0;
    QTest::newRow("space in host") << "my host" << false << "" << 0;
}

void TestFtpGuiClient::splitHostPort()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, host);
    QFETCH(int, port);
    QString parsedHost;
    quint16 parsedPort = 0;
    QCOMPARE(FtpGuiClient::splitHostPort(text, &parsedHost, &parsedPort), valid);
    if (valid) {
        QCOMPARE(parsedHost, host);
        QCOMPARE(int(parsedPort), port);
    }
}

QTEST_MAIN(TestFtpGuiClient)
#include "tst_ftpguiclient.moc"
