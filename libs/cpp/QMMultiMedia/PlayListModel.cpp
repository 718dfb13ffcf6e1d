#include "QMMultiMedia/PlayListModel.h"

#include "MTools/TimeInfo.h"
#include "QMMultiMedia/AudioFileDuration_p.h"
#include "QMMultiMedia/MediaLogging_p.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPalette>
#include <QThreadPool>

namespace QMMultiMedia {

namespace {

// The worker hands its results over in batches: often enough for the view to
// fill steadily, seldom enough not to flood the event loop.
constexpr int kBatchSize = 64;
constexpr qint64 kBatchMs = 40;

QTime timeOf(qint64 ms)
{
    return MTools::TimeInfo::msecsToTime(qMax<qint64>(0, ms));
}

} // namespace

PlayListModel::PlayListModel(QObject* parent)
    : QAbstractListModel(parent)
    , m_pPool(new QThreadPool(this))
    , m_pCancel(std::make_shared<std::atomic<bool>>(false))
{
    m_pPool->setMaxThreadCount(1);
}

PlayListModel::~PlayListModel()
{
    // The worker posts to this object: it must be done before the object goes.
    m_pCancel->store(true);
    m_pPool->waitForDone();
}

void PlayListModel::setPlayList(QStringList const& paths)
{
    beginResetModel();
    cancelMeasuring();
    m_lPaths.clear();
    m_lDurations.clear();
    m_vMeasure.clear();
    m_iPending = 0;
    appendRows(paths);
    endResetModel();
}

void PlayListModel::setPlayList(QDir const& dir, QStringList const& nameFilters)
{
    QStringList paths;
    for (QString const& name : dir.entryList(nameFilters, QDir::Files, QDir::NoSort))
        paths.append(dir.absoluteFilePath(name));
    setPlayList(paths);
}

void PlayListModel::appendToPlayList(QStringList const& paths)
{
    if (paths.isEmpty())
        return;
    beginResetModel();
    appendRows(paths);
    endResetModel();
}

void PlayListModel::appendRows(QStringList const& paths)
{
    int const first = m_lPaths.size();
    m_lPaths.append(paths);
    for (int i = 0; i < paths.size(); ++i) {
        m_lDurations.append(QTime());
        m_vMeasure.append(Measure::Pending);
    }
    m_iPending += paths.size();
    if (!paths.isEmpty())
        measure(first, paths);
}

void PlayListModel::cancelMeasuring()
{
    m_pCancel->store(true);
    m_pCancel = std::make_shared<std::atomic<bool>>(false);
}

void PlayListModel::measure(int firstRow, QStringList const& paths)
{
    std::shared_ptr<std::atomic<bool>> cancel = m_pCancel;
    m_pPool->start([this, cancel, firstRow, paths]() {
        QVector<Result> batch;
        QElapsedTimer sinceHandOver;
        sinceHandOver.start();
        auto handOver = [this, &batch, &sinceHandOver]() {
            // Queued to the model's thread; the destructor waits for this worker,
            // so the model is still there.
            QMetaObject::invokeMethod(
                this, [this, batch]() { applyResults(batch); }, Qt::QueuedConnection);
            batch.clear();
            sinceHandOver.restart();
        };
        for (int i = 0; i < paths.size(); ++i) {
            if (cancel->load())
                return;
            batch.append({firstRow + i, paths.at(i), readAudioFileDurationMs(paths.at(i))});
            if (batch.size() >= kBatchSize || sinceHandOver.elapsed() >= kBatchMs)
                handOver();
        }
        if (!batch.isEmpty() && !cancel->load())
            handOver();
    });
}

void PlayListModel::applyResults(QVector<Result> const& results)
{
    int first = -1;
    int last = -1;
    for (Result const& r : results) {
        // A row that was reset or renamed since is measured by a later job.
        if (r.row >= m_lPaths.size() || m_lPaths.at(r.row) != r.path || m_vMeasure.at(r.row) != Measure::Pending)
            continue;
        if (r.ms < 0) {
            qCDebug(lcMedia) << "cannot read as sound:" << r.path;
            m_vMeasure[r.row] = Measure::Unreadable;
        } else {
            m_vMeasure[r.row] = Measure::Done;
        }
        m_lDurations[r.row] = timeOf(r.ms);
        --m_iPending;
        first = first < 0 ? r.row : qMin(first, r.row);
        last = qMax(last, r.row);
    }
    if (first >= 0)
        emit dataChanged(index(first), index(last), {DurationRole, Qt::ToolTipRole, Qt::ForegroundRole});
}

QTime PlayListModel::audioFileDuration(QString const& path) const
{
    return timeOf(readAudioFileDurationMs(path));
}

bool PlayListModel::isReadable(int row) const
{
    return row >= 0 && row < m_vMeasure.size() && m_vMeasure.at(row) != Measure::Unreadable;
}

bool PlayListModel::isValidRow(QModelIndex const& index) const
{
    return index.isValid() && index.row() >= 0 && index.row() < m_lPaths.size() && index.column() == 0;
}

int PlayListModel::rowCount(QModelIndex const& /*parent*/) const
{
    return m_lPaths.size();
}

QVariant PlayListModel::data(QModelIndex const& index, int role) const
{
    if (!isValidRow(index))
        return {};
    int const row = index.row();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QFileInfo(m_lPaths.at(row)).fileName();
    case ModifiedRole:
        return QFileInfo(m_lPaths.at(row)).lastModified();
    case PathRole:
        return m_lPaths.at(row);
    case DurationRole:
        return m_lDurations.at(row);
    case Qt::ToolTipRole:
        if (m_vMeasure.at(row) == Measure::Unreadable)
            return tr("This file cannot be played: it is missing, unreadable or not a sound file.");
        return {};
    case Qt::ForegroundRole:
        if (m_vMeasure.at(row) == Measure::Unreadable)
            return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    default:
        return {};
    }
}

bool PlayListModel::setData(QModelIndex const& index, QVariant const& value, int role)
{
    if (!isValidRow(index) || role != Qt::EditRole)
        return false;
    // The editor shows the file name only, so the text is a new name for the
    // file in the same folder, not a path.
    QString const name = value.toString();
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    int const row = index.row();
    QString const& old = m_lPaths.at(row);
    QString const path = old.left(old.lastIndexOf(QLatin1Char('/')) + 1) + name;
    if (path == old)
        return true;
    m_lPaths[row] = path;
    // The old duration belongs to the old file.
    if (m_vMeasure.at(row) != Measure::Pending)
        ++m_iPending;
    m_vMeasure[row] = Measure::Pending;
    m_lDurations[row] = QTime();
    emit dataChanged(index, index);
    measure(row, {path});
    return true;
}

QVariant PlayListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return tr("Number");
    return QString::number(section);
}

Qt::ItemFlags PlayListModel::flags(QModelIndex const& index) const
{
    Qt::ItemFlags f = QAbstractListModel::flags(index);
    if (isValidRow(index))
        f |= Qt::ItemIsEditable;
    return f;
}

} // namespace QMMultiMedia
