// The community button's menu and links, and the menu button's caption.
#include "TestSupport/ModalDriver.h"
#include "TestSupport/UrlCatcher.h"
#include "ZEDireroz/promotion/PromotionActions.h"
#include "ZEDireroz/widgets/CommunityButton.h"
#include "ZEDireroz/widgets/MenuButton.h"

#include <QMenu>

using ZEDireroz::CommunityButton;
using ZEDireroz::MenuButton;

namespace {

QAction* entry(CommunityButton& button, QString const& text)
{
    for (QAction* action : button.menu()->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

class TestButtons : public QObject
{
    Q_OBJECT
private slots:
    // The share entry opens the share window through the application object, as
    // in the program.
    void initTestCase() { ZEDireroz::installPromotionActions(); }
    void init() { ModalAnswer::watchdogFired() = false; }
    void cleanup() { QVERIFY(!ModalAnswer::watchdogFired()); }

    void menuEntries()
    {
        CommunityButton button;
        QVERIFY(button.text().isEmpty());
        QVERIFY(button.menu());
        QStringList texts;
        for (QAction* action : button.menu()->actions()) {
            texts << (action->isSeparator() ? "-" : action->text());
            if (!action->isSeparator())
                QVERIFY2(!action->icon().isNull(), qPrintable(action->text() + " has no picture"));
        }
        QCOMPARE(texts, (QStringList{"Share", "-", "FaceBook", "YouTube", "Twitter", "Xing", "MoiMir"}));
    }

    void networkEntriesOpenTheirOwnLink_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("FaceBook") << "FaceBook";
        QTest::newRow("YouTube") << "YouTube";
        QTest::newRow("Twitter") << "Twitter";
        QTest::newRow("Xing") << "Xing";
        QTest::newRow("MoiMir") << "MoiMir";
    }
    void networkEntriesOpenTheirOwnLink()
    {
        QFETCH(QString, text);
        UrlCatcher catcher;
        CommunityButton button;
        QAction* action = entry(button, text);
        QVERIFY(action);
        action->trigger();
        QVERIFY2(catcher.urls.isEmpty(), "a link that was never set opens nothing");

        button.setFaceBook("https://example.org/circles");
        button.setYouTube("https://example.org/screen");
        button.setTwitter("https://example.org/chirp");
        button.setXing("https://example.org/career");
        button.setMoiMir("https://example.org/world");
        QMap<QString, QString> const links{{"FaceBook", "circles"},
                                           {"YouTube", "screen"},
                                           {"Twitter", "chirp"},
                                           {"Xing", "career"},
                                           {"MoiMir", "world"}};
        action->trigger();
        QCOMPARE(catcher.takeOne(), QUrl("https://example.org/" + links.value(text)));
    }

    void shareEntryRunsTheShareDialog()
    {
        CommunityButton button;
        QAction* share = entry(button, "Share");
        QVERIFY(share);
        ModalAnswer answer([](QDialog* dialog) { dialog->reject(); });
        share->trigger();
        QVERIFY(answer.seen());
        QCOMPARE(answer.seenClass(), QString("ZEDireroz::TellDialog"));
    }

    void menuButtonWritesMenuInTheLowerHalf()
    {
        MenuButton button("");
        button.setStyleSheet("QPushButton { background: black; border: none }");
        button.resize(80, 60);
        QImage const face = button.grab().toImage();
        auto whiteIn = [&face](int top, int bottom) {
            int count = 0;
            for (int y = top; y < bottom; ++y) {
                for (int x = 0; x < face.width(); ++x)
                    count += qGray(face.pixel(x, y)) > 200;
            }
            return count;
        };
        QCOMPARE(whiteIn(0, 30), 0);
        QVERIFY(whiteIn(30, 60) > 10);
    }
};

TW_APP_TEST_MAIN(TestButtons)
#include "tst_buttons.moc"
