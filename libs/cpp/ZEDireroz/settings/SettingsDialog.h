#pragma once
// A tabbed settings dialog that any part of an application extends with pages
// of its own, registered by name in one registry shared by the whole process.
// Pages that are SettingsWidgets also take part in Apply/OK and in the settings
// file (".lfsettings"): an XML document with the root "Settings" and one
// element per page.

#include <QDialog>
#include <QDomNode>
#include <QMap>
#include <QString>
#include <QVector>

class QTabWidget;

namespace ZEDireroz {

class SettingsWidget;

class SettingsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SettingsDialog(QWidget* parent = nullptr);

    // Registers page under name (the tab's title). A name given again replaces
    // its page in place; a page is forgotten when it is destroyed.
    static void addWidget(QString const& name, QWidget* page);

    // Hands every child element of root to the pages whose settingsName() it carries.
    void processDomRoot(QDomNode const& root);

public slots:
    void slotOk();
    void slotApply();
    void slotLoadSettings();
    void slotSaveSettings();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    // The registered SettingsWidgets in ascending order of their names.
    static QList<SettingsWidget*> settingsPages();
    static void forgetPage(QString const& name, QObject* page);
    // Tells the user why a save or load failed, in a warning box over this dialog.
    // The name written for a name the user chose: ".lfsettings" appended unless
    // it ends in exactly that.
    static QString withSettingsSuffix(QString const& fileName);
    bool confirmReplace(QString const& fileName);
    void showProblem(QString const& title, QString const& text);

    static QMap<QString, QWidget*> m_mapWidgets;
    static QVector<QString> m_vecTabOrder;

    bool m_bControlsBuilt = false;
    QTabWidget* m_pTabWidget = nullptr;
};

} // namespace ZEDireroz
