// The note text box: its size buttons and their pictures, their lower bound, its signals, and that
// creating one leaves the application's save folder alone.
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/imagenotes/NoteEditWidget.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

using ZEDireroz::App;
using ZEDireroz::NoteEditWidget;

class TestNoteEditWidget : public QObject
{
    Q_OBJECT
private slots:
    void sizeButtons_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("expected");
        QTest::newRow("three increases from 13") << 13 << QStringLiteral("+++") << 28;
        QTest::newRow("increase then decrease") << 13 << QStringLiteral("+-") << 13;
        QTest::newRow("decrease stops above zero") << 13 << QStringLiteral("---") << 1;
        QTest::newRow("decrease from 5") << 5 << QStringLiteral("-") << 1;
    }
    void sizeButtons()
    {
        QFETCH(int, start);
        QFETCH(QString, clicks);
        QFETCH(int, expected);
        NoteEditWidget box;
        QFont font = box.textEdit()->font();
        font.setPointSize(start);
        box.textEdit()->setFont(font);
        box.textEdit()->setPlainText(QStringLiteral("first line\nsecond"));
        auto* inc = box.findChild<QPushButton*>(QStringLiteral("NoteEditWidgetInc"));
        auto* dec = box.findChild<QPushButton*>(QStringLiteral("NoteEditWidgetDec"));
        QVERIFY(inc && dec);
        for (QChar c : clicks)
            QTest::mouseClick(c == QLatin1Char('+') ? inc : dec, Qt::LeftButton);
        QCOMPARE(box.textEdit()->currentFont().pointSize(), expected);
        QCOMPARE(int(box.fontPointSize()), expected);
        // All the text has the one size, and so has what is typed next.
        QTextCursor cursor(box.textEdit()->document());
        cursor.setPosition(2);
        QCOMPARE(int(cursor.charFormat().fontPointSize()), expected);
        box.textEdit()->moveCursor(QTextCursor::End);
        box.textEdit()->insertPlainText(QStringLiteral(" more"));
        cursor.movePosition(QTextCursor::End);
        QCOMPARE(int(cursor.charFormat().fontPointSize()), expected);
    }

    void signalsOfTheButtons()
    {
        NoteEditWidget box;
        QSignalSpy ok(&box, &NoteEditWidget::okClicked);
        QSignalSpy cancel(&box, &NoteEditWidget::cancelClicked);
        QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("NoteEditWidgetAccept")), Qt::LeftButton);
        QCOMPARE(ok.count(), 1);
        QCOMPARE(cancel.count(), 0);
        QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("NoteEditWidgetReject")), Qt::LeftButton);
        QCOMPARE(cancel.count(), 1);
        QCOMPARE(ok.count(), 1);
    }

    void showAndHideTheBox()
    {
        QWidget host;
        auto* box = new NoteEditWidget(&host);
        host.show();
        box->showAll();
        QVERIFY(box->isVisible());
        QVERIFY(box->textEdit()->isVisible());
        box->hideAll();
        QVERIFY(!box->isVisible());
        QVERIFY(box->textEdit()->isHidden());
    }

    // The buttons carry no text: without their pictures the row would be blank.
    void buttonsShowTheirPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("accept") << "NoteEditWidgetAccept"
                                << "Accept";
        QTest::newRow("cancel") << "NoteEditWidgetReject"
                                << "Cancel";
        QTest::newRow("increase") << "NoteEditWidgetInc"
                                  << "Increase";
        QTest::newRow("decrease") << "NoteEditWidgetDec"
                                  << "Decrease";
    }
    void buttonsShowTheirPictures()
    {
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        NoteEditWidget box;
        auto* button = box.findChild<QPushButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), toolTip);
        QImage const shown = button->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                colours.insert(shown.pixel(x, y));
        QVERIFY2(colours.size() > 20, qPrintable(QString::number(colours.size())));
    }

    void leavesTheSaveFolderAlone()
    {
        QTemporaryDir chosen;
        App::theApp()->setSaveDirPath(chosen.path() + QStringLiteral("/picture.png"));
        QString const before = App::theApp()->saveDirPath();
        NoteEditWidget box;
        QCOMPARE(App::theApp()->saveDirPath(), before);
        QVERIFY(before.startsWith(chosen.path()));
    }
};

int main(int argc, char** argv)
{
    App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestNoteEditWidget test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_noteeditwidget.moc"
