#include "RADarir/chordviews/ChordsStyle.h"

namespace RADarir {

namespace {

#define TW_DARK_GRADIENT                                                                                               \
    "qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgba(50,50,50,220), stop:0.4 rgba(10,10,10,220), "                 \
    "stop:0.1 rgba(50,50,50,220))"
#define TW_LIGHT_GRADIENT                                                                                              \
    "qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgba(120,120,120,220), stop:0.4 rgba(30,30,30,220), "              \
    "stop:0.1 rgba(120,120,120,220))"
#define TW_GRAY_GRADIENT                                                                                               \
    "qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgb(80,80,80), stop:0.4 rgb(31,31,33), stop:0.1 rgb(80,80,80))"
#define TW_BUTTON_GRADIENT                                                                                             \
    "qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgb(60,60,60), stop:0.4 rgb(30,30,30), stop:0.1 rgb(60,60,60))"
#define TW_PRESSED_GRADIENT                                                                                            \
    "qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgb(31,31,33), stop:0.4 rgb(80,80,80), stop:0.1 rgb(31,31,33))"
#define TW_DISABLED_GRADIENT                                                                                           \
    "qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgba(120,120,120,220), stop:0.4 rgba(100,100,100,220), "           \
    "stop:0.1 rgba(120,120,120,220))"
#define TW_MENU_RULES(selector)                                                                                        \
    selector "{color:white;background:qlineargradient(x1:1, y1:1, x2:0, y2:0, stop:0 rgb(10,10,10), "                  \
             "stop:1 rgb(80,80,80));border-radius:5px;border:2px ridge gray;}" selector                                \
             "::item{padding:2px 25px 2px 20px;border:1px transparent;margin:2px;}" selector                           \
             ":!active{background-image:url(:/background.png);}" selector                                              \
             "::item:selected{background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0.1 rgb(4,12,100), "             \
             "stop:0.1 rgb(0,0,155), stop:1 rgba(131,167,222,50));border-radius:5px;}"
#define TW_PICTURE(name) "url(:/" name ".png) 0 0 0 0 stretch stretch"
#define TW_PICTURE_BUTTON(object, picture, hover)                                                                      \
    "QPushButton#" object "{border-image:" TW_PICTURE(picture) ";}"                                                    \
                                                               "QPushButton#" object                                   \
                                                               ":hover{border-image:" TW_PICTURE(picture hover) ";}"
#define TW_TOOL_BUTTON(object, picture)                                                                                \
    "QPushButton#" object                                                                                              \
    "{border-image:" TW_PICTURE(picture) ";min-width:<!ToolButonSize!>;"                                               \
                                         "min-height:<!ToolButonSize!>;}"                                              \
                                         "QPushButton#" object                                                         \
                                         ":hover{border-image:" TW_PICTURE(picture "_hover") ";}"
#define TW_CHOOSER_ITEM(object)                                                                                        \
    "QPushButton#" object "{border-image:" TW_PICTURE(                                                                 \
        object) ";}"                                                                                                   \
                "QPushButton#" object ":hover{border-image:" TW_PICTURE(                                               \
                    object "_hover") ";}"                                                                              \
                                     "QPushButton#" object ":checked{border-image:" TW_PICTURE(object "_checked") ";}"
#define TW_INSTRUMENT_LABEL(id, picture)                                                                               \
    "QFrame#InstrumentLabel_" id "{color:white;border-radius:0px;padding:0px;border-image:" TW_PICTURE(picture) ";}"

// One rule after the other, without line breaks.
char const kTemplate[] =
    // General widgets.
    "QCheckBox{color:lightgray;}"
    "QLineEdit{background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgb(80,80,80), stop:0.4 rgb(133,133,135), "
    "stop:0.1 rgb(80,80,80));border-radius:5px;border:1px inset white;color:white;"
    "selection-background-color:white;}"
    "QDialog{color:white;border-radius:3px;border:1px ridge #606060;}"
    "QListWidget{font-size:14px;text-align:left;padding-left:10px;padding-right:10px;padding-top:15px;"
    "background:qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0.4 rgb(20,20,20), stop:1 rgb(50,50,50));}"
    "QListWidget:focus{border:1px solid black;}"
    "QListView::item{color:white;}"
    "QListView::item:hover{}"
    "QListView::item:selected{}"
    "QListView::item:selected:active{background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0.1 rgb(100,12,0), "
    "stop:0.1 rgb(150,0,0), stop:1 rgb(200,20,0));}"
    "QListView::item:selected:!active{background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0.1 rgb(100,12,0), "
    "stop:0.1 rgb(150,0,0), stop:1 rgb(200,50,0));}"
    "QLabel{color:white;background:qradialgradient(cx:0, cy:0, radius:1, fx:0, fy:0, stop:0 rgba(55,60,100,80), "
    "stop:0.7 rgb(80,80,100), stop:1 rgba(0,0,105,50));border-radius:4px;padding:2px;}"
    "QLabel#MainWidgetBlender{color:white;background:qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5, "
    "stop:0 rgba(200,200,200,200), stop:0.7 rgba(40,40,40,200), stop:1 rgba(0,0,0,200));}"
    "QLabel#LogoLabel{border-image:" TW_PICTURE(
        "app") ";}"
               "QLabel#SimpleText{color:white;background:transparent;border-radius:0px;padding:0px;}" TW_MENU_RULES(
                   "QMenu") TW_MENU_RULES("QMenu#TransposerMenu")
                   TW_MENU_RULES(
                       "QMenu#FavoritesMenu") "QMenu::separator{height:1px;background:lightgray;margin-left:10px;"
                                              "margin-right:5px;}"
                                              "QMenu::item:disabled{color:gray;}"
                                              "QMenu::indicator{background:white;width:13px;height:13px;}"
                                              "QPushButton::menu-indicator{margin:0px;subcontrol-origin:border;"
                                              "subcontrol-position:bottom center;"
                                              "width:4px;height:4px;border-image:" TW_PICTURE(
                                                  "spinbox_button2") ";}"
                                                                     // Frames and panels.
                                                                     "QFrame#MainPage,QFrame#MainSeparator{background:"
                                                                     "rgb(71,71,71);border:2px ridge gray;}"
                                                                     "QFrame#ItemsPanel{color:white;background:rgb(40,"
                                                                     "40,40);}"
                                                                     "QFrame#TunersExplorer{color:white;background-"
                                                                     "image:url(:/background.png);border:none;}"
                                                                     "QFrame#MenuBar{padding-bottom:7px;min-height:<!"
                                                                     "ToolMenuSize!>;max-height:<!ToolMenuSize!>;"
                                                                     "border-image:" TW_PICTURE(
                                                                         "backgroundbar") ";border:none;}"
                                                                                          "QWidget#ChordButtonsFrame,"
                                                                                          "QWidget#ChordOptionsFrame,"
                                                                                          "QWidget#ViewOptionsFrame,"
                                                                                          "QWidget#TransposerFrame{"
                                                                                          "background-image:url(:/"
                                                                                          "panelbackground.png);border-"
                                                                                          "radius:8px;border:2px ridge "
                                                                                          "gray;}"
                                                                                          "QFrame#TuneButtonsPanel,"
                                                                                          "QFrame#TunersCommonPanel,"
                                                                                          "QFrame#ModesPanel{color:"
                                                                                          "white;"
                                                                                          "background:rgba(10,10,10,"
                                                                                          "140);border:none;}"
                                                                                          "QWidget#AboutDialog,QWidget#"
                                                                                          "Dialog,QWidget#MessageBox,"
                                                                                          "QWidget#InputDialog{"
                                                                                          "background:rgb(71,71,71);"
                                                                                          "}" TW_INSTRUMENT_LABEL(
                                                                                              "mandolin", "mandolin")
                                                                                              TW_INSTRUMENT_LABEL(
                                                                                                  "guitar", "guitar")
                                                                                                  TW_INSTRUMENT_LABEL(
                                                                                                      "piano", "piano")
                                                                                                      TW_INSTRUMENT_LABEL(
                                                                                                          "ukulele",
                                                                                                          "ukulele")
                                                                                                          TW_INSTRUMENT_LABEL(
                                                                                                              "banjo",
                                                                                                              "banjo")
                                                                                                              TW_INSTRUMENT_LABEL(
                                                                                                                  "bala"
                                                                                                                  "laik"
                                                                                                                  "a",
                                                                                                                  "bala"
                                                                                                                  "laik"
                                                                                                                  "a")
                                                                                                                  TW_INSTRUMENT_LABEL(
                                                                                                                      "bass",
                                                                                                                      "bass")
                                                                                                                      TW_INSTRUMENT_LABEL(
                                                                                                                          "bass2",
                                                                                                                          "bass")
    // The instrument chooser.
    TW_CHOOSER_ITEM("PianoItem") TW_CHOOSER_ITEM("BassItem") TW_CHOOSER_ITEM("BalalaikaItem")
        TW_CHOOSER_ITEM("BanjoItem") TW_CHOOSER_ITEM("GuitarItem") TW_CHOOSER_ITEM("MandolinItem") TW_CHOOSER_ITEM(
            "UkuleleItem") "QPushButton#BassItem1,QPushButton#BassItem2{border-radius:5px;border:1px solid "
                           "gray;font:bold 14px;"
                           "color:lightgray;background:" TW_GRAY_GRADIENT ";}"
                           "QPushButton#BassItem1:checked,QPushButton#BassItem2:checked{border:2px ridge "
                           "rgb(170,170,170);"
                           "background:" TW_LIGHT_GRADIENT ";}"
                           // Promotion and social buttons.
                           "QPushButton#ChordsPromoButton,QPushButton#ChordsPromoButton:checked{color:lightgray;"
                           "border-image:" TW_PICTURE(
                               "ChordsPromoButton") ";}"
                                                    "QPushButton#ChordsPromoButton:hover{color:white;border-"
                                                    "image:" TW_PICTURE("ChordsPromoButton_hvr") ";}" TW_PICTURE_BUTTON(
                                                        "FaceBookShareButton", "social1share",
                                                        "_hover") TW_PICTURE_BUTTON("TwitterShareButton",
                                                                                    "social2share", "_hover")
                                                        TW_PICTURE_BUTTON(
                                                            "VKontakteShareButton", "social3share",
                                                            "_hover") TW_PICTURE_BUTTON("EmailShareButton",
                                                                                        "emailshare", "_hover")
                                                            TW_PICTURE_BUTTON(
                                                                "FaceBookJoinButton", "social1join",
                                                                "_hover") TW_PICTURE_BUTTON("VKontakteJoinButton",
                                                                                            "social3join", "_hover")
                                                                TW_PICTURE_BUTTON(
                                                                    "TwitterJoinButton", "social2join",
                                                                    "_hover") TW_PICTURE_BUTTON("EmailJoinButton",
                                                                                                "emailjoin", "_hover")
                                                                    TW_TOOL_BUTTON("JoinButton", "join") TW_TOOL_BUTTON(
                                                                        "AppButton",
                                                                        "AppButton") TW_TOOL_BUTTON("MoreAppsButton",
                                                                                                    "MoreAppsButton")
                                                                        TW_TOOL_BUTTON("RateButton", "RateButton")
                                                                            TW_TOOL_BUTTON("ShareButton", "share")
                                                                                TW_TOOL_BUTTON("IntroButton", "Help")
                                                                                    TW_TOOL_BUTTON("MoreButton", "More")
    // Chord page controls.
    "QTabBar{alignment:center;}"
    "QTabBar::tab{color:lightgray;background:" TW_DARK_GRADIENT ";height:<!TabHeight!>;width:<!TabWidth!>;"
    "font-size:<!TabFontSize!>;margin:0px;}"
    "QTabBar::tab:selected{background:" TW_LIGHT_GRADIENT ";}"
    "QTabBar::scroller{width:<!TabScrollerWidth!>;}"
    "QTabBar QToolButton::right-arrow{border-image:" TW_PICTURE(
        "arrowright") ";background:" TW_DARK_GRADIENT ";}"
                      "QTabBar QToolButton::left-arrow{border-image:" TW_PICTURE(
                          "arrowleft") ";background:" TW_DARK_GRADIENT ";}"
                                       "QPushButton#PanelButton{min-width:<!PANEL_BUTTON_MINWIDTH!>;min-height:<!PANEL_"
                                       "BUTTON_MINHEIGHT!>;"
                                       "font:bold "
                                       "<!PanelButtonFontSize!>;border-radius:5px;color:lightgray;border:none;"
                                       "background:" TW_DARK_GRADIENT ";}"
                                       "QPushButton#PanelButton:pressed,QPushButton#PanelButton:checked{border:2px "
                                       "ridge rgb(170,170,170);"
                                       "background:" TW_LIGHT_GRADIENT ";}"
                                       "QPushButton#TransposerButton{font:bold <!TRANSPOSER_BUTTON_FONTSIZE!>;}"
                                       "QPushButton#PushButton{font:bold <!PUSHBUTTON_FONTSIZE!>;}"
                                       "QPushButton#TransposerButton,QPushButton#PushButton{border:1px solid "
                                       "gray;border-radius:5px;color:lightgray;"
                                       "padding:1px 8px 1px 8px;background:" TW_BUTTON_GRADIENT ";}"
                                       // The transposer's row holds three named buttons beside + and -
                                       // in a chord page's smallest width.
                                       "QPushButton#TransposerButton{padding:1px 4px 1px 4px;}"
                                       "QPushButton#TransposerButton:pressed,QPushButton#PushButton:pressed{"
                                       "background:" TW_PRESSED_GRADIENT ";}"
                                       "QPushButton#TransposerButton:disabled,QPushButton#PushButton:disabled{color:#"
                                       "AAAAAA;"
                                       "background:" TW_DISABLED_GRADIENT ";}"
                                       // The focused button keeps its size: buttons are laid out by their normal
                                       // font, so a larger focus font would be cut off at the edges.
                                       "QPushButton#PushButton:focus{border:1px solid white;color:white;"
                                       "background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgb(90,90,90), "
                                       "stop:0.4 rgb(41,41,43), "
                                       "stop:0.1 rgb(90,90,90));}"
                                       "QPushButton#DeleteButton{border:1px solid red;font:bold "
                                       "14px;border-radius:5px;color:white;"
                                       "padding:1px 8px 1px 8px;background:qlineargradient(x1:0, y1:1, x2:0, y2:0, "
                                       "stop:1 rgb(180,0,0), "
                                       "stop:0.4 rgb(140,0,0), stop:0.1 rgb(180,0,0));}"
                                       "QPushButton#PushButtonAdd,QPushButton#PushButtonRemove{border-radius:20px;"
                                       "border:1px solid gray;"
                                       "font:bold 28px;color:lightgray;padding:-4px 1px 1px "
                                       "1px;background:" TW_GRAY_GRADIENT ";}"
                                       "QPushButton#PushButtonAdd:pressed,QPushButton#PushButtonRemove:pressed{"
                                       "background:" TW_PRESSED_GRADIENT ";}"
                                       "QPushButton#PushButtonAdd:disabled,QPushButton#PushButtonRemove:disabled{color:"
                                       "#AAAAAA;"
                                       "background:" TW_DISABLED_GRADIENT ";}"
                                       "QPushButton#PlayButton{min-width:<!PlayButtonSize!>;max-width:<!PlayButtonSize!"
                                       ">;"
                                       "min-height:<!PlayButtonSize!>;max-height:<!PlayButtonSize!>;border-"
                                       "image:" TW_PICTURE(
                                           "Play") ";}"
                                                   "QPushButton#PlayButton:hover{border-image:" TW_PICTURE(
                                                       "Play_hvr") ";}"
                                                                   "QPushButton#PlayButton:pressed,QPushButton#"
                                                                   "PlayButton:checked{border-image:" TW_PICTURE(
                                                                       "Play_prs") ";}"
                                                                                   "QPushButton#PlayButton:pressed:"
                                                                                   "hover,QPushButton#PlayButton:"
                                                                                   "checked:hover{"
                                                                                   "border-image:" TW_PICTURE(
                                                                                       "Play_prs_hvr") ";}"
                                                                                                       // Controls of
                                                                                                       // the other
                                                                                                       // music pages.
                                                                                                       "QPushButton#"
                                                                                                       "HelpSlideButton"
                                                                                                       "{border-radius:"
                                                                                                       "9px;font:bold "
                                                                                                       "10px;color:"
                                                                                                       "gray;border:"
                                                                                                       "none;"
                                                                                                       "background:"
                                                                                                       "qlineargradient"
                                                                                                       "(x1:0, y1:1, "
                                                                                                       "x2:0, y2:0, "
                                                                                                       "stop:1 "
                                                                                                       "rgba(133,133,"
                                                                                                       "135,127), "
                                                                                                       "stop:0.4 "
                                                                                                       "rgba(31,31,33,"
                                                                                                       "127), "
                                                                                                       "stop:0.1 "
                                                                                                       "rgba(133,133,"
                                                                                                       "135,127));}"
                                                                                                       "QPushButton#"
                                                                                                       "HelpSlideButton"
                                                                                                       ":pressed,"
                                                                                                       "QPushButton#"
                                                                                                       "HelpSlideButton"
                                                                                                       ":checked{color:"
                                                                                                       "white;"
                                                                                                       "background:"
                                                                                                       "qlineargradient"
                                                                                                       "(x1:0, y1:1, "
                                                                                                       "x2:0, y2:0, "
                                                                                                       "stop:0.1 "
                                                                                                       "rgb(4,12,100), "
                                                                                                       "stop:0.1 "
                                                                                                       "rgb(0,0,155), "
                                                                                                       "stop:1 "
                                                                                                       "rgba(131,167,"
                                                                                                       "222,50));}"
                                                                                                       "QPushButton#"
                                                                                                       "TuneButton{"
                                                                                                       "font:bold "
                                                                                                       "18px;border-"
                                                                                                       "radius:5px;"
                                                                                                       "color:"
                                                                                                       "lightgray;"
                                                                                                       "border:none;"
                                                                                                       "padding:1px "
                                                                                                       "8px 1px 8px;"
                                                                                                       "background:"
                                                                                                       "qlineargradient"
                                                                                                       "(x1:0, y1:1, "
                                                                                                       "x2:0, y2:0, "
                                                                                                       "stop:0.1 "
                                                                                                       "rgba(133,133,"
                                                                                                       "135,127), "
                                                                                                       "stop:0.4 "
                                                                                                       "rgba(31,31,33,"
                                                                                                       "127), stop:1 "
                                                                                                       "rgba(133,133,"
                                                                                                       "135,127));}"
                                                                                                       "QPushButton#"
                                                                                                       "TuneButton:"
                                                                                                       "pressed,"
                                                                                                       "QPushButton#"
                                                                                                       "TuneButton:"
                                                                                                       "checked{"
                                                                                                       "background:"
                                                                                                       "qlineargradient"
                                                                                                       "(x1:0, y1:1, "
                                                                                                       "x2:0, y2:0, "
                                                                                                       "stop:0.1 "
                                                                                                       "rgba(31,31,31,"
                                                                                                       "127), "
                                                                                                       "stop:0.4 "
                                                                                                       "rgba(133,133,"
                                                                                                       "135,127), "
                                                                                                       "stop:1 "
                                                                                                       "rgba(31,31,33,"
                                                                                                       "127));}";

struct Placeholder
{
    char const* name;
    char const* desktop;
    char const* pocket;
};

// Replaced in this order. The three menu font sizes have no place in the
// sheet: the menus keep the size of the application's font.
Placeholder const kPlaceholders[] = {
    {"<!PANEL_BUTTON_MINWIDTH!>", "32px", "28px"},
    {"<!PANEL_BUTTON_MINHEIGHT!>", "32px", "28px"},
    {"<!MENU_FONTSIZE!>", "14px", "22px"},
    {"<!TRANSPOSER_MENU_FONTSIZE!>", "14px", "13px"},
    {"<!FAVORITES_MENU_FONTSIZE!>", "14px", "16px"},
    {"<!PUSHBUTTON_FONTSIZE!>", "14px", "14px"},
    {"<!TRANSPOSER_BUTTON_FONTSIZE!>", "14px", "11px"},
    {"<!TabHeight!>", "40px", "40px"},
    {"<!TabWidth!>", "55px", "55px"},
    {"<!TabFontSize!>", "12px", "12px"},
    {"<!PlayButtonSize!>", "48px", "48px"},
    {"<!PanelButtonFontSize!>", "16px", "16px"},
    {"<!ToolButonSize!>", "32px", "32px"},
    {"<!ToolMenuSize!>", "44px", "44px"},
    {"<!TabScrollerWidth!>", "40px", "40px"},
};

} // namespace

QString const strChordsStyle = QString::fromLatin1(kTemplate);

QString chordsStyleSheet(bool pocketDevice)
{
    QString sheet = strChordsStyle;
    for (Placeholder const& p : kPlaceholders)
        sheet.replace(QLatin1String(p.name), QLatin1String(pocketDevice ? p.pocket : p.desktop), Qt::CaseSensitive);
    return sheet;
}

} // namespace RADarir
