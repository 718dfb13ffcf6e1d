#pragma once
// A page of the settings dialog that takes part in Apply/OK and in saving all
// settings to, and loading them from, one settings file.

#include <QDomDocument>
#include <QDomElement>
#include <QDomNode>
#include <QWidget>

namespace ZEDireroz {

class SettingsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SettingsWidget(QWidget* parent = nullptr);

    // Applies the page's element of a loaded file to the page.
    virtual void readSettings(QDomNode const& node) = 0;
    // Creates (in document) and returns the page's element.
    virtual QDomElement writeSettings(QDomDocument& document) = 0;
    // The tag of the page's element in the file.
    virtual QString settingsName() = 0;

public slots:
    virtual void slotApply();
};

} // namespace ZEDireroz
