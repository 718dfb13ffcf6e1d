// One of each shared widget on a page, shown on a real (virtual) X screen: the
// screenshot and every widget's own picture come out, and none of them is blank.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/widgets/AdvancedLabel.h"
#include "ZEDireroz/widgets/AniSwitch.h"
#include "ZEDireroz/widgets/CheckButton.h"
#include "ZEDireroz/widgets/ColorWidget.h"
#include "ZEDireroz/widgets/ComboProgress.h"
#include "ZEDireroz/widgets/CommunityButton.h"
#include "ZEDireroz/widgets/DateWidget.h"
#include "ZEDireroz/widgets/ListWidgetItem.h"
#include "ZEDireroz/widgets/MenuButton.h"
#include "ZEDireroz/widgets/RadioBox.h"
#include "ZEDireroz/widgets/SearchFilter.h"
#include "ZEDireroz/widgets/UltraRadioBox.h"
#include "ZEDireroz/widgets/VirtualResolution.h"

#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QSet>

using namespace ZEDireroz;

namespace {

int distinctColours(QImage const& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

QPushButton* choice(QString const& text, QColor const& colour)
{
    auto* button = new QPushButton(text);
    button->setFixedSize(48, 32);
    button->setStyleSheet(QString("QPushButton { background: %1; color: white }").arg(colour.name()));
    return button;
}

} // namespace

class TestWidgetPage : public QObject
{
    Q_OBJECT
private slots:
    void pageRenders()
    {
        QWidget page;
        page.setWindowTitle("Widgets");
        auto* form = new QFormLayout(&page);
        QMap<QString, QWidget*> widgets;
        auto add = [&](QString const& name, QWidget* widget) {
            form->addRow(name, widget);
            widgets.insert(name, widget);
        };

        auto* radio = new RadioBox(QBoxLayout::LeftToRight);
        for (char const* t : {"4/4", "3/4", "6/8"})
            radio->addButton(new QPushButton(QString::fromLatin1(t)));
        add("Radio box", radio);

        auto* ultra = new UltraRadioBox;
        QPushButton* first = choice("A", QColor(40, 110, 160));
        ultra->addButton(first, "First");
        ultra->addButton(choice("B", QColor(170, 90, 40)), "Second");
        ultra->setCurrentButton(first);
        add("Compact radio box", ultra);

        auto* colour = new ColorWidget;
        colour->setColor(QColor(200, 60, 60));
        colour->setFixedSize(48, 24);
        add("Colour", colour);
        add("Date", new DateWidget(0));

        auto* community = new CommunityButton;
        community->setText("Community");
        add("Community", community);
        auto* menu = new MenuButton;
        menu->setFixedSize(80, 48);
        menu->setStyleSheet("QPushButton { background: #345 }");
        add("Menu button", menu);

        auto* progress = new ComboProgress;
        progress->slotSetProgress(40);
        add("Progress", progress);

        auto* label = new AdvancedLabel;
        QPixmap picture(64, 64);
        picture.fill(QColor(60, 140, 90));
        label->setBackgroundPixmap(picture);
        label->setMargin(4);
        label->setText("Caption");
        label->setFixedSize(120, 48);
        add("Advanced label", label);

        auto* host = new VirtualResolutionWidget;
        auto* content = new QLabel("Virtual 800 x 600");
        content->setStyleSheet("QLabel { background: #2c4e7e; color: white; font-size: 96px }");
        host->setWidget(content);
        host->slotSetSize(QSize(800, 600));
        host->setFixedSize(200, 150);
        add("Virtual resolution", host);
        auto* setup = new ResolutionSetupWidget;
        setup->setTitle("Resolution");
        setup->addResolution(1024, 768);
        setup->addResolution(1920, 1200);
        add("Resolution setup", setup);

        auto* aniSwitch = new AniSwitch;
        aniSwitch->setFixedSize(100, 24);
        aniSwitch->init(true, true);
        add("Switch", aniSwitch);
        auto* check = new CheckButton;
        check->setText("Check");
        add("Check button", check);
        add("Search filter", new SearchFilter);

        auto* list = new QListWidget;
        auto* item = new ListWidgetItem("picture.png", list);
        item->setFullPath("/pictures/picture.png");
        list->setFixedHeight(60);
        add("List item", list);

        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTRY_VERIFY(aniSwitch->isChecked());

        QScreen* screen = page.screen();
        QVERIFY(screen);
        QImage shot;
        // The window manager-less screen shows the page once it has painted.
        QTRY_VERIFY(distinctColours(shot = screen->grabWindow(page.winId()).toImage()) > 20);
        QVERIFY(!shot.isNull());
        QCOMPARE(shot.size(), page.size() * page.devicePixelRatioF());
        QString const saveTo = qEnvironmentVariable("TW_WIDGETPAGE_SHOT");
        if (!saveTo.isEmpty())
            shot.save(saveTo);

        for (auto it = widgets.cbegin(); it != widgets.cend(); ++it) {
            QImage const own = it.value()->grab().toImage();
            QVERIFY2(!own.isNull(), qPrintable(it.key()));
            QVERIFY2(distinctColours(own) > 1, qPrintable(it.key() + " is blank"));
        }
    }
};

TW_APP_TEST_MAIN(TestWidgetPage)
#include "tst_widgetpage.moc"
