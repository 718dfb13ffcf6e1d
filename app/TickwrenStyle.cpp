#include "app/TickwrenStyle.h"

#include "ZEDireroz/frame/Common.h"

namespace {

// One rule after the other, without line breaks. Pictures are compiled-in
// resources; a border image always spans the whole widget.
char const kTemplate[] =
    // Metronome.
    "QDialog{color:white;border-radius:3px;border:1px ridge #606060;}"
    "QPushButton#BeatCombo{color:white;font-size:25px;border-image:url(:/I-biene_2.png) 0 0 0 0 stretch stretch;"
    "min-width:97px;max-width:97px;min-height:49px;max-height:49px;}"
    "QPushButton#BeatCombo::menu-indicator{margin:0px;subcontrol-origin:border;subcontrol-position:bottom center;"
    "width:4px;height:4px;border-image:none;}"
    "QTreeWidget{font-size:<!ListFont!>;text-align:left;padding-left:10px;padding-right:10px;padding-top:15px;"
    "border-image:url(:/I-kvadrat.png) 0 0 0 0 stretch stretch;}"
    "QTreeWidget:focus{border-color:black;}"
    "QTreeView::item{color:white;}"
    "QTreeView::item:hover{border:0px solid #bfcde4;"
    "background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgb(0,110,0), stop:0.4 rgb(0, 51, 0) );}"
    "QTreeView::item:selected{border:0px solid #567dbc;}"
    "QTreeView::item:selected:active,QTreeView::item:selected:!active{"
    "background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgb(50,170,110), stop:0.4 rgb(41, 100, 80) );}"
    "QFrame#MetronomeBeats{"
    "background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0 rgba(80,170,110, 150), stop:1 rgba(81, 100, 80, 150) );}"
    "QLabel#Beat{background:none;border-image:url(:/Biene_1.png) 0 0 0 0 stretch stretch;}"
    "QLabel#Beat:disabled{background:none;border-image:url(:/Biene.png) 0 0 0 0 stretch stretch;}"
    "QLabel#TempoLabel{font-size:35px;border-radius:0px;padding:0px;min-height:48px;max-height:48px;"
    "min-width:<!TempoLabelWidth!>;max-width:<!TempoLabelWidth!>;"
    "border-image:url(:/I-header-2.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#TempoDecButton{min-width:40px;max-width:40px;min-height:48px;max-height:48px;"
    "border-image:url(:/I-header-1.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#TempoDecButton:hover{border-image:url(:/I-header-1_hvr.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#TempoIncButton{min-width:40px;max-width:40px;min-height:48px;max-height:48px;"
    "border-image:url(:/I-header-3.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#TempoIncButton:hover{border-image:url(:/I-header-3_hvr.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#VisibleTickButton{min-width:55px;max-width:55px;min-height:44px;max-height:44px;"
    "border-image:url(:/I-eye.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#VisibleTickButton:hover{border-image:url(:/I-eye_hvr.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#VisibleTickButton:hover:checked{border-image:url(:/I-eye_chk_hvr.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#VisibleTickButton:checked{border-image:url(:/I-eye_chk.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#AudiableTickButton{min-width:55px;max-width:55px;min-height:44px;max-height:44px;"
    "border-image:url(:/I-hear.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#AudiableTickButton:hover{border-image:url(:/I-hear_hvr.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#AudiableTickButton:hover:checked{border-image:url(:/I-hear_chk_hvr.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#AudiableTickButton:checked{border-image:url(:/I-hear_chk.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#BeatButton{min-width:35px;max-width:35px;min-height:49px;max-height:49px;"
    "border-image:url(:/I-biene.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#BeatButton:hover{border-image:url(:/I-biene.png) 0 0 0 0 stretch stretch;}"
    "QCheckBox{color:lightgray;}"
    // Frame, promotion bar and shared widgets.
    "QFrame#MainPage,QFrame#MainSeparator{background:rgb(71,71,71);border:2px ridge gray;}"
    "QFrame#ItemsPanel{color:white;background:rgb(40,40,40);border:2px ridge gray;}"
    "QPushButton#FaceBookShareButton{border-image:url(:/social1share.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#FaceBookShareButton:hover{border-image:url(:/social1share_hover.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#TwitterShareButton{border-image:url(:/social2share.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#TwitterShareButton:hover{border-image:url(:/social2share_hover.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#EmailShareButton{border-image:url(:/emailshare.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#EmailShareButton:hover{border-image:url(:/emailshare_hover.png) 0 0 0 0 stretch stretch;}"
    "QLabel#MainWidgetBlender{color:white;background:qradialgradient(cx:0.5, cy:0.5, radius: 0.5, fx:0.5, fy:0.5, "
    "stop:0 rgba(200,200,200, 200), stop:0.7 rgba( 40, 40, 40, 200), stop:1 rgba( 0,0,0,200));}"
    "QFrame#MenuBar{padding-bottom:7px;min-height:45px;max-height:45px;"
    "border-image:url(:/backgroundbar.png) 0 0 0 0 stretch stretch;border:none;}"
    "QTabBar::tab{color:lightgray;background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgba(50,50,50,220), "
    "stop:0.4 rgba(10, 10, 10, 220), stop:0.1 rgba(50,50,50,220));height:40px;width:55px;font-size:12px;margin:0px;}"
    "QTabBar::tab:selected{color:lightgray;background:qlineargradient(x1:0, y1:1, x2:0, y2:0, "
    "stop:1 rgba(120,120,120,220), stop:0.4 rgba(30, 30, 30, 220), stop:0.1 rgba(120,120,120,220));}"
    "QTabBar::scroller{width:40px;}"
    "QTabBar QToolButton::right-arrow{border-image:url(:/arrowright.png) 0 0 0 0 stretch stretch;"
    "background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgba(50,50,50,220), stop:0.4 rgba(10, 10, 10, 220), "
    "stop:0.1 rgba(50,50,50,220));}"
    "QTabBar QToolButton::left-arrow{border-image:url(:/arrowleft.png) 0 0 0 0 stretch stretch;"
    "background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgba(50,50,50,220), stop:0.4 rgba(10, 10, 10, 220), "
    "stop:0.1 rgba(50,50,50,220));}"
    "QWidget#ChordButtonsFrame,QWidget#ChordOptionsFrame,QWidget#ViewOptionsFrame,QWidget#TransposerFrame{"
    "background-image:url(:/panelbackground.png);border-radius:8px;border:2px ridge gray;}"
    "QFrame#TuneButtonsPanel,QFrame#TunersCommonPanel,QFrame#ModesPanel{color:white;"
    "background:rgba(10,10,10,140);border:none;}"
    "QLabel{color:white;background:qradialgradient(cx:0, cy:0, radius: 1, fx:0.1, fy:0.1, "
    "stop:0.7 rgb(80,100,80), stop:0 rgba( 55, 100, 60, 80), stop:1 rgba( 0,105,0,50));"
    "border-radius:4px;padding:2px;}"
    "QLabel#LogoLabel{border-image:url(:/app.png) 0 0 0 0 stretch stretch;}"
    "QLabel#SimpleText{color:white;background:transparent;border-radius:0px;padding:0px;}"
    "QMenu{font-size:24px;color:white;"
    "background:qlineargradient(x1:1, y1:1, x2:0, y2:0, stop:0 rgb(10,30,10), stop:1 rgb(40,70,40));"
    "border-radius:5px;border:2px ridge gray;}"
    "QMenu::item{padding:2px 25px 2px 20px;border:1px transparent;margin:2px;}"
    "QMenu::item:selected{background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0.1 rgb(4,100,12), "
    "stop:0.1 rgb(0,155,0), stop:1 rgba(131,222,167,50));border-radius:5px;}"
    "QMenu::item:disabled{color:gray;}"
    "QMenu:!active{background-image:url(:/background.png);}"
    "QMenu::separator{height:1px;background:lightgray;margin-left:10px;margin-right:5px;}"
    "QMenu::indicator{background:white;width:13px;height:13px;}"
    "QFrame#TunersExplorer{color:white;background-image:url(:/background.png);border:none;}"
    "QLineEdit{background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgba(80, 80, 80, 255), "
    "stop:0.4 rgba(133,133,135,255), stop:0.1 rgba(80, 80, 80, 255));border-radius:5px;border:1px inset white;"
    "color:white;selection-background-color:white;}"
    "QWidget#AboutDialog,QWidget#Dialog,QWidget#MessageBox,QWidget#InputDialog{color:white;"
    "background:rgb(41,65,41);}"
    "QPushButton#HelpSlideButton{border-radius:9px;font:bold 10px;color:gray;border:none;"
    "background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgba(133,133,135,127), stop:0.4 rgba(31, 31, 33, 127), "
    "stop:0.1 rgba(133,133,135,127));}"
    "QPushButton#HelpSlideButton:pressed,QPushButton#HelpSlideButton:checked{color:white;"
    "background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0.1 rgb(4,100,12), stop:0.1 rgb(0,155,0), "
    "stop:1 rgba(131,222,167,50));}"
    "QPushButton#PanelButton{min-width:32px;min-height:32px;font:bold 16px;border-radius:5px;color:lightgray;"
    "border:none;padding:1px 8px 1px 8px;background:qlineargradient(x1:0, y1:1, x2:0, y2:0, "
    "stop:1 rgba(50,50,50,220), stop:0.4 rgba(10, 10, 10, 220), stop:0.1 rgba(50,50,50,220));}"
    "QPushButton#PanelButton:pressed,QPushButton#PanelButton:checked{border:2px ridge rgb(170,170,170);"
    "background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgba(120,120,120,220), "
    "stop:0.4 rgba(30, 30, 30, 220), stop:0.1 rgba(120,120,120,220));}"
    "QPushButton#PushButton{border:1px solid lightgray;font:bold 14px;border-radius:5px;color:white;"
    "padding:1px 8px 1px 8px;background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgb(70,90,70), "
    "stop:0.4 rgb(21, 41, 23), stop:0.1 rgb(80,90,80));}"
    "QPushButton#PushButton:pressed{background:qlineargradient(x1:0, y1:1, x2:0, y2:0, "
    "stop:1 rgba(100,130,100,220), stop:0.4 rgba(20, 40, 20, 220), stop:0.1 rgba(100,130,100,220));}"
    "QPushButton#PushButton:disabled{color:#AAAAAA;background:qlineargradient(x1:0, y1:1, x2:0, y2:0, "
    "stop:1 rgba(100,130,100,220), stop:0.4 rgba(90, 110, 90, 220), stop:0.1 rgba(100,130,100,220));}"
    // The focused button keeps the normal font size: buttons are sized from their
    // normal font, so a larger focus font would be cut off at the edges.
    "QPushButton#PushButton:focus{border:1px solid white;color:white;font:bold 14px;"
    "background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgb(90,120,90), stop:0.4 rgb(41, 70, 43), "
    "stop:0.1 rgb(90,120,90));}"
    "QPushButton#BassItem1,QPushButton#BassItem2{border-radius:5px;border:1px solid gray;font:bold 14px;"
    "color:lightgray;background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgb(80,80,80), "
    "stop:0.4 rgb(31, 31, 33), stop:0.1 rgb(80,80,80));}"
    "QPushButton#BassItem1:checked,QPushButton#BassItem2:checked{border:2px ridge rgb(170,170,170);"
    "background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgba(130,130,130,220), "
    "stop:0.4 rgba(30, 30, 30, 220), stop:0.1 rgba(130,130,130,220));}"
    "QPushButton#PushButtonAdd,QPushButton#PushButtonRemove{border:1px solid gray;font:bold 24px;border-radius:5px;"
    "color:lightgray;padding:1px 8px 1px 8px;background:qlineargradient(x1:0, y1:1, x2:0, y2:0, "
    "stop:1 rgb(80,80,80), stop:0.4 rgb(31, 31, 33), stop:0.1 rgb(80,80,80));}"
    "QPushButton#PushButtonAdd:pressed,QPushButton#PushButtonRemove:pressed{"
    "background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgba(120,120,120,220), "
    "stop:0.4 rgba(30, 30, 30, 220), stop:0.1 rgba(120,120,120,220));}"
    "QPushButton#PushButtonAdd:disabled,QPushButton#PushButtonRemove:disabled{color:#AAAAAA;"
    "background:qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgba(120,120,120,220), "
    "stop:0.4 rgba(100, 100, 100, 220), stop:0.1 rgba(120,120,120,220));}"
    "QPushButton#AppButton{border-image:url(:/AppButton.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#AppButton:hover{border-image:url(:/AppButton_hover.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#MoreAppsButton{border-image:url(:/MoreAppsButton.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#MoreAppsButton:hover{border-image:url(:/MoreAppsButton_hover.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#RateButton{border-image:url(:/RateButton.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#RateButton:hover{border-image:url(:/RateButton_hover.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#ShareButton{border-image:url(:/share.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#ShareButton:hover{border-image:url(:/share_hover.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#VKontakteShareButton{border-image:url(:/social3share.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#VKontakteShareButton:hover{border-image:url(:/social3share_hover.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#JoinButton{border-image:url(:/join.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#JoinButton:hover{border-image:url(:/join_hover.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#FaceBookJoinButton{border-image:url(:/social1join.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#FaceBookJoinButton:hover{border-image:url(:/social1join_hover.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#VKontakteJoinButton{border-image:url(:/social3join.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#VKontakteJoinButton:hover{border-image:url(:/social3join_hover.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#TwitterJoinButton{border-image:url(:/social2join.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#TwitterJoinButton:hover{border-image:url(:/social2join_hover.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#EmailJoinButton{border-image:url(:/emailjoin.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#EmailJoinButton:hover{border-image:url(:/emailjoin_hover.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#IntroButton{border-image:url(:/Help.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#IntroButton:hover{border-image:url(:/Help_hover.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#MoreButton{border-image:url(:/More.png) 0 0 0 0 stretch stretch;}"
    "QPushButton#MoreButton:hover{border-image:url(:/More_hover.png) 0 0 0 0 stretch stretch;}"
    "QPushButton::menu-indicator{margin:0px;subcontrol-origin:border;subcontrol-position:bottom center;"
    "width:4px;height:4px;border-image:url(:/spinbox_button2.png) 0 0 0 0 stretch stretch;}";

struct Placeholder
{
    char const* name;
    char const* desktop;
    char const* pocket;
};

// Replaced in this order; some of them do not occur in this sheet.
Placeholder const kPlaceholders[] = {
    {"<!ListMinWidth!>", "100px", "80px"},    {"<!ListMinHeight!>", "100px", "40px"},
    {"<!ListMaxWidth!>", "100px", "80px"},    {"<!ListMaxHeight!>", "100px", "40px"},
    {"<!BieneWidth!>", "38px", "10px"},       {"<!BieneHeight!>", "38px", "24px"},
    {"<!TempoLabelWidth!>", "140px", "80px"}, {"<!ListFont!>", "20px", "17px"},
};

} // namespace

TickwrenStyle::TickwrenStyle()
    : TickwrenStyle(ZEDireroz::Common::isPocketDevice())
{
}

TickwrenStyle::TickwrenStyle(bool pocketDevice)
    : m_sStyleSheet(styleTemplate())
{
    for (Placeholder const& p : kPlaceholders)
        m_sStyleSheet.replace(QLatin1String(p.name), QLatin1String(pocketDevice ? p.pocket : p.desktop),
                              Qt::CaseSensitive);
}

QString TickwrenStyle::styleTemplate()
{
    return QString::fromLatin1(kTemplate);
}
