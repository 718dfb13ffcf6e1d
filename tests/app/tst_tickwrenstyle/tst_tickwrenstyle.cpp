// The application style sheet: its sizes for a desktop and a pocket screen,
// that Qt reads it without complaint, that every picture it names exists, and
// the fixed sizes it gives the metronome's widgets.
#include "RADarir/metronome/MetronomeBeats.h"
#include "RADarir/metronome/MetronomeControls.h"
#include "app/TickwrenStyle.h"

#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTreeWidget>
#include <QtTest>

namespace {

QStringList g_lWarnings;

void collectWarnings(QtMsgType type, QMessageLogContext const&, QString const& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_lWarnings << message;
}

// The declarations of the first rule whose selector list holds `selector`.
QString rule(QString const& sheet, QString const& selector)
{
    QRegularExpression const re("(?:(?<=\\})|^)([^{}]*)\\{([^}]*)\\}");
    auto it = re.globalMatch(sheet);
    while (it.hasNext()) {
        QRegularExpressionMatch const m = it.next();
        QStringList const selectors = m.captured(1).split(',');
        for (QString const& s : selectors)
            if (s.trimmed() == selector)
                return m.captured(2);
    }
    return QString();
}

} // namespace

class TestTickwrenStyle : public QObject
{
    Q_OBJECT
private slots:
    void placeholders_data()
    {
        QTest::addColumn<bool>("pocket");
        QTest::addColumn<QString>("tempoWidth");
        QTest::addColumn<QString>("listFont");
        QTest::newRow("desktop") << false << "140px"
                                 << "20px";
        QTest::newRow("pocket") << true << "80px"
                                << "17px";
    }
    void placeholders()
    {
        QFETCH(bool, pocket);
        QFETCH(QString, tempoWidth);
        QFETCH(QString, listFont);
        QVERIFY(TickwrenStyle::styleTemplate().contains("<!TempoLabelWidth!>"));
        QString const sheet = TickwrenStyle(pocket).m_sStyleSheet;
        QVERIFY(!sheet.contains("<!"));
        QVERIFY(!sheet.contains("!>"));
        QVERIFY(!sheet.contains('\n'));
        QString const tempo = rule(sheet, "QLabel#TempoLabel");
        QVERIFY(tempo.contains("min-width:" + tempoWidth + ";"));
        QVERIFY(tempo.contains("max-width:" + tempoWidth + ";"));
        QVERIFY(rule(sheet, "QTreeWidget").contains("font-size:" + listFont + ";"));
    }

    void focusedButtonKeepsItsFontSize()
    {
        // A button is sized from its normal font; a bigger font in the focus state
        // would cut the focused button's text off.
        QString const sheet = TickwrenStyle(false).m_sStyleSheet;
        QRegularExpression const size("(\\d+)px");
        QString const normal = rule(sheet, "QPushButton#PushButton");
        QString const focused = rule(sheet, "QPushButton#PushButton:focus");
        QRegularExpression const font("font:[^;]*");
        QString const normalFont = font.match(normal).captured(0);
        QString const focusedFont = font.match(focused).captured(0);
        QVERIFY(!normalFont.isEmpty());
        if (!focusedFont.isEmpty())
            QCOMPARE(size.match(focusedFont).captured(1), size.match(normalFont).captured(1));
    }

    void defaultIsTheDesktop()
    {
        // Without an application object there is no pocket screen to ask about.
        QCOMPARE(TickwrenStyle().m_sStyleSheet, TickwrenStyle(false).m_sStyleSheet);
    }

    void picturesComeFromTheResources()
    {
        QString const sheet = TickwrenStyle(false).m_sStyleSheet;
        QRegularExpression const url("url\\(([^)]*)\\)");
        QStringList names;
        auto it = url.globalMatch(sheet);
        while (it.hasNext())
            names << it.next().captured(1);
        QVERIFY(names.size() > 40);
        for (QString const& name : qAsConst(names)) {
            QVERIFY2(name.startsWith(":/"), qPrintable(name));
            QVERIFY2(!QImage(name).isNull(), qPrintable(name));
        }
        // Positions Qt knows; a misspelt one is dropped without a word.
        QRegularExpression const position("subcontrol-position:([^;]*);");
        auto pos = position.globalMatch(sheet);
        int found = 0;
        while (pos.hasNext()) {
            QStringList const words = pos.next().captured(1).split(' ', Qt::SkipEmptyParts);
            for (QString const& w : words)
                QVERIFY2(QStringList({"top", "bottom", "left", "right", "center"}).contains(w), qPrintable(w));
            ++found;
        }
        QCOMPARE(found, 2);
    }

    void appliedWithoutWarnings_data()
    {
        QTest::addColumn<bool>("pocket");
        QTest::newRow("desktop") << false;
        QTest::newRow("pocket") << true;
    }
    void appliedWithoutWarnings()
    {
        QFETCH(bool, pocket);
        g_lWarnings.clear();
        QtMessageHandler const previous = qInstallMessageHandler(collectWarnings);
        qApp->setStyleSheet(TickwrenStyle(pocket).m_sStyleSheet);
        {
            // Widgets of every kind the sheet styles, so that every rule is read.
            QWidget window;
            RADarir::MetronomeControls controls(&window);
            RADarir::MetronomeBeats beats(&window);
            QTabBar tabs(&window);
            tabs.addTab("a");
            QMenu menu(&window);
            menu.addAction("x");
            QLabel label("text", &window);
            window.show();
            menu.ensurePolished();
            QCoreApplication::processEvents();
        }
        qInstallMessageHandler(previous);
        qApp->setStyleSheet(QString());
        QVERIFY2(g_lWarnings.isEmpty(), qPrintable(g_lWarnings.join('\n')));
    }

    void fixedSizes_data()
    {
        QTest::addColumn<bool>("pocket");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("beats button") << false << "BeatCombo" << QSize(97, 49);
        QTest::newRow("beat picture") << false << "BeatButton" << QSize(35, 49);
        QTest::newRow("minus") << false << "TempoDecButton" << QSize(40, 48);
        QTest::newRow("plus") << false << "TempoIncButton" << QSize(40, 48);
        QTest::newRow("eye") << false << "VisibleTickButton" << QSize(55, 44);
        QTest::newRow("ear") << false << "AudiableTickButton" << QSize(55, 44);
        QTest::newRow("tempo, desktop") << false << "TempoLabel" << QSize(140, 48);
        QTest::newRow("tempo, pocket") << true << "TempoLabel" << QSize(80, 48);
    }
    void fixedSizes()
    {
        QFETCH(bool, pocket);
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QWidget window;
        window.setStyleSheet(TickwrenStyle(pocket).m_sStyleSheet);
        RADarir::MetronomeControls controls(&window);
        window.show();
        QWidget* w = controls.findChild<QWidget*>(name);
        QVERIFY(w);
        w->ensurePolished();
        QCOMPARE(w->minimumSize(), size);
        QCOMPARE(w->maximumSize(), size);
        QCOMPARE(w->size(), size);
    }

    void lampsLightUp_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::newRow("lit") << true;
        QTest::newRow("dark") << false;
    }
    void lampsLightUp()
    {
        QFETCH(bool, enabled);
        QWidget window;
        window.setStyleSheet(TickwrenStyle(false).m_sStyleSheet);
        RADarir::MetronomeBeats beats(&window);
        window.show();
        beats.setCurrentBeat(enabled ? 0 : 1);
        QLabel* lamp = beats.findChildren<QLabel*>("Beat", Qt::FindDirectChildrenOnly).first();
        QCOMPARE(lamp->isEnabled(), enabled);
        // The lit lamp is bright amber in the middle, the dark one dim.
        QColor const middle = lamp->grab().toImage().pixelColor(25, 25);
        if (enabled)
            QVERIFY2(middle.red() > 200 && middle.blue() < 150, qPrintable(middle.name()));
        else
            QVERIFY2(middle.value() < 120, qPrintable(middle.name()));
    }

    void checkedSwitchesChangeTheirPicture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("eye") << "VisibleTickButton";
        QTest::newRow("ear") << "AudiableTickButton";
    }
    void checkedSwitchesChangeTheirPicture()
    {
        QFETCH(QString, name);
        QWidget window;
        window.setStyleSheet(TickwrenStyle(false).m_sStyleSheet);
        RADarir::MetronomeControls controls(&window);
        window.show();
        auto* button = controls.findChild<QPushButton*>(name);
        QImage const off = button->grab().toImage();
        button->setChecked(true);
        QImage const on = button->grab().toImage();
        QVERIFY(off != on);
        // The sheet draws a picture: the switch is not a plain flat button.
        QVERIFY(off.pixelColor(27, 5) != off.pixelColor(27, 22));
    }
};

QTEST_MAIN(TestTickwrenStyle)
#include "tst_tickwrenstyle.moc"
