#pragma once
// A push button whose menu offers the application's Share dialog and links to
// five community-network pages; a network entry whose link was never set opens
// nothing.

#include <QPushButton>
#include <QString>

namespace ZEDireroz {

class CommunityButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CommunityButton(QWidget* parent = nullptr);

    void setFaceBook(QString const& link) { m_sFaceBook = link; }
    void setYouTube(QString const& link) { m_sYouTube = link; }
    void setTwitter(QString const& link) { m_sTwitter = link; }
    void setMoiMir(QString const& link) { m_sMoiMir = link; }
    void setXing(QString const& link) { m_sXing = link; }

public slots:
    void slotFaceBook();
    void slotYouTube();
    void slotTwitter();
    void slotMoiMir();
    void slotXing();

private:
    QString m_sFaceBook;
    QString m_sYouTube;
    QString m_sTwitter;
    QString m_sMoiMir;
    QString m_sXing;
};

} // namespace ZEDireroz
