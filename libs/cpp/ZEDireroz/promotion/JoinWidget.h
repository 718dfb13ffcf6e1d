#pragma once
// The join panel: the maker's join page for one of three social networks or for
// e-mail news, with a short list of what joining brings.

#include <QFrame>

class QLabel;
class QPushButton;

namespace ZEDireroz {

class JoinWidget : public QFrame
{
    Q_OBJECT
public:
    explicit JoinWidget(QWidget* parent = nullptr);

    QPushButton* faceBookButton() const { return m_pFaceBook; }
    QPushButton* twitterButton() const { return m_pTwitter; }
    QPushButton* vkontakteButton() const { return m_pVKontakte; }
    QPushButton* emailButton() const { return m_pEmail; }
    QLabel* textLabel() const { return m_pText; }

public slots:
    void slotFaceBookClicked();
    void slotTwitterClicked();
    void slotVKontakteClicked();
    void slotEmailClicked();

private:
    void openJoinPage(QString const& social);

    QPushButton* m_pFaceBook = nullptr;
    QPushButton* m_pTwitter = nullptr;
    QPushButton* m_pVKontakte = nullptr;
    QPushButton* m_pEmail = nullptr;
    QLabel* m_pText = nullptr;
};

} // namespace ZEDireroz
