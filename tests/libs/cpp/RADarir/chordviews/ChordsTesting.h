#pragma once
// What the chord tests share: a guitar page filled the way the instrument
// pages fill theirs, which notes every sample it starts (and still starts it).

#include "RADarir/chordviews/ChordView.h"
#include "RADarir/chordviews/ChordsMainPage.h"
#include "assets/generator/InstrumentSamples.h"
#include "platform/audio/NativeAudioPlayer.h"

#include <QPointer>
#include <QStringList>
#include <QVector>

namespace ChordsTesting {

// The guitar's open strings, lowest first: E2 A2 D3 G3 B3 E4.
inline QVector<int> const& openStrings()
{
    static QVector<int> const strings = {40, 45, 50, 55, 59, 64};
    return strings;
}

// A tab that tells its chord index apart from every other: the first two
// strings carry the index's root and type, the others a fixed shape. Chord 0
// is the open A chord.
inline QVector<int> tabOf(int index)
{
    if (index == 0)
        return {-1, 0, 2, 2, 2, 0};
    return {index / 11, index % 11, 0, -1, 2, 1};
}

class GuitarPage : public RADarir::ChordsMainPage
{
public:
    QStringList played;
    QVector<QPointer<QMMultiMedia::NativeAudioPlayer>> players;
    int initCalls = 0;

    explicit GuitarPage(QWidget* parent = nullptr)
        : ChordsMainPage(parent)
    {
        setInstrumentName(QStringLiteral("guitar"));
        setDelay(50);
        initChords();
        m_pChordView->setChordTabAndName(0, m_vecTabs.at(0), QStringLiteral("A"));
    }

    // The sample of a string stopped at a fret, or an empty entry for a string not played.
    QString samplePath(int string, int fret) const
    {
        if (fret < 0)
            return QString();
        InstrumentSamples::Sample s;
        s.prefix = QStringLiteral("guitar");
        s.midi = openStrings().at(string) + fret;
        return m_strResourcesPath + s.fileName();
    }

    void addShopMenu() override { }
    void setSounds(int index, QStringList const& sounds) { m_vecSounds[index] = sounds; }
    QVector<int> tabAt(int index) const { return m_vecTabs.at(index); }

protected:
    void initChords() override
    {
        ++initCalls;
        for (int i = 0; i < kChordCount; ++i) {
            m_vecTabs[i] = tabOf(i);
            QStringList sounds;
            for (int s = 0; s < m_vecTabs[i].size(); ++s)
                sounds << samplePath(s, m_vecTabs[i][s]);
            m_vecSounds[i] = sounds;
        }
    }

    QMMultiMedia::NativeAudioPlayer* playSample(QString const& path) override
    {
        played << path;
        QMMultiMedia::NativeAudioPlayer* player = ChordsMainPage::playSample(path);
        players << player;
        return player;
    }
};

} // namespace ChordsTesting
