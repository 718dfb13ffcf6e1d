#include "RADarir/chordpages/ChordPage_p.h"
#include "RADarir/chordviews/ChordView.h"

#include <QFileInfo>
#include <QResource>
#include <QSet>

#include <algorithm>

Q_LOGGING_CATEGORY(lcChordPages, "tickwren.chordpages")

namespace RADarir {
namespace ChordPagesPrivate {

namespace {
QString const kPhotoFile = QStringLiteral("ChordPhotos.rcc");

int lowestNote(ChordTables::Layout const& layout)
{
    return *std::min_element(layout.openNotes.begin(), layout.openNotes.end());
}
} // namespace

QStringList samplePaths(QString const& resourcePath, ChordTables::Layout const& layout)
{
    QStringList paths;
    for (QString const& file : ChordTables::sampleFiles(layout))
        paths << resourcePath + file;
    return paths;
}

void storeChord(QVector<QStringList>& sounds, QVector<QVector<int>>& tabs, QStringList const& samplePaths,
                ChordTables::Layout const& layout, int index, QVector<int> const& values)
{
    if (index < 0 || index >= sounds.size() || index >= tabs.size()) {
        qCWarning(lcChordPages) << layout.id << "has no chord" << index;
        return;
    }
    QStringList paths;
    for (int string = 0; string < values.size(); ++string) {
        int const note = ChordTables::soundingNote(layout, string, values.at(string));
        paths << (note < 0 ? QString() : samplePaths.value(note - lowestNote(layout)));
    }
    sounds[index] = paths;
    tabs[index] = values;
}

void registerPhotos(QString const& resourcePath)
{
    static QSet<QString> s_tried;
    QString const file = resourcePath + kPhotoFile;
    if (s_tried.contains(file))
        return;
    s_tried.insert(file);
    if (!QResource::registerResource(file))
        qCWarning(lcChordPages) << "no chord photos:" << QFileInfo(file).absoluteFilePath() << "cannot be read";
}

void showFirstChord(ChordView* view, QVector<QVector<int>> const& tabs)
{
    view->setChordTabAndName(0, tabs.value(0), QStringLiteral("A"));
}

} // namespace ChordPagesPrivate
} // namespace RADarir
