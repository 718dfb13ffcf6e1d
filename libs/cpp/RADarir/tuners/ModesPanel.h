#pragma once
// The control panel at the top of every tuner page: the pitch, repeat and app
// strip plus Modes (shown only by a page with string layouts to offer) and
// More, whose menu holds the page's application and instrument links.

#include "RADarir/tuners/TunersCommonPanel.h"

#include <QPixmap>
#include <QString>

class QAction;
class QMenu;
class QSignalMapper;

namespace RADarir {

class ModesPanel : public TunersCommonPanel
{
    Q_OBJECT
public:
    explicit ModesPanel(QWidget* parent);
    ~ModesPanel() override;

    QPushButton* modesButton() const { return m_pModesButton; }
    QPushButton* moreButton() const { return m_pMoreButton; }
    QMenu* moreMenu() const { return m_pMoreMenu; }

    void setMustHave(QString const& url) { m_strMustHave = url; }
    void setNiceToHave(QString const& url) { m_strNiceToHave = url; }
    void setRead(QString const& url) { m_strRead = url; }
    void setHear(QString const& url) { m_strHear = url; }
    void setSee(QString const& url) { m_strSee = url; }
    void setWikipedia(QString const& url) { m_strWikipedia = url; }

    // The five shop entries, a separator and the encyclopedia entry.
    void addBaseActions();
    void addMenuLink(QPixmap const& icon, QString const& text, QString const& url);
    // An application's page in the store, built by the project's one store-link builder.
    void addMenuAppLink(QPixmap const& icon, QString const& title, QString const& appName, QString const& appId);
    void addMenuAction(QAction* action);
    void addMenuSeparator();
    // Hides the pitch button, the repeat check box and the App button.
    void hideAppOptions();

public slots:
    void slotMustHave() { slotCallUrl(m_strMustHave); }
    void slotNiceToHave() { slotCallUrl(m_strNiceToHave); }
    void slotRead() { slotCallUrl(m_strRead); }
    void slotHear() { slotCallUrl(m_strHear); }
    void slotSee() { slotCallUrl(m_strSee); }
    void slotWikipedia() { slotCallUrl(m_strWikipedia); }
    void slotCallUrl(QString const& url);

private:
    QPushButton* m_pModesButton = nullptr;
    QPushButton* m_pMoreButton = nullptr;
    QMenu* m_pMoreMenu = nullptr;
    QSignalMapper* m_pSignalMapper = nullptr;
    QString m_strMustHave;
    QString m_strNiceToHave;
    QString m_strRead;
    QString m_strHear;
    QString m_strSee;
    QString m_strWikipedia;
};

} // namespace RADarir
