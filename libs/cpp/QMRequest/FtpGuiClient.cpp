#include "QMRequest/FtpGuiClient.h"

#include "QMRequest/FtpClient.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>

namespace QMRequest {

namespace {

constexpr int kNameColumn = 0;
constexpr int kModifiedColumn = 1;
QString const kUpName = QStringLiteral("..");

QHBoxLayout* newRow()
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    return row;
}

} // namespace

FtpGuiClient::FtpGuiClient(QWidget* parent)
    : QWidget(parent)
    , m_pClient(new FtpClient(this))
{
    setWindowTitle(tr("FTP client"));
    createWidgets();
    createLayout();
    createConnections();
}

FtpGuiClient::~FtpGuiClient() = default;

QString FtpGuiClient::testFileName()
{
    return QStringLiteral("TestFile.txt");
}

QByteArray FtpGuiClient::testFileContent()
{
    return QString(QStringLiteral("!!!TESTTEST!!!")).toLatin1();
}

bool FtpGuiClient::splitHostPort(QString const& text, QString* host, quint16* port)
{
    QString rest = text.trimmed();
    *port = FtpClient::kDefaultPort;
    QString portText;
    if (rest.startsWith(QLatin1Char('['))) {
        int const close = rest.indexOf(QLatin1Char(']'));
        if (close < 0)
            return false;
        *host = rest.mid(1, close - 1);
        QString const after = rest.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(QLatin1Char(':')))
            return false;
        portText = after.mid(1);
        if (after.startsWith(QLatin1Char(':')) && portText.isEmpty())
            return false;
    } else if (rest.count(QLatin1Char(':')) == 1) {
        *host = rest.section(QLatin1Char(':'), 0, 0);
        portText = rest.section(QLatin1Char(':'), 1);
        if (portText.isEmpty())
            return false;
    } else {
        // No colon, or a bare IPv6 address.
        *host = rest;
    }
    if (!portText.isEmpty()) {
        bool ok = false;
        uint const value = portText.toUInt(&ok);
        if (!ok || value == 0 || value > 65535)
            return false;
        *port = quint16(value);
    }
    return !host->isEmpty() && !host->contains(QLatin1Char(' '));
}

void FtpGuiClient::createWidgets()
{
    m_pHost = new QLineEdit;
    m_pHost->setObjectName(QStringLiteral("FtpHost"));
    m_pUser = new QLineEdit;
    m_pUser->setObjectName(QStringLiteral("FtpUser"));
    m_pPassword = new QLineEdit;
    m_pPassword->setObjectName(QStringLiteral("FtpPassword"));
    m_pPassword->setEchoMode(QLineEdit::Password);
    m_pLogin = new QPushButton(tr("&Login"));
    m_pLogin->setObjectName(QStringLiteral("FtpLogin"));
    m_pPath = new QLineEdit;
    m_pPath->setObjectName(QStringLiteral("FtpPath"));
    m_pGo = new QPushButton(tr("&Go"));
    m_pGo->setObjectName(QStringLiteral("FtpGo"));
    m_pRefresh = new QPushButton(tr("Rfr"));
    m_pRefresh->setObjectName(QStringLiteral("FtpRefresh"));
    m_pRefresh->setToolTip(tr("Refresh"));
    m_pListing = new QTreeWidget;
    m_pListing->setObjectName(QStringLiteral("FtpListing"));
    m_pListing->setHeaderLabels({tr("Name"), tr("LastModified")});
    m_pListing->setRootIsDecorated(false);
    m_pListing->header()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    m_pTest = new QPushButton(tr("Test"));
    m_pTest->setObjectName(QStringLiteral("FtpTest"));
    m_pTest->setToolTip(tr("Store %1 in the current folder").arg(testFileName()));
    m_pStatus = new QLabel;
    m_pStatus->setObjectName(QStringLiteral("FtpStatus"));
    m_pStatus->setWordWrap(true);
    // Server replies are shown as they came, never laid out as markup.
    m_pStatus->setTextFormat(Qt::PlainText);
    m_pStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void FtpGuiClient::createLayout()
{
    QHBoxLayout* login = newRow();
    login->addWidget(new QLabel(tr("Host:")));
    login->addWidget(m_pHost);
    login->addWidget(new QLabel(tr("User:")));
    login->addWidget(m_pUser);
    login->addWidget(new QLabel(tr("Password:")));
    login->addWidget(m_pPassword);
    login->addWidget(m_pLogin);

    QHBoxLayout* path = newRow();
    path->addWidget(new QLabel(tr("Path:")));
    path->addWidget(m_pPath);
    path->addWidget(m_pGo);
    path->addWidget(m_pRefresh);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(0);
    main->addLayout(login);
    main->addLayout(path);
    main->addWidget(m_pListing);
    main->addWidget(m_pTest);
    main->addWidget(m_pStatus);
}

void FtpGuiClient::createConnections()
{
    connect(m_pLogin, &QPushButton::clicked, this, &FtpGuiClient::slotLogin);
    connect(m_pGo, &QPushButton::clicked, this, &FtpGuiClient::slotGo);
    connect(m_pRefresh, &QPushButton::clicked, this, &FtpGuiClient::slotRefresh);
    connect(m_pTest, &QPushButton::clicked, this, &FtpGuiClient::slotTest);
    connect(m_pListing, &QTreeWidget::itemDoubleClicked, this, &FtpGuiClient::slotItemDoubleClicked);
    connect(m_pPath, &QLineEdit::returnPressed, this, &FtpGuiClient::slotGo);
    connect(m_pPassword, &QLineEdit::returnPressed, this, &FtpGuiClient::slotLogin);
}

bool FtpGuiClient::run(std::function<int()> const& command)
{
    if (m_bCloseWhenIdle)
        return false;
    QList<QWidget*> const controls{m_pHost, m_pUser,    m_pPassword, m_pLogin, m_pPath,
                                   m_pGo,   m_pRefresh, m_pListing,  m_pTest};
    for (QWidget* control : controls)
        control->setEnabled(false);
    setCursor(Qt::BusyCursor);
    QPointer<FtpGuiClient> const alive(this);
    int const result = command();
    // Deleted while the command waited (with a parent, or by deleteLater()):
    // nothing of the window is left to restore.
    if (alive.isNull())
        return false;
    bool const ok = result == FtpClient::NoError || showFailure();
    for (QWidget* control : controls)
        control->setEnabled(true);
    unsetCursor();
    if (m_bCloseWhenIdle) {
        // Back from the command's own loop: closing from here, once the caller
        // has returned too, pulls nothing from under anyone.
        QMetaObject::invokeMethod(
            this,
            [this] {
                // Shown again meanwhile: the window stays.
                if (!m_bCloseWhenIdle)
                    return;
                m_bCloseWhenIdle = false;
                close();
            },
            Qt::QueuedConnection);
        return false;
    }
    return ok;
}

void FtpGuiClient::closeEvent(QCloseEvent* event)
{
    if (!m_pClient->isBusy()) {
        QWidget::closeEvent(event);
        return;
    }
    // The command waits in a loop further up the stack; a window (and client)
    // deleted from within it would be used again when the loop returns. Cancel
    // the command and close when it is back.
    m_bCloseWhenIdle = true;
    event->ignore();
    hide();
    m_pClient->abort();
}

void FtpGuiClient::showEvent(QShowEvent* event)
{
    // A window closed during a command and shown again takes commands again.
    m_bCloseWhenIdle = false;
    QWidget::showEvent(event);
}

void FtpGuiClient::showStatus(QString const& text)
{
    m_pStatus->setText(text);
}

bool FtpGuiClient::showFailure()
{
    showStatus(m_pClient->errorString());
    return false;
}

void FtpGuiClient::slotLogin()
{
    QString host;
    quint16 port = 0;
    if (!splitHostPort(m_pHost->text(), &host, &port)) {
        showStatus(tr("Enter the server's host name, followed by \":\" and the port where it is not 21."));
        return;
    }
    bool const ok = run([&] { return m_pClient->connectToHost(host, port); })
                    && run([this] { return m_pClient->login(m_pUser->text(), m_pPassword->text()); });
    if (!ok)
        return;
    showStatus(tr("Logged in to %1.").arg(host));
    slotRefresh();
}

void FtpGuiClient::slotRefresh()
{
    if (m_bCloseWhenIdle)
        return;
    m_pListing->clear();
    auto* up = new QTreeWidgetItem(m_pListing);
    up->setText(kNameColumn, kUpName);
    up->setIcon(kNameColumn, style()->standardIcon(QStyle::SP_FileDialogToParent));

    QList<FtpEntry> entries;
    if (!run([&] { return m_pClient->list(QString(), &entries); }))
        return;
    // Folders first, each group by name as a file manager shows them.
    std::sort(entries.begin(), entries.end(), [](FtpEntry const& a, FtpEntry const& b) {
        if (a.isDir != b.isDir)
            return a.isDir;
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    // One icon of each kind, shared by every item: a style's lookup is far
    // too slow to make for each of many thousand entries.
    QIcon const folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    QIcon const fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    QLocale const locale;
    QList<QTreeWidgetItem*> items;
    items.reserve(entries.size());
    for (FtpEntry const& entry : qAsConst(entries)) {
        auto* item = new QTreeWidgetItem;
        item->setText(kNameColumn, entry.name);
        item->setIcon(kNameColumn, entry.isDir ? folderIcon : fileIcon);
        if (entry.lastModified.isValid())
            item->setText(kModifiedColumn, locale.toString(entry.lastModified.toLocalTime(), QLocale::ShortFormat));
        items.append(item);
    }
    // In one go: the view takes them in at once rather than one by one.
    m_pListing->addTopLevelItems(items);
}

void FtpGuiClient::changeFolder(QString const& name)
{
    QPointer<FtpGuiClient> const alive(this);
    if (run([&] { return m_pClient->cd(name); }))
        showStatus(QString());
    // Also after a failure: the listing shows where the client stands.
    if (alive)
        slotRefresh();
}

void FtpGuiClient::slotCd(QString const& name)
{
    changeFolder(name);
}

void FtpGuiClient::slotGo()
{
    changeFolder(m_pPath->text());
}

void FtpGuiClient::slotItemDoubleClicked(QTreeWidgetItem* item, int)
{
    if (item)
        changeFolder(item->text(kNameColumn));
}

void FtpGuiClient::slotTest()
{
    if (!run([this] { return m_pClient->put(testFileContent(), testFileName()); }))
        return;
    showStatus(tr("Stored %1.").arg(testFileName()));
    slotRefresh();
}

} // namespace QMRequest
