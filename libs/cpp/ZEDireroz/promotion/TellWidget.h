#pragma once
// The share panel: the application's share pages on three social networks and
// a recommendation e-mail. A network's button shows only when its link is set.

#include <QFrame>

class QPushButton;

namespace ZEDireroz {

class TellWidget : public QFrame
{
    Q_OBJECT
public:
    explicit TellWidget(QWidget* parent = nullptr);

    QPushButton* faceBookButton() const { return m_pFaceBook; }
    QPushButton* twitterButton() const { return m_pTwitter; }
    QPushButton* vkontakteButton() const { return m_pVKontakte; }
    QPushButton* emailButton() const { return m_pEmail; }

public slots:
    void slotFaceBookClicked();
    void slotTwitterClicked();
    void slotVKontakteClicked();
    void slotEmailClicked();

private:
    QPushButton* m_pFaceBook = nullptr;
    QPushButton* m_pTwitter = nullptr;
    QPushButton* m_pVKontakte = nullptr;
    QPushButton* m_pEmail = nullptr;
};

} // namespace ZEDireroz
