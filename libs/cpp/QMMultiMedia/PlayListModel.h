#pragma once
// A list model of audio files for a list view: one row per file path, shown by
// its file name and editable, with roles for the file's modification time, its
// path and its playing time.
//
// The playing times are read from the files' headers on a worker thread, so that
// a list of thousands of files fills at once and stays responsive: a row's
// duration is a null QTime until it has been read, and dataChanged() announces
// it. A file that cannot be read as sound gets the duration 00:00:00, a tool tip
// saying so and greyed text; the other rows are not held up by it.

#include <QAbstractListModel>
#include <QDir>
#include <QStringList>
#include <QTime>
#include <QVector>

#include <atomic>
#include <memory>

class QThreadPool;

namespace QMMultiMedia {

class PlayListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role {
        ModifiedRole = Qt::UserRole + 1, // QDateTime: the file's last modification
        PathRole = Qt::UserRole + 3,     // QString: the row's path
        DurationRole = Qt::UserRole + 4  // QTime: the playing time, whole seconds
    };

    explicit PlayListModel(QObject* parent = nullptr);
    ~PlayListModel() override;

    // Replaces all rows.
    void setPlayList(QStringList const& paths);
    // Replaces all rows with a folder's files that match the filters, in the
    // order the file system lists them.
    void setPlayList(QDir const& dir, QStringList const& nameFilters);
    // Adds rows at the end; an empty list does nothing.
    void appendToPlayList(QStringList const& paths);

    // The playing time of any file, read at once from its header; 00:00:00
    // when it cannot be read. The rows are not touched.
    QTime audioFileDuration(QString const& path) const;

    // True while some row's duration has not been read yet.
    bool isMeasuring() const { return m_iPending > 0; }
    // False for a row whose file could not be read as sound.
    bool isReadable(int row) const;

    int rowCount(QModelIndex const& parent = QModelIndex()) const override;
    QVariant data(QModelIndex const& index, int role = Qt::DisplayRole) const override;
    // Renames the row's entry: the text is a new file name in the same folder.
    bool setData(QModelIndex const& index, QVariant const& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(QModelIndex const& index) const override;

private:
    enum class Measure : quint8 { Pending, Done, Unreadable };
    struct Result
    {
        int row;
        QString path;
        qint64 ms; // -1: unreadable
    };

    bool isValidRow(QModelIndex const& index) const;
    void cancelMeasuring();
    void appendRows(QStringList const& paths);
    void measure(int firstRow, QStringList const& paths);
    void applyResults(QVector<Result> const& results);

    QStringList m_lPaths;
    QList<QTime> m_lDurations;
    QVector<Measure> m_vMeasure;
    int m_iPending = 0;
    // One worker reads the headers in row order.
    QThreadPool* m_pPool;
    // Set when the rows the running jobs measure are gone.
    std::shared_ptr<std::atomic<bool>> m_pCancel;
};

} // namespace QMMultiMedia
