// The About box, the tutorial question and the e-mail field.
#include "TestSupport/UrlCatcher.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/TickwrenLinks.h"
#include "ZEDireroz/promotion/AboutDialog.h"
#include "ZEDireroz/promotion/EmailEdit.h"
#include "ZEDireroz/promotion/LinkDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using ZEDireroz::AboutDialog;
using ZEDireroz::App;
using ZEDireroz::EmailEdit;
using ZEDireroz::LinkDialog;

namespace {
QString const kShowKey = QStringLiteral("ShowTutoralDialog");
}

class TestAboutDialog : public QObject
{
    Q_OBJECT
private:
    UrlCatcher m_catcher;

private slots:
    void init()
    {
        m_catcher.urls.clear();
        App::theApp()->currentLanguage();
        App::theApp()->setCurrentLanguage(QStringLiteral("en"));
        App::theApp()->setSettingsValue(kShowKey, true);
    }

    void aboutInfoText()
    {
        QString const text = AboutDialog::infoText(QStringLiteral("TickwrenTrial"), QDate(2014, 3, 13));
        QVERIFY(text.startsWith(QStringLiteral("<BODY BGCOLOR=#000000><FONT COLOR=#00A0E0><CENTER>TickwrenTrial Build: "
                                               "13.03.2014<BR>")));
        QVERIFY(text.contains(QStringLiteral("2014 OLVENAR <BR>")));
        QVERIFY(text.contains(QStringLiteral("HREF=\"%1\"").arg(QString::fromLatin1(TickwrenLinks::kMakerSite))));
        QVERIFY(text.contains(QStringLiteral("<IMG SRC=\":/pix/olvenarlogo.png\">")));
        QVERIFY(text.endsWith(QStringLiteral("</CENTER>")));
    }

    void aboutDialog()
    {
        AboutDialog dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("TickwrenTrial Info"));
        QCOMPARE(dialog.objectName(), QStringLiteral("AboutDialog"));
        QCOMPARE(dialog.logoLabel()->objectName(), QStringLiteral("LogoLabel"));
        QCOMPARE(dialog.logoLabel()->size(), QSize(300, 300));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
        // The panel shows the date this program was built.
        QDate const built = App::theApp()->buildDate();
        QVERIFY(built.isValid());
        QVERIFY(built <= QDate::currentDate());
        QVERIFY(dialog.infoLabel()->text().contains(QStringLiteral("TickwrenTrial Build: ")
                                                    + built.toString(QStringLiteral("dd.MM.yyyy"))));
        QVERIFY(dialog.infoLabel()->openExternalLinks());
        QVERIFY(!QImage(QStringLiteral(":/pix/olvenarlogo.png")).isNull());

        QTimer::singleShot(0, &dialog, [&dialog]() { dialog.okButton()->click(); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }

    void tutorialLink_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("path");
        QTest::newRow("English") << QStringLiteral("en") << QStringLiteral("/tutorial/tutorial.htm");
        QTest::newRow("German") << QStringLiteral("de") << QStringLiteral("/de/tutorial/tutorial.htm");
        QTest::newRow("Portuguese") << QStringLiteral("pt") << QStringLiteral("/pt/tutorial/tutorial.htm");
    }
    void tutorialLink()
    {
        QFETCH(QString, language);
        QFETCH(QString, path);
        App::theApp()->setCurrentLanguage(language);
        LinkDialog dialog(nullptr);
        dialog.show();
        dialog.yesButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(m_catcher.takeOne(), QUrl(QString::fromLatin1(TickwrenLinks::kMakerSite) + path));
    }

    void linkDialogRemembers()
    {
        LinkDialog dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("TickwrenTrial Information"));
        // The question names this application, not some other product.
        QVERIFY(dialog.pictureLabel()->text().contains(QStringLiteral("with TickwrenTrial?")));
        QVERIFY(!dialog.rememberBox()->isChecked());
        dialog.show();
        dialog.rememberBox()->click();
        dialog.noButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(App::theApp()->settingsValue(kShowKey, true).toBool(), false);
        QVERIFY(m_catcher.urls.isEmpty());
        LinkDialog again(nullptr);
        QVERIFY(again.rememberBox()->isChecked());
        again.rememberBox()->click();
        QCOMPARE(App::theApp()->settingsValue(kShowKey, false).toBool(), true);
    }

    void emailAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "john@example.com" << true;
        QTest::newRow("dots, hyphen, underscore") << "john.doe-x_y@mail.example.de" << true;
        QTest::newRow("four letters") << "a@b.info" << true;
        QTest::newRow("mixed case") << "User.Name@Example.COM" << true;
        QTest::newRow("numeric host") << "admin@192.168.1.1" << true;
        // Top-level names longer than four letters are real ("museum", "travel").
        QTest::newRow("long top-level name") << "guide@city.museum" << true;
        QTest::newRow("one-letter ending") << "a@b.c" << false;
        QTest::newRow("four digits") << "a@b.1234" << false;
        QTest::newRow("blank inside") << "john doe@example.com" << false;
        QTest::newRow("trailing blank") << "john@example.com " << false;
        QTest::newRow("plus sign") << "john+tag@example.com" << false;
        QTest::newRow("no at sign") << "john.example.com" << false;
        QTest::newRow("no dot after the at sign") << "john@localhost" << false;
        QTest::newRow("empty") << "" << false;
    }
    void emailAddresses()
    {
        QFETCH(QString, address);
        QFETCH(bool, valid);
        EmailEdit edit(nullptr);
        QVERIFY(!edit.emailButton()->isEnabled());
        QVERIFY(!edit.eCardButton()->isEnabled());
        edit.setText(address);
        QCOMPARE(edit.emailButton()->isEnabled(), valid);
        QCOMPARE(edit.eCardButton()->isEnabled(), valid);

        // The same by typing, one key at a time.
        EmailEdit typed(nullptr);
        QSignalSpy changes(&typed, &EmailEdit::textChanged);
        QTest::keyClicks(typed.lineEdit(), address);
        QCOMPARE(typed.text(), address);
        QCOMPARE(changes.size(), address.size());
        QCOMPARE(typed.emailButton()->isEnabled(), valid);
        QCOMPARE(typed.eCardButton()->isEnabled(), valid);
    }

    void emailSignals()
    {
        EmailEdit edit(nullptr);
        QCOMPARE(edit.eCardButton()->objectName(), QStringLiteral("CardEditButton"));
        QCOMPARE(edit.emailButton()->toolTip(), QStringLiteral("Send an email"));
        QSignalSpy cards(&edit, &EmailEdit::sendECard);
        QSignalSpy mails(&edit, &EmailEdit::sendEmail);
        edit.setText(QStringLiteral("Anna.Lee@Example.org"));
        edit.show();
        QTest::mouseClick(edit.eCardButton(), Qt::LeftButton);
        QTest::mouseClick(edit.emailButton(), Qt::LeftButton);
        QCOMPARE(cards.size(), 1);
        QCOMPARE(cards.first().first().toString(), QStringLiteral("Anna.Lee@Example.org"));
        QCOMPARE(mails.size(), 1);
        // Clearing the field disables both buttons again.
        edit.lineEdit()->clear();
        QVERIFY(!edit.emailButton()->isEnabled());
        QVERIFY(!edit.eCardButton()->isEnabled());
        QTest::mouseClick(edit.emailButton(), Qt::LeftButton);
        QCOMPARE(mails.size(), 1);
    }
};

int main(int argc, char** argv)
{
    App application(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestAboutDialog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_aboutdialog.moc"
