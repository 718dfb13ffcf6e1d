#pragma once
// Asks whether the user wants to watch the video tutorial on the maker's web
// site, and remembers a wish not to be asked again.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace ZEDireroz {

class LinkDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LinkDialog(QWidget* parent = nullptr);

    QCheckBox* rememberBox() const { return m_pRememberBox; }
    QPushButton* yesButton() const { return m_pYesButton; }
    QPushButton* noButton() const { return m_pNoButton; }
    QLabel* pictureLabel() const { return m_pPictureLabel; }

public slots:
    void slotGoToLink();
    void slotReject();
    void slotRememberToggled(bool checked);

private:
    QCheckBox* m_pRememberBox = nullptr;
    QPushButton* m_pYesButton = nullptr;
    QPushButton* m_pNoButton = nullptr;
    QLabel* m_pPictureLabel = nullptr;
};

} // namespace ZEDireroz
