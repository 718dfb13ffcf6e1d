#pragma once
// A complete music page: the promotion bar above the piano notes finder, with
// the piano's shop links in the bar's More menu once addShopMenu() has run.

#include "RADarir/music/BaseMainPage.h"

namespace RADarir {

class PianoNotesFinder;

class PianoNotesFinderMainPage : public BaseMainPage
{
    Q_OBJECT
public:
    explicit PianoNotesFinderMainPage(QWidget* parent = nullptr);

    void addShopMenu() override;
    PianoNotesFinder* finder() const { return m_pFinder; }

private:
    PianoNotesFinder* m_pFinder;
};

} // namespace RADarir
