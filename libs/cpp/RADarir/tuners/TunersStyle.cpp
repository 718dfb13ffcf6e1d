// The tuners' style sheet: fixed pixel sizes, no placeholders. It styles the
// tuners' own widgets and the shared dialogs that may open over them.
#include "RADarir/tuners/TunersMainPage.h"

#include <QStringList>

namespace RADarir {

namespace {

char const kFixedRules[] = R"(
QCheckBox { color: lightgray; }
QFrame#MainPage, QFrame#MainSeparator { background: black; border: 2px ridge gray; }
QFrame#TuneButtonsPanel, QFrame#TunersCommonPanel, QFrame#ModesPanel {
    color: white; background: rgba(10,10,10,140); border: none; }
QLabel { color: white;
    background: qradialgradient(cx:0, cy:0, radius:1, fx:0.1, fy:0.1,
        stop:0 rgba(55,60,100,80), stop:0.7 rgb(80,80,100), stop:1 rgba(0,0,105,50));
    border-radius: 4px; padding: 2px; }
QLabel#LogoLabel { border-image: url(:/app.png); }
QLabel#MissingSoundLabel { background: rgba(120,30,30,200); border-radius: 0px; padding: 4px; }
QMenu { color: white;
    background: qlineargradient(x1:1, y1:1, x2:0, y2:0, stop:0 rgb(10,10,10), stop:1 rgb(80,80,80));
    border-radius: 5px; border: 2px ridge gray; }
QMenu::item { padding: 2px 25px 2px 20px; border: 1px transparent; margin: 2px; }
QMenu::item:selected {
    background-color: qlineargradient(x1:0, y1:1, x2:0, y2:0,
        stop:0.1 rgb(4,12,100), stop:0.1 rgb(0,0,155), stop:1 rgba(131,167,222,50));
    border-radius: 5px; }
QMenu::separator { height: 1px; background: lightgray; margin-left: 10px; margin-right: 5px; }
QMenu::item:disabled { color: gray; }
QMenu::indicator { color: white; width: 13px; height: 13px; }
QFrame#TunersExplorer { color: white; background-image: url(:/tunersbackground.png); border: none; }
QWidget#AboutDialog, QWidget#Dialog { color: white; background-image: url(:/tunersbackground.png); border: none; }
QPushButton#TuneButton { font: bold 18px; border-radius: 5px; color: lightgray; border: none;
    padding: 1px 8px 1px 8px;
    background: qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0.1 rgba(133,133,135,127),
        stop:0.4 rgba(31,31,33,127), stop:1 rgba(133,133,135,127)); }
QPushButton#TuneButton:pressed, QPushButton#TuneButton:checked {
    background: qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0.1 rgba(31,31,31,127),
        stop:0.4 rgba(133,133,135,127), stop:1 rgba(31,31,33,127)); }
QPushButton#PanelButton { font: bold 14px; border-radius: 5px; color: lightgray; border: none;
    padding: 1px 8px 1px 8px;
    background: qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0.1 rgba(133,133,135,127),
        stop:0.4 rgba(31,31,33,127), stop:1 rgba(133,133,135,127)); }
QPushButton#PanelButton:pressed {
    background: qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0.1 rgba(31,31,31,127),
        stop:0.4 rgba(133,133,135,127), stop:1 rgba(31,31,33,127)); }
QPushButton#PushButton { border: 1px solid gray; font: bold 14px; border-radius: 5px; color: lightgray;
    padding: 1px 8px 1px 8px;
    background: qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0.1 rgb(80,80,80), stop:0.4 rgb(31,31,33),
        stop:1 rgb(80,80,80)); }
QPushButton#PushButton:pressed {
    background: qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0.1 rgb(31,31,31), stop:0.4 rgb(80,80,80),
        stop:1 rgb(31,31,33)); }
QPushButton::menu-indicator { margin: 1px; subcontrol-origin: border; subcontrol-position: bottom center;
    width: 9px; height: 9px; image: url(:/spinbox_button_dw.png); }
QPushButton#HarmonautButton { border-image: url(:/HarmonautButton.png) 0 0 0 0 stretch stretch; }
QPushButton#HarmonautButton:hover { border-image: url(:/HarmonautButton_hvr.png) 0 0 0 0 stretch stretch; }
QPushButton#HarmonautButton:pressed { border-image: url(:/HarmonautButton_pressed.png) 0 0 0 0 stretch stretch; }
)";

// The instrument buttons, each in four states.
QString instrumentRules()
{
    QString rules;
    for (char const* name :
         {"ViolinButton", "ViolaButton", "CelloButton", "DoubleBassButton", "GuitarButton", "BassGuitarButton",
          "BanjoButton", "UkuleleButton", "MandolinButton", "BalalaikaButton", "DombraButton"}) {
        QString const n = QLatin1String(name);
        QString const rule =
            QStringLiteral("QPushButton#%1%2 { border-image: url(:/%1%3.png) 0 0 0 0 stretch stretch; }\n");
        rules += rule.arg(n, QString(), QString());
        rules += rule.arg(n, QStringLiteral(":hover"), QStringLiteral("_hvr"));
        rules += QStringLiteral("QPushButton#%1:pressed, QPushButton#%1:checked "
                                "{ border-image: url(:/%1_pressed.png) 0 0 0 0 stretch stretch; }\n")
                     .arg(n);
        rules += QStringLiteral("QPushButton#%1:pressed:hover, QPushButton#%1:checked:hover "
                                "{ border-image: url(:/%1_pressed_hvr.png) 0 0 0 0 stretch stretch; }\n")
                     .arg(n);
    }
    return rules;
}

} // namespace

QString const& TunersMainPage::styleSheetText()
{
    static QString const style = QString::fromLatin1(kFixedRules) + instrumentRules();
    return style;
}

} // namespace RADarir
