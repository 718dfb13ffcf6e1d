// The application object's settings store and per-user folders.
#include "ZEDireroz/frame/App.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>

namespace ZEDireroz {

namespace {

// How long an update waits for another copy of the program to finish its own.
constexpr int kSettingsLockWaitMs = 10000;

// The settings object takes in another copy's writes only when the file's size
// or modification time (to the millisecond) has changed since it last read it.
// Two writes in one millisecond that leave the size alone would go unseen, so
// a write under the update lock always moves the time on.
void moveModificationTimeOn(QString const& file, QDateTime const& before)
{
    if (!before.isValid() || QFileInfo(file).lastModified() > before)
        return;
    QFile stamped(file);
    if (stamped.open(QIODevice::ReadOnly))
        stamped.setFileTime(before.addMSecs(1), QFileDevice::FileModificationTime);
}

// A read of the file that overlaps another copy's write can keep the old
// content with the new file's size and time, and the settings object would
// then never take in that write (seen with eight copies started together on
// two cores: one start lost). Under the update lock the time is first moved
// past every time the file has had, so that the read which follows is always
// a fresh one.
void forceFreshRead(QString const& file)
{
    QDateTime const now = QDateTime::currentDateTime();
    QDateTime const stamp = QFileInfo(file).lastModified();
    if (stamp.isValid())
        moveModificationTimeOn(file, std::max(stamp, now));
}

QString withTrailingSlash(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

QString App::settingsKey(QString const& key) const
{
    if (m_bOldSettingsMode)
        return key;
    return QCoreApplication::applicationName() + QLatin1Char('/') + key;
}

QVariant App::settingsValue(QString const& key, QVariant const& defaultValue)
{
    return m_pSettings->value(settingsKey(key), defaultValue);
}

void App::setSettingsValue(QString const& key, QVariant const& value)
{
    m_pSettings->setValue(settingsKey(key), value);
}

QVariant App::updateSettingsValue(QString const& key, QVariant const& defaultValue,
                                  std::function<QVariant(QVariant const&)> const& change)
{
    QString const file = m_pSettings->fileName();
    // Not the settings object's own "settings.plist.lock", which it takes
    // while it saves: that one is held only for the write.
    QLockFile lock(file + QStringLiteral(".update.lock"));
    if (!lock.tryLock(kSettingsLockWaitMs))
        qWarning() << "settings: no lock on" << file << "(error" << int(lock.error()) << "), updating" << key
                   << "without it";
    // Takes in what other copies wrote since this one last read the file.
    if (lock.isLocked())
        forceFreshRead(file);
    m_pSettings->sync();
    QDateTime const read = QFileInfo(file).lastModified();
    QVariant const value = settingsValue(key, defaultValue);
    setSettingsValue(key, change(value));
    m_pSettings->sync();
    if (lock.isLocked())
        moveModificationTimeOn(file, read);
    return value;
}

void App::removeSettingsValue(QString const& key)
{
    m_pSettings->remove(settingsKey(key));
}

QStringList App::settingsKeys()
{
    if (m_bOldSettingsMode)
        return m_pSettings->childKeys();
    m_pSettings->beginGroup(QCoreApplication::applicationName());
    QStringList const keys = m_pSettings->childKeys();
    m_pSettings->endGroup();
    return keys;
}

QSettings* App::settings()
{
    return m_pSettings;
}

bool App::canSaveSettings()
{
    // A real attempt: permission bits say nothing of a read-only file system
    // or of a folder that could not be created.
    QTemporaryFile probe(supportDirectory() + QStringLiteral("write-test-XXXXXX"));
    if (!probe.open())
        return false;
    QFileInfo const file(m_pSettings->fileName());
    return !file.exists() || file.isWritable();
}

void App::setOldSettingsMode(bool on)
{
    m_bOldSettingsMode = on;
}

void App::ensureDirExists(QString const& path)
{
    QDir dir(path);
    if (!dir.exists())
        dir.mkpath(path);
}

QString App::userFolder(QString const& base, QString const& name)
{
    QString path = withTrailingSlash(base);
    if (!name.isEmpty())
        path += name + QLatin1Char('/');
    ensureDirExists(path);
    return path;
}

QString App::workDirectory()
{
    return userFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), QStringLiteral("Work"));
}

QString App::supportDirectory()
{
    QString const path = userFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), QString());
    qDebug() << "!!!" << path;
    return path;
}

QString App::cachesDirectory()
{
    return userFolder(QStandardPaths::writableLocation(QStandardPaths::CacheLocation), QString());
}

QString App::picturesDirectory()
{
    return userFolder(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                      QCoreApplication::applicationName());
}

QString App::musicDirectory()
{
    return userFolder(QStandardPaths::writableLocation(QStandardPaths::MusicLocation),
                      QCoreApplication::applicationName());
}

QString App::moviesDirectory()
{
    return userFolder(QStandardPaths::writableLocation(QStandardPaths::MoviesLocation),
                      QCoreApplication::applicationName());
}

QString App::downloadsDirectory()
{
    return userFolder(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation),
                      QCoreApplication::applicationName());
}

QString App::bundleResourcePath() const
{
    return m_sBundleResourcePath;
}

QString App::resolveBundleResourcePath(QString const& overridePath, QString const& applicationDirPath,
                                       QString const& buildResourcePath)
{
    if (!overridePath.isEmpty())
        return withTrailingSlash(overridePath);
    QString const installed = QDir::cleanPath(applicationDirPath + QStringLiteral("/../share/tickwren"));
    if (QFileInfo(installed).isDir())
        return withTrailingSlash(installed);
    if (!buildResourcePath.isEmpty())
        return withTrailingSlash(buildResourcePath);
    return withTrailingSlash(applicationDirPath);
}

QString App::openDirPath() const
{
    return m_sOpenDirPath;
}

QString App::saveDirPath() const
{
    return m_sSaveDirPath;
}

// Callers append a file name to these folders, so they keep their trailing
// slash after being set, as they have before.
void App::setOpenDirPath(QString const& filePath)
{
    m_sOpenDirPath = withTrailingSlash(QFileInfo(filePath).absolutePath());
}

void App::setSaveDirPath(QString const& filePath)
{
    m_sSaveDirPath = withTrailingSlash(QFileInfo(filePath).absolutePath());
}

bool App::copyTo(QString const& sourceFile, QString const& targetFolder, QString const& newName)
{
    ensureDirExists(targetFolder);
    QString const name = newName.isEmpty() ? QFileInfo(sourceFile).fileName() : newName;
    QString const target = targetFolder + QLatin1Char('/') + name;
    // An existing file is never overwritten, and then nothing was copied.
    if (QFileInfo::exists(target))
        return false;

    QFile in(sourceFile);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    // The copy appears under its name only once every byte is written.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    for (;;) {
        qint64 const n = in.read(buffer, sizeof buffer);
        if (n < 0) {
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

bool App::copyToSupportDirectory(QString const& sourceFile, QString const& newName)
{
    return copyTo(sourceFile, supportDirectory(), newName);
}

} // namespace ZEDireroz
