#pragma once
// The introduction: a modal dialog around the slide show, with Close and
// "Never show on start". The application object creates it once and reuses it.

#include <QDialog>

class QPushButton;

namespace ZEDireroz {

class HelpViewArea;

class HelpDialog : public QDialog
{
    Q_OBJECT
public:
    explicit HelpDialog(QWidget* parent = nullptr);

    void addSlide(QString const& file);
    // False once the user chose never to see the slides at start.
    static bool isShowOnStartAvailable();

    HelpViewArea* viewArea() const { return m_pViewArea; }
    QPushButton* neverButton() const { return m_pNeverButton; }
    QPushButton* closeButton() const { return m_pCloseButton; }

public slots:
    void slotReject();
    void slotNeverShowItAgain();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPushButton* m_pNeverButton = nullptr;
    HelpViewArea* m_pViewArea = nullptr;
    QPushButton* m_pCloseButton = nullptr;
};

} // namespace ZEDireroz
