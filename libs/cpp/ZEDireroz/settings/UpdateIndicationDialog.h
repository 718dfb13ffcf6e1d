#pragma once
// A translucent busy window that closes itself (accepted) ten seconds after it
// was shown.

#include <QDialog>

class QLabel;
class QMovie;
class QTimer;

namespace ZEDireroz {

class UpdateIndicationDialog : public QDialog
{
    Q_OBJECT
public:
    explicit UpdateIndicationDialog(QWidget* parent = nullptr);

    void setText(QString const& text);

public slots:
    void slotTimeOut();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QLabel* m_pAnimationLabel;
    QLabel* m_pTextLabel;
    QMovie* m_pMovie;
    QTimer* m_pTimer;
};

} // namespace ZEDireroz
