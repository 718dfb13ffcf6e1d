#include "ZEDireroz/screentools/ScreenCropper.h"

#include "ZEDireroz/dialogs/MessageBox.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/screentools/ScreenGrab.h"
#include "platform/desktop/Os.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>
#include <QWindow>

Q_LOGGING_CATEGORY(lcScreenTools, "tickwren.screentools")

namespace ZEDireroz {

namespace {

// Further saves within one second get a counter; past this many something is
// wrong with the folder rather than the clock.
constexpr int kMaxSavesPerSecond = 1000;

constexpr int kFrameWidth = 7;

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

// The folder with the home folder written as "~", as a user knows it.
QString shortFolderName(QString const& folder)
{
    QString const home = QDir::homePath();
    if (folder == home)
        return QStringLiteral("~");
    if (folder.startsWith(home + QLatin1Char('/')))
        return QStringLiteral("~") + folder.mid(home.size());
    return folder;
}

QString picturesFolder()
{
    if (App* app = App::theApp())
        return withoutTrailingSlash(app->picturesDirectory());
    QString const folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + QLatin1Char('/')
                           + QCoreApplication::applicationName();
    QDir().mkpath(folder);
    return folder;
}

} // namespace

ScreenCropper::ScreenCropper(QWidget* parent)
    : QFrame(parent)
{
    auto* close = new QAction(QStringLiteral("Close"), this);
    close->setShortcut(Qt::Key_Escape);
    addAction(close);
    connect(close, SIGNAL(triggered()), this, SLOT(slotClose()));
    connect(close, SIGNAL(triggered()), this, SIGNAL(escaped()));
    // A save before any language change must not land at the file-system root.
    ScreenCropper::retranslateUi();
}

ScreenCropper::~ScreenCropper() = default;

void ScreenCropper::setShowMode(int mode)
{
    m_nShowMode = mode;
}

void ScreenCropper::setMessage(QString const& text)
{
    m_sMessage = text;
}

QString ScreenCropper::defaultMessage() const
{
    return tr("Select the area you want to crop.\n") + tr("The image file will be saved ") + m_sLocation
           + QLatin1Char('\n') + tr("Hold [ALT] to go, after screenshot is done, to its location\n")
           + tr("Press [ESC] to cancel this operation");
}

QString ScreenCropper::simpleMessage() const
{
    return tr("Select the area you want to crop. \n") + tr("(to cancel this operation press ESC button)");
}

QPixmap ScreenCropper::result() const
{
    return m_pixResult;
}

void ScreenCropper::recreatePix2()
{
    m_pixDisplay = m_pixScreen;
}

void ScreenCropper::retranslateUi()
{
    QDir const current(m_sSaveFolder);
    App* app = App::theApp();
    if (!app || app->isAppStore()) {
        m_sSaveFolder = picturesFolder();
        m_sLocation = tr("in %1").arg(shortFolderName(m_sSaveFolder));
    } else if (current.isReadable()) {
        m_sSaveFolder =
            withoutTrailingSlash(QStandardPaths::standardLocations(QStandardPaths::DesktopLocation).value(0));
        m_sLocation = tr("on Desktop");
    } else {
        m_sSaveFolder = withoutTrailingSlash(QStandardPaths::standardLocations(QStandardPaths::HomeLocation).value(0));
        m_sLocation = tr("in Home Location");
    }
}

QString ScreenCropper::saveFolder() const
{
    return m_sSaveFolder;
}

void ScreenCropper::setScreenSource(ScreenSource source)
{
    m_fnSource = std::move(source);
}

QRect ScreenCropper::cutRectangle(QPoint const& start, QPoint const& end, QSize const& pictureSize,
                                  QSize const& widgetSize)
{
    if (pictureSize.isEmpty() || widgetSize.isEmpty())
        return QRect();
    // The picture is stretched over the whole widget, whatever the window's size,
    // so each axis has its own factor; products are truncated towards zero.
    qreal const xFactor = qreal(pictureSize.width()) / widgetSize.width();
    qreal const yFactor = qreal(pictureSize.height()) / widgetSize.height();
    auto const toPicture = [&](QPoint const& point) {
        int const x = qBound(0, point.x(), widgetSize.width() - 1);
        int const y = qBound(0, point.y(), widgetSize.height() - 1);
        return QPoint(static_cast<int>(x * xFactor), static_cast<int>(y * yFactor));
    };
    QPoint const a = toPicture(start);
    QPoint const b = toPicture(end);
    return QRect(QPoint(qMin(a.x(), b.x()), qMin(a.y(), b.y())), QPoint(qMax(a.x(), b.x()), qMax(a.y(), b.y())));
}

QString ScreenCropper::fileName(QDateTime const& stamp, int count)
{
    QString name = QStringLiteral("ScreenShot_") + stamp.toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss"));
    if (count > 1)
        name += QLatin1Char('_') + QString::number(count);
    return name + QStringLiteral(".png");
}

void ScreenCropper::grabScreen()
{
    m_bPressed = false;
    // Alt or Return asks to reveal this capture's file, not every later one.
    m_bReveal = false;
    if (!takeScreenPicture())
        return;
    showByMode();
    raise();
    activateWindow();
    repaint();
    setFocus(Qt::OtherFocusReason);
    setCursor(Qt::CrossCursor);
}

bool ScreenCropper::takeScreenPicture()
{
    QPixmap const picture = m_fnSource ? m_fnSource() : ScreenGrab::grabScreenUnderPointer();
    if (picture.isNull()) {
        qCWarning(lcScreenTools) << "the screen could not be read on" << QGuiApplication::platformName();
        MessageBox::warning(parentWidget(), QCoreApplication::applicationName() + tr(" Screen Capture"),
                            tr("The screen could not be captured. The desktop may not allow this program to take "
                               "a picture of it."),
                            QMessageBox::Ok);
        emit grabFailed();
        return false;
    }
    m_pixScreen = picture;
    m_pixDisplay = picture;
    return true;
}

qreal ScreenCropper::screenScale() const
{
    qreal const scale = m_pixScreen.devicePixelRatio();
    return scale > 0 ? scale : 1.0;
}

void ScreenCropper::showByMode()
{
    switch (m_nShowMode) {
    case ShowFullScreen:
        // A desktop without a window manager ignores the full-screen request, so
        // the window also takes the screen's place itself.
        if (isWindow()) {
            if (QScreen* screen = ScreenGrab::screenUnderPointer()) {
                setGeometry(screen->geometry());
                if (QWindow* handle = windowHandle())
                    handle->setScreen(screen);
            }
        }
        showFullScreen();
        break;
    case ShowMaximized:
        showMaximized();
        break;
    default:
        show();
        break;
    }
}

void ScreenCropper::slotClose()
{
    m_bPressed = false;
    hide();
    emit closed();
}

void ScreenCropper::slotSave()
{
    QString const folder = m_sSaveFolder;
    QDateTime const now = QDateTime::currentDateTime();
    if (m_pixResult.isNull()) {
        qCWarning(lcScreenTools) << "nothing has been cut yet; nothing saved";
        emit saveFailed(QString());
        return;
    }
    QString path = folder + QLatin1Char('/') + fileName(now, 1);
    if (!QDir().mkpath(folder)) {
        qCWarning(lcScreenTools) << "cannot create the folder" << folder;
        emit saveFailed(path);
        return;
    }
    for (int count = 1; count <= kMaxSavesPerSecond; ++count) {
        path = folder + QLatin1Char('/') + fileName(now, count);
        QFile file(path);
        // NewOnly: an earlier picture of the same second keeps its file.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(path))
                continue;
            qCWarning(lcScreenTools) << "cannot write" << path << file.errorString();
            break;
        }
        bool written = m_pixResult.save(&file, "PNG") && file.flush();
        file.close();
        written = written && file.error() == QFileDevice::NoError;
        if (!written) {
            qCWarning(lcScreenTools) << "writing" << path << "failed:" << file.errorString();
            file.remove();
            break;
        }
        if (m_bReveal)
            Os::openFolderAndSelectFile(path);
        emit saved();
        return;
    }
    emit saveFailed(path);
}

void ScreenCropper::mousePressEvent(QMouseEvent* event)
{
    m_pStart = event->pos();
    m_pEnd = event->pos();
    m_bPressed = true;
    QWidget::mousePressEvent(event);
    repaint();
}

void ScreenCropper::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    m_pEnd = event->pos();
    repaint();
}

void ScreenCropper::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->modifiers() & Qt::AltModifier)
        m_bReveal = true;
    QWidget::mouseReleaseEvent(event);
    // A release whose press went elsewhere (the click that started the capture)
    // selects nothing.
    if (!m_bPressed)
        return;
    m_pEnd = event->pos();
    m_pixResult = m_pixScreen.copy(cutRectangle(m_pStart, m_pEnd, m_pixScreen.size(), size()));
    slotClose();
    emit done(m_pixResult);
    emit done();
}

void ScreenCropper::keyPressEvent(QKeyEvent* event)
{
    QWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Return)
        m_bReveal = true;
}

void ScreenCropper::paintEvent(QPaintEvent*)
{
    int const w = width();
    int const h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QBrush(QColor(255, 255, 255, 128)), kFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(Qt::black);
    painter.drawRect(QRect(QPoint(0, 0), QPoint(w, h)));
    painter.drawPixmap(QRect(0, 0, w, h), m_pixDisplay);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, w - 1, h - 1));

    if (m_bPressed) {
        painter.setPen(QPen(QBrush(QColor(210, 210, 210)), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.setBrush(QColor(10, 10, 80, 100));
        painter.drawRect(QRect(m_pStart, m_pEnd));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    int const dx = static_cast<int>(w / 3.7);
    int const dy = static_cast<int>(h / 2.5);
    drawHintBox(painter, rect().adjusted(dx, dy, -dx, -dy), 20, defaultMessage());
}

void ScreenCropper::drawHintBox(QPainter& painter, QRect const& box, int pixelSize, QString const& defaultText)
{
    QFont font = this->font();
    font.setPixelSize(pixelSize);
    painter.setFont(font);
    QString const text = m_sMessage.isEmpty() ? defaultText : m_sMessage;
    int const flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;
    // The box keeps its place in the middle but grows to hold the whole text
    // (a small window, a long translation), never past the window's edges.
    int const margin = pixelSize / 2;
    QRect const inner = box.adjusted(margin, margin, -margin, -margin);
    int const needed = painter.fontMetrics().boundingRect(QRect(0, 0, inner.width(), 0), flags, text).height();
    int const grow = qMax(0, needed - inner.height() + 1) / 2 + 1;
    QRect const fitted = (needed > inner.height() ? box.adjusted(0, -grow, 0, grow) : box).intersected(rect());
    painter.setPen(QPen(QBrush(QColor(200, 200, 200)), 4, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(QColor(0, 0, 0, 180));
    painter.drawRoundedRect(fitted, 5, 20, Qt::RelativeSize);
    painter.drawText(fitted.adjusted(margin, margin, -margin, -margin), flags, text);
}

void ScreenCropper::resizeEvent(QResizeEvent*)
{
    m_pixDisplay = m_pixScreen;
}

void ScreenCropper::closeEvent(QCloseEvent* event)
{
    // A close from the window manager ends the capture like Escape does, so the
    // owner hears of it.
    if (isVisible())
        slotClose();
    event->accept();
}

void ScreenCropper::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
}

void ScreenCropper::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

} // namespace ZEDireroz
