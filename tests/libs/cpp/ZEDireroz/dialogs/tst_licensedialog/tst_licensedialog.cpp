// The licence dialog: what exec() reports for each answer and what is stored.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/dialogs/LicenseDialog.h"

#include <QCloseEvent>
#include <QSettings>
#include <QTextEdit>
#include <QWindow>

using ZEDireroz::LicenseDialog;

namespace {

QString const storedKey = "TickwrenTrial/TickwrenTrial/License";

} // namespace

class TestLicenseDialog : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        ModalAnswer::watchdogFired() = false;
        ZEDireroz::App::theApp()->settings()->remove(storedKey);
    }
    void cleanup() { QVERIFY(!ModalAnswer::watchdogFired()); }

    void answers_data()
    {
        QTest::addColumn<bool>("agreedBefore");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("acceptedAfter");
        QTest::newRow("agree") << false << "agree" << 1 << true;
        QTest::newRow("agree again") << true << "agree" << 1 << true;
        QTest::newRow("disagree") << false << "disagree" << 0 << false;
        QTest::newRow("disagree keeps an earlier agreement") << true << "disagree" << 0 << true;
        QTest::newRow("Escape") << false << "escape" << 0 << false;
        QTest::newRow("window manager close") << false << "window manager" << 0 << false;
    }
    void answers()
    {
        QFETCH(bool, agreedBefore);
        QFETCH(QString, how);
        QFETCH(int, expected);
        QFETCH(bool, acceptedAfter);
        if (agreedBefore) {
            // An earlier run's agreement, as it lies in the settings file.
            ZEDireroz::App::theApp()->settings()->setValue(storedKey, true);
        }
        QCOMPARE(LicenseDialog::isLicenseAccepted(), agreedBefore);
        LicenseDialog dialog;
        dialog.setHtml("<p>Terms</p>");
        ModalAnswer::answerNextWindow([&](QWidget* widget) {
            if (how == "agree")
                QTest::mouseClick(ModalDriver::buttonWithText(widget, "&Agree"), Qt::LeftButton);
            else if (how == "disagree")
                QTest::mouseClick(ModalDriver::buttonWithText(widget, "&Disagree"), Qt::LeftButton);
            else if (how == "escape") {
                // Escape is a shortcut of the window, taken only once the
                // window is active; activation arrives later on a busy machine.
                widget->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(widget));
                QTest::keyClick(widget, Qt::Key_Escape);
            } else {
                QCloseEvent event;
                QApplication::sendEvent(widget->windowHandle(), &event);
            }
        });
        QCOMPARE(dialog.exec(), expected);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(LicenseDialog::isLicenseAccepted(), acceptedAfter);
    }

    void agreementReachesTheFile()
    {
        LicenseDialog dialog;
        dialog.slotAccept();
        QSettings* settings = ZEDireroz::App::theApp()->settings();
        settings->sync();
        // A later run reads the file afresh.
        QSettings later(settings->fileName(), QSettings::IniFormat);
        QCOMPARE(later.value(storedKey, false).toBool(), true);
    }

    void windowOffersOnlyTheTwoAnswers()
    {
        LicenseDialog dialog;
        dialog.setHtml("");
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("TickwrenTrial License Agreement"));
        QStringList visible;
        for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
            if (b->isVisible()) {
                visible << b->text();
                QCOMPARE(b->objectName(), QString("PushButton"));
            }
        }
        visible.sort();
        QCOMPARE(visible, (QStringList{"&Agree", "&Disagree"}));
        auto* text = dialog.findChild<QTextEdit*>();
        QVERIFY(text);
        QVERIFY(text->isReadOnly());
        QVERIFY(text->toPlainText().isEmpty());
        QTest::keyClicks(text, "typed");
        QVERIFY(text->toPlainText().isEmpty());
        dialog.slotDisagree(); // no effect: the window stays
        QVERIFY(dialog.isVisible());
    }
};

TW_APP_TEST_MAIN(TestLicenseDialog)
#include "tst_licensedialog.moc"
