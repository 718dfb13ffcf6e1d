#pragma once
// The About box: the application picture, a black panel with the name, the
// build date, the maker's notice and web site, and an Ok button.

#include <QDate>
#include <QDialog>

class QLabel;
class QPushButton;

namespace ZEDireroz {

class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // The rich text of the black panel for an application and its build date.
    static QString infoText(QString const& appName, QDate const& buildDate);

    QLabel* logoLabel() const { return m_pLogoLabel; }
    QLabel* infoLabel() const { return m_pInfoLabel; }
    QPushButton* okButton() const { return m_pOkButton; }

private:
    QLabel* m_pLogoLabel = nullptr;
    QLabel* m_pInfoLabel = nullptr;
    QPushButton* m_pOkButton = nullptr;
};

} // namespace ZEDireroz
