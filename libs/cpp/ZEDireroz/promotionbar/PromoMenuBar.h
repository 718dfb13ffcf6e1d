#pragma once
// The strip of picture buttons across the top of a main page: the introduction,
// a More menu of links filled by the page's owner, rating, the maker's other
// applications, sharing, joining and the application menu. The buttons call the
// application object's slots; the style sheet gives each its picture by its
// object name.

#include <QFrame>

class QAction;
class QHBoxLayout;
class QMenu;
class QPushButton;

namespace ZEDireroz {

class AppButton;
class LinkMenu;

class PromoMenuBar : public QFrame
{
    Q_OBJECT
public:
    explicit PromoMenuBar(QWidget* parent = nullptr);
    ~PromoMenuBar() override;

    void hideIntroButton();
    void hideMoreButton();
    void hideRateButton();
    void hideMoreAppsButton();
    void hideShareButton();

    // The More menu, for callers that fill it themselves.
    QMenu* shopMenu() const;
    void addMenuLink(QPixmap const& icon, QString const& title, QString const& url);
    void addMenuAppLink(QPixmap const& icon, QString const& title, QString const& name, QString const& id);
    // The caller connects and keeps the action; the bar opens no link for it.
    void addMenuAction(QAction* action);
    void addMenuSeparator();

    // After the second stretch, before the Introduction button, in call order.
    void addWidget(QWidget* widget);
    // Between the two stretches.
    void addCenterWidget(QWidget* widget);

    QPushButton* introButton() const { return m_pIntro; }
    QPushButton* moreButton() const { return m_pMore; }
    QPushButton* rateButton() const { return m_pRate; }
    QPushButton* moreAppsButton() const { return m_pMoreApps; }
    QPushButton* shareButton() const { return m_pShare; }
    QPushButton* joinButton() const { return m_pJoin; }
    AppButton* appButton() const { return m_pAppButton; }

public slots:
    void slotCallUrl(QString const& strUrl);

private:
    QMenu* m_pMenu = nullptr;
    LinkMenu* m_pLinks = nullptr;
    QHBoxLayout* m_pRightLayout = nullptr;
    QHBoxLayout* m_pCenterLayout = nullptr;
    QPushButton* m_pIntro = nullptr;
    QPushButton* m_pMore = nullptr;
    QPushButton* m_pRate = nullptr;
    QPushButton* m_pMoreApps = nullptr;
    QPushButton* m_pShare = nullptr;
    QPushButton* m_pJoin = nullptr;
    AppButton* m_pAppButton = nullptr;
};

} // namespace ZEDireroz
