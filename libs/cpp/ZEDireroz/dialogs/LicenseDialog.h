#pragma once
// Shows a licence agreement in a frameless window and asks the user to agree or
// disagree. Agreeing is remembered in the settings, so an application can show
// the dialog until the user has agreed once. Run it with exec(): 1 after Agree,
// 0 after Disagree, Escape or a close.

#include "ZEDireroz/dialogs/TopWidget.h"

class QTextEdit;

namespace ZEDireroz {

class LicenseDialog : public TopWidget
{
    Q_OBJECT
public:
    explicit LicenseDialog(QWidget* parent = nullptr);

    void setHtml(QString const& html);

    // Whether the user has agreed in this or an earlier run.
    static bool isLicenseAccepted();

public slots:
    void slotAccept();
    void slotDisagree();

private:
    static QString settingsKey();

    QTextEdit* m_pTextView;
};

} // namespace ZEDireroz
