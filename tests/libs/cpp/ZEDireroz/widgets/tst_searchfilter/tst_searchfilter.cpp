// The search filter: its clear button, its Escape (scoped to the filter, so
// that two filters and a dialog's own Escape live side by side), and its hint
// and glass.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/widgets/SearchFilter.h"

#include <QDialog>
#include <QVBoxLayout>

using ZEDireroz::SearchFilter;

namespace {

// Bright pixels in a part of the filter's face.
int brightPixels(QImage const& face, QRect const& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(face.pixel(x, y)) > 160;
    }
    return count;
}

bool activate(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace

class TestSearchFilter : public QObject
{
    Q_OBJECT
private slots:
    void clearButtonFollowsTheText()
    {
        SearchFilter filter;
        QCOMPARE(filter.objectName(), QString("SearchFilter"));
        QCOMPARE(filter.clearButton()->objectName(), QString("SearchFilterDel"));
        QVERIFY(activate(&filter));
        QVERIFY(!filter.clearButton()->isVisible());
        QTest::keyClick(&filter, Qt::Key_A);
        QVERIFY(filter.clearButton()->isVisible());
        QTest::keyClick(&filter, Qt::Key_B);
        QVERIFY(filter.clearButton()->isVisible());
        QTest::keyClick(&filter, Qt::Key_Backspace);
        QTest::keyClick(&filter, Qt::Key_Backspace);
        QVERIFY(!filter.clearButton()->isVisible());
        QTest::keyClicks(&filter, "abc");
        QTest::mouseClick(filter.clearButton(), Qt::LeftButton);
        QVERIFY(filter.text().isEmpty());
        QVERIFY(!filter.clearButton()->isVisible());
    }

    void editsWhileHidden()
    {
        SearchFilter filter;
        filter.setText("a");
        filter.setText("");
        filter.setText("b");
        filter.setText("");
        filter.show();
        QVERIFY(!filter.clearButton()->isVisible());
        filter.hide();
        filter.setText("c");
        filter.show();
        QVERIFY(filter.clearButton()->isVisible());
    }

    void escapeClearsOnlyTheFocusedFilter()
    {
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* first = new SearchFilter;
        auto* second = new SearchFilter;
        auto* button = new QPushButton("Other");
        button->setAutoDefault(false);
        layout->addWidget(first);
        layout->addWidget(second);
        layout->addWidget(button);
        QVERIFY(activate(&dialog));
        first->setText("abc");
        second->setText("xyz");

        first->setFocus();
        QTRY_VERIFY(first->hasFocus());
        QTest::keyClick(first, Qt::Key_Escape);
        QCOMPARE(first->text(), QString());
        QVERIFY(!first->clearButton()->isVisible());
        QCOMPARE(second->text(), QString("xyz"));
        QVERIFY(dialog.isVisible());

        second->setFocus();
        QTRY_VERIFY(second->hasFocus());
        QTest::keyClick(second, Qt::Key_Escape);
        QCOMPARE(second->text(), QString());
        QVERIFY(dialog.isVisible());

        // With no filter focused, Escape is the dialog's again.
        first->setText("kept");
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
        QTest::keyClick(button, Qt::Key_Escape);
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(first->text(), QString("kept"));
    }

    void escapeInAnEmptyFilterClosesTheDialog()
    {
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* filter = new SearchFilter;
        layout->addWidget(filter);
        QVERIFY(activate(&dialog));
        filter->setFocus();
        QTRY_VERIFY(filter->hasFocus());
        QTest::keyClick(filter, Qt::Key_Escape);
        QTRY_VERIFY(!dialog.isVisible());
    }

    void hintAndGlass()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* filter = new SearchFilter;
        auto* other = new QPushButton("Other");
        filter->setStyleSheet("QLineEdit { background: black; border: none; color: black }");
        filter->setFixedSize(160, 24);
        layout->addWidget(filter);
        layout->addWidget(other);
        QVERIFY(activate(&window));
        QRect const hint(5, 0, 60, 24);
        QRect const glass(160 - 24, 0, 24, 24);

        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QImage face = filter->grab().toImage();
        QVERIFY2(brightPixels(face, hint) > 20, "the hint is written while the filter has no focus");
        QVERIFY2(brightPixels(face, glass) > 20, "the glass stands at the right end");

        filter->setFocus();
        QTRY_VERIFY(filter->hasFocus());
        face = filter->grab().toImage();
        QCOMPARE(brightPixels(face, hint), 0);
        QVERIFY(brightPixels(face, glass) > 20);

        filter->setText("x");
        filter->clearButton()->hide(); // only the filter's own painting
        face = filter->grab().toImage();
        QCOMPARE(brightPixels(face, glass), 0);
    }
};

TW_APP_TEST_MAIN(TestSearchFilter)
#include "tst_searchfilter.moc"
