#pragma once
// The answer of the update check: a picture, a message, Yes (open the updates
// web page) and No, and the "Check for updates on start" box.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPixmap;

namespace ZEDireroz {

class UpdaterDialog : public QDialog
{
    Q_OBJECT
public:
    explicit UpdaterDialog(QWidget* parent = nullptr);

    void setMessage(QString const& text);
    void setPic(QPixmap const& picture);

public slots:
    void slotCancel();
    void slotUpdate();
    void slotSetChecked(bool on);

private:
    QCheckBox* m_pCheckBox;
    QLabel* m_pMessage;
    QLabel* m_pPicture;
};

} // namespace ZEDireroz
