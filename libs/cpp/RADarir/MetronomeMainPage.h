#pragma once
// The application's main window: the metronome filling the page below the
// promotion bar.

#include <QFrame>

namespace RADarir {

class Metronome;

class MetronomeMainPage : public QFrame
{
    Q_OBJECT
public:
    explicit MetronomeMainPage(QWidget* parent = nullptr);
    ~MetronomeMainPage() override;

    Metronome* metronome() const { return m_pMetronome; }

private:
    Metronome* m_pMetronome;
};

} // namespace RADarir
