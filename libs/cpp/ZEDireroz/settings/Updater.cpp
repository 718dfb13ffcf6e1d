#include "ZEDireroz/settings/Updater.h"

#include "QMRequest/Downloader.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/TickwrenLinks.h"
#include "ZEDireroz/settings/UpdaterDialog.h"
#include "ZEDireroz/settings/WaitLabel.h"

#include <QDate>
#include <QDebug>
#include <QLabel>

namespace ZEDireroz {

namespace {
QString const kAvailablePicture = QStringLiteral(":/pix/update_available.png");
QString const kNotAvailablePicture = QStringLiteral(":/pix/update_not_available.png");
} // namespace

QString const& Updater::serverAddress()
{
    static QString const s_address = QStringLiteral("https://") + QLatin1String(TickwrenLinks::kMakerHost);
    return s_address;
}

QString Updater::updatesPageLink()
{
    return serverAddress() + QStringLiteral("/updates/");
}

Updater::Updater(bool silent, QObject* parent)
    : QObject(parent)
    , m_bSilent(silent)
    , m_sMagic(QStringLiteral("LF"))
    , m_sCheckLink(serverAddress() + QStringLiteral("/updates.htm"))
    , m_nTimeoutMs(QMRequest::DownloadManager::DefaultTimeoutMs)
{
}

void Updater::setMagicString(QString const& magic)
{
    m_sMagic = magic;
}

void Updater::setUpdatesCheckLink(QString const& link)
{
    m_sCheckLink = link;
}

void Updater::slotUpdate()
{
    auto* waitLabel = new WaitLabel(tr("<H1><CENTER>Searching for the updates<BR>Please, wait ...</CENTER></H1>"));
    waitLabel->show();
    doUpdate(waitLabel);
    waitLabel->hide();
    delete waitLabel;
}

bool Updater::doUpdate(QLabel* waitLabel)
{
    qDebug() << "!!!doUpdate()";

    QMRequest::Downloader downloader;
    downloader.setTimeout(m_nTimeoutMs);
    QMRequest::Downloader::Status status = QMRequest::Downloader::NotStarted;
    QByteArray body = downloader.get(m_sCheckLink, QEventLoop::AllEvents, &status);
    int const nul = body.indexOf('\0');
    if (nul >= 0)
        body.truncate(nul);
    QString const text = QString::fromUtf8(body);

    // Every failure is told apart, so the user is never told "latest version"
    // when nothing was learnt.
    QString failure;
    switch (status) {
    case QMRequest::Downloader::Succeeded:
        break;
    case QMRequest::Downloader::ServerError:
        failure = tr("The update server answered with an error (%1).\nTry to go to the update web page?")
                      .arg(downloader.httpStatus());
        break;
    case QMRequest::Downloader::TimedOut:
        failure = tr("The update server did not answer in time.\nTry to go to the update web page?");
        break;
    case QMRequest::Downloader::TooLarge:
        // No update page is that large: whatever answered is not our server.
        failure = tr("The update information could not be read.\nTry to go to the update web page?");
        break;
    default:
        failure = tr("No internet connection is available.\nTry to go to the update web page?");
        break;
    }

    QDate published;
    if (failure.isEmpty()) {
        QString const pattern = m_sMagic + QStringLiteral(":1.1.");
        int const found = text.indexOf(pattern, 0, Qt::CaseSensitive);
        if (found >= 0) {
            int const start = found + pattern.size();
            int const end = text.indexOf(QLatin1Char('\n'), start);
            // The line may end in CR LF, or be the last one without a line feed.
            QString const dateText = text.mid(start, end < 0 ? -1 : end - start).trimmed();
            published = QDate::fromString(dateText, QStringLiteral("dd.MM.yyyy"));
        }
        if (!published.isValid()) {
            // A portal page, a redirect, another product's page or a damaged line.
            qDebug() << "XXX5";
            failure = tr("The update information could not be read.\nTry to go to the update web page?");
        }
    }

    if (!failure.isEmpty()) {
        if (!m_bSilent)
            showAnswer(waitLabel, failure, kNotAvailablePicture);
        return false;
    }

    if (published > App::theApp()->buildDate()) {
        showAnswer(waitLabel,
                   tr("The newer version of %1 is available.\nGo to the updates web page?")
                       .arg(QCoreApplication::applicationName()),
                   kAvailablePicture);
    } else if (!m_bSilent) {
        showAnswer(waitLabel,
                   tr("<CENTER>You are using the latest version available.<BR>Go to the updates web page?</CENTER>"),
                   kNotAvailablePicture);
    }
    return true;
}

void Updater::showAnswer(QLabel* waitLabel, QString const& text, QString const& picture)
{
    if (waitLabel)
        waitLabel->hide();
    UpdaterDialog dialog(nullptr);
    dialog.setMessage(text);
    dialog.setPic(QPixmap(picture));
    dialog.exec();
}

} // namespace ZEDireroz
