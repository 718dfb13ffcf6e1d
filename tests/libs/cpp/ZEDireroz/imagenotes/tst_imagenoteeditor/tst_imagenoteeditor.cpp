// The image-note editor window: its size for each picture and scale factor, the
// pictures it keeps at full resolution, its tools, the new-screen-shot, close
// and quit questions, and a look at the window on a virtual screen.
#include "TestSupport/FileDialogDriver.h"
#include "TestSupport/ModalAnswer.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/imagenotes/ImageNoteEditor.h"
#include "ZEDireroz/imagenotes/ImageNoteWorkArea.h"
#include "ZEDireroz/imagenotes/NoteEditDragPreview.h"
#include "ZEDireroz/imagenotes/NoteEditWidget.h"
#include "ZEDireroz/promotionbar/AppMenu.h"

#include <QButtonGroup>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

using ZEDireroz::App;
using ZEDireroz::AppButton;
using ZEDireroz::ImageNoteEditor;
using ZEDireroz::ImageNoteWorkArea;

namespace {

QPixmap picture(QSize const& size, QColor const& colour = QColor(70, 110, 150))
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

struct Fixture
{
    explicit Fixture(qreal scale = 1.0)
    {
        editor.setScreenMetrics([scale] { return scale; }, [] { return QSize(1920, 1080); });
    }
    void stroke(QPoint const& from, QPoint const& to)
    {
        ImageNoteWorkArea* area = editor.workArea();
        QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, to, area->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(area, &move);
        QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, to);
    }
    void saveInto(QString const& path)
    {
        FileDialogDriver driver([&](QFileDialog* dialog) {
            typeFileNames(dialog, path);
            pressAccept(dialog);
        });
        QVERIFY(editor.workArea()->slotSave());
    }
    // After a save, places a text box at `at` and types a note into it.
    void noteAfterSaving(QString const& savedPath, QPoint const& at)
    {
        saveInto(savedPath);
        ImageNoteWorkArea* area = editor.workArea();
        QVERIFY(!area->isDirty());
        area->slotSetMode(ImageNoteWorkArea::Text);
        stroke(at, at);
        QVERIFY(area->textBox()->isVisibleTo(area));
        area->textBox()->textEdit()->setPlainText(QStringLiteral("Remember the coda"));
    }
    ImageNoteEditor editor;
};

// Pixels of the note's yellow ink in a saved picture.
int yellowPixels(QImage const& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QColor const c = image.pixelColor(x, y);
            count += c.red() > 180 && c.green() > 180 && c.blue() < 120 ? 1 : 0;
        }
    return count;
}

void answerWith(int button)
{
    ModalAnswer::answerNextWindow([button](QWidget* window) {
        auto* dialog = static_cast<QDialog*>(window);
        if (button)
            dialog->done(button);
        else
            dialog->reject();
    });
}

// How many pixels of a picture differ clearly from its top-left corner: a bare
// flat button shows none, a button with a picture many.
int markedPixels(QImage const& image)
{
    QColor const ground = image.pixelColor(0, 0);
    int marked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QColor const c = image.pixelColor(x, y);
            marked += std::abs(c.red() - ground.red()) + std::abs(c.green() - ground.green())
                                  + std::abs(c.blue() - ground.blue())
                              > 60
                          ? 1
                          : 0;
        }
    return marked;
}

} // namespace

class TestImageNoteEditor : public QObject
{
    Q_OBJECT
private slots:
    void sizing_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QSize>("window");
        QTest::newRow("fits") << QSize(1000, 600) << 1.0 << QSize(1000, 600) << QSize(1100, 690);
        QTest::newRow("same scene on a 2x screen") << QSize(2000, 1200) << 2.0 << QSize(1000, 600) << QSize(1100, 690);
        QTest::newRow("odd size on a 2x screen") << QSize(2001, 1201) << 2.0 << QSize(1001, 601) << QSize(1101, 691);
        QTest::newRow("too tall takes the limit") << QSize(400, 700) << 1.0 << QSize(400, 700) << QSize(1280, 720);
        QTest::newRow("equal to the limit is not too large")
            << QSize(1180, 600) << 1.0 << QSize(1180, 600) << QSize(1280, 690);
    }
    void sizing()
    {
        QFETCH(QSize, pixels);
        QFETCH(qreal, scale);
        QFETCH(QSize, area);
        QFETCH(QSize, window);
        Fixture f(scale);
        f.editor.slotSetPixmap(picture(pixels));
        QCOMPARE(f.editor.size(), window);
        QCOMPARE(f.editor.workArea()->size(), area);
        // Every device pixel is kept: what is saved has the screen's full resolution.
        QCOMPARE(f.editor.workArea()->pixContent().size(), pixels);
        QVERIFY(!f.editor.isVisible());
    }

    void pixelsKeptOnA2xScreen()
    {
        Fixture f(2.0);
        f.editor.slotSetPixmap(picture(QSize(1001, 601)));
        QCOMPARE(f.editor.workArea()->size(), QSize(501, 301));
        f.editor.workArea()->slotSetThikness(4);
        f.stroke(QPoint(10, 100), QPoint(400, 100));
        QImage const content = f.editor.workArea()->pixContent().toImage();
        QCOMPARE(content.size(), QSize(1001, 601));
        // The stroke at point row 100 lies at device row 200.
        QColor const drawn = content.pixelColor(400, 200);
        QVERIFY(drawn.red() > 200 && drawn.green() > 200 && drawn.blue() < 100);
    }

    void toolsAndSettingsReachTheWorkArea()
    {
        Fixture f;
        f.editor.slotSetPixmap(picture(QSize(200, 150)));
        auto* oval = f.editor.findChild<QPushButton*>(QStringLiteral("ImageNoteEditorOval"));
        QTest::mouseClick(oval, Qt::LeftButton);
        QCOMPARE(f.editor.workArea()->mode(), int(ImageNoteWorkArea::Oval));
        QVERIFY(f.editor.findChild<QPushButton*>(QStringLiteral("ImageNoteEditorFilledOval"))->isHidden());
        QVERIFY(f.editor.findChild<QPushButton*>(QStringLiteral("ImageNoteEditorPen"))->isChecked() == false);
        QVERIFY(oval->isChecked());
        // A thickness from the menu reaches the next stroke.
        auto* menu = f.editor.findChild<QPushButton*>(QStringLiteral("ImageNoteEditorThikness"))->menu();
        QAction* ten = nullptr;
        for (QAction* action : menu->actions())
            ten = action->text() == QStringLiteral("10px") ? action : ten;
        QVERIFY(ten);
        ten->trigger();
        QVERIFY(ten->isChecked());
        QTest::mouseClick(f.editor.findChild<QPushButton*>(QStringLiteral("ImageNoteEditorLine")), Qt::LeftButton);
        f.stroke(QPoint(10, 70), QPoint(190, 70));
        QImage const layer = f.editor.workArea()->layer();
        QVERIFY(qAlpha(layer.pixel(100, 66)) > 0);
        QVERIFY(qAlpha(layer.pixel(100, 74)) > 0);
        QVERIFY(qAlpha(layer.pixel(100, 78)) == 0);
        // The preview already shows the change when changed() reaches outside.
        QSignalSpy changed(&f.editor, &ImageNoteEditor::changed);
        QImage seen;
        connect(&f.editor, &ImageNoteEditor::changed, this, [&] { seen = f.editor.dragPreview()->pixmap().toImage(); });
        f.stroke(QPoint(10, 20), QPoint(190, 20));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(seen, f.editor.workArea()->pixContent().toImage());
        // Undo and Redo follow the work area.
        auto* undo = f.editor.findChild<QPushButton*>(QStringLiteral("ImageNoteEditorUndo"));
        auto* redo = f.editor.findChild<QPushButton*>(QStringLiteral("ImageNoteEditorRedo"));
        QVERIFY(undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        QTest::mouseClick(undo, Qt::LeftButton);
        QVERIFY(redo->isEnabled());
    }

    // Every tool and bar button shows a picture of its own, keeps its tool tip,
    // and a chosen tool (or an unavailable undo) looks different.
    void buttonsHaveTheirLook_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("state");
        QTest::newRow("pen") << "ImageNoteEditorPen"
                             << "Pen"
                             << "checked";
        QTest::newRow("eraser") << "ImageNoteEditorEraser"
                                << "Eraser"
                                << "checked";
        QTest::newRow("highlighter") << "ImageNoteEditorHighlighter"
                                     << "Highlighter"
                                     << "checked";
        QTest::newRow("rectangle") << "ImageNoteEditorRectangle"
                                   << "Rectangle"
                                   << "checked";
        QTest::newRow("filled rectangle") << "ImageNoteEditorFilledRectangle"
                                          << "Filled Rectangle"
                                          << "checked";
        QTest::newRow("oval") << "ImageNoteEditorOval"
                              << "Oval"
                              << "checked";
        QTest::newRow("blur") << "ImageNoteEditorBlur"
                              << "Blur"
                              << "checked";
        QTest::newRow("filled oval") << "ImageNoteEditorFilledOval"
                                     << "Filled Oval"
                                     << "checked";
        QTest::newRow("line") << "ImageNoteEditorLine"
                              << "Line"
                              << "checked";
        QTest::newRow("arrow") << "ImageNoteEditorArrow"
                               << "Arrow"
                               << "checked";
        QTest::newRow("text") << "ImageNoteEditorText"
                              << "Text"
                              << "checked";
        QTest::newRow("thickness") << "ImageNoteEditorThikness" << QString() << QString();
        QTest::newRow("undo") << "ImageNoteEditorUndo"
                              << "Undo"
                              << "disabled";
        QTest::newRow("redo") << "ImageNoteEditorRedo"
                              << "Redo"
                              << "disabled";
        QTest::newRow("save") << "ImageNoteEditorSave"
                              << "Save" << QString();
        QTest::newRow("more apps") << "ImageNoteEditorMoreApps"
                                   << "MoreApps" << QString();
        QTest::newRow("app") << "ImageNoteEditorApp"
                             << "App" << QString();
        QTest::newRow("quit") << "ImageNoteEditorQuit"
                              << "Quit" << QString();
    }
    void buttonsHaveTheirLook()
    {
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        QFETCH(QString, state);
        Fixture f;
        auto* button = f.editor.findChild<QPushButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), toolTip);
        QVERIFY(button->text().isEmpty());
        // Pen starts checked; unchecking it needs the group's exclusivity off.
        if (button->group())
            button->group()->setExclusive(false);
        button->setChecked(false);
        button->setEnabled(true);
        QImage const plain = button->grab().toImage();
        QVERIFY2(markedPixels(plain) > plain.width() * plain.height() / 10,
                 qPrintable(QString::number(markedPixels(plain))));
        if (state == QStringLiteral("checked"))
            button->setChecked(true);
        else if (state == QStringLiteral("disabled"))
            button->setEnabled(false);
        else
            return;
        QImage const other = button->grab().toImage();
        QCOMPARE(other.size(), plain.size());
        int differing = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                differing += plain.pixel(x, y) != other.pixel(x, y) ? 1 : 0;
        QVERIFY2(differing > plain.width() * plain.height() / 10, qPrintable(QString::number(differing)));
    }

    // A misspelt picture in the style sheet would leave its button bare.
    void everyPictureOfTheLookExists()
    {
        Fixture f;
        QString const sheet = f.editor.styleSheet() + f.editor.workArea()->textBox()->styleSheet();
        QRegularExpression const url(QStringLiteral("url\\(([^)]+)\\)"));
        int pictures = 0;
        for (QRegularExpressionMatchIterator it = url.globalMatch(sheet); it.hasNext(); ++pictures) {
            QString const path = it.next().captured(1);
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
        }
        QVERIFY(pictures >= 11 + 7 + 4);
    }

    void newScreenShotQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("proceeds");
        QTest::newRow("yes") << int(QMessageBox::Yes) << true;
        QTest::newRow("no") << int(QMessageBox::No) << false;
        QTest::newRow("closed without an answer keeps the work") << 0 << false;
    }
    void newScreenShotQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, proceeds);
        Fixture f;
        f.editor.slotSetPixmap(picture(QSize(200, 150)));
        f.editor.show();
        QSignalSpy request(&f.editor, &ImageNoteEditor::doNewScreenShot);
        answerWith(answer);
        QTest::mouseClick(f.editor.findChild<QPushButton*>(QStringLiteral("NewScreenShowButton")), Qt::LeftButton);
        QCOMPARE(request.count(), proceeds ? 1 : 0);
        QCOMPARE(f.editor.isVisible(), !proceeds);
    }

    void newScreenShotWithoutChangesAsksNothing()
    {
        QTemporaryDir folder;
        Fixture f;
        f.editor.slotSetPixmap(picture(QSize(200, 150)));
        f.saveInto(folder.path() + QStringLiteral("/a.png"));
        f.editor.show();
        QSignalSpy request(&f.editor, &ImageNoteEditor::doNewScreenShot);
        QTest::mouseClick(f.editor.findChild<QPushButton*>(QStringLiteral("NewScreenShowButton")), Qt::LeftButton);
        QCOMPARE(request.count(), 1);
        QVERIFY(!f.editor.isVisible());
    }

    void closeQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("visible");
        QTest::newRow("no hides and keeps the picture") << int(QMessageBox::No) << false;
        QTest::newRow("cancel stays open") << int(QMessageBox::Cancel) << true;
        QTest::newRow("closed without an answer stays open") << 0 << true;
    }
    void closeQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, visible);
        Fixture f;
        f.editor.slotSetPixmap(picture(QSize(200, 150)));
        f.stroke(QPoint(10, 10), QPoint(100, 100));
        QImage const before = f.editor.workArea()->pixContent().toImage();
        f.editor.show();
        answerWith(answer);
        QVERIFY(!f.editor.close());
        QCOMPARE(f.editor.isVisible(), visible);
        QVERIFY(f.editor.workArea()->isDirty());
        QCOMPARE(f.editor.workArea()->pixContent().toImage(), before);
    }

    void closeAfterSavingWithYes()
    {
        QTemporaryDir folder;
        Fixture f;
        f.editor.slotSetPixmap(picture(QSize(200, 150)));
        f.editor.show();
        answerWith(QMessageBox::Yes);
        QString const path = folder.path() + QStringLiteral("/saved.png");
        FileDialogDriver driver([&](QFileDialog* dialog) {
            typeFileNames(dialog, path);
            pressAccept(dialog);
        });
        QVERIFY(!f.editor.close());
        QVERIFY(f.editor.isVisible());
        QVERIFY(QFile::exists(path));
        // Nothing unsaved now: the window closes without a question.
        QVERIFY(f.editor.close());
        QVERIFY(!f.editor.isVisible());
    }

    // Placing a text box makes the picture unsaved.
    void placingATextBoxMakesThePictureUnsaved()
    {
        QTemporaryDir folder;
        Fixture f;
        f.editor.slotSetPixmap(picture(QSize(300, 200)));
        f.saveInto(folder.filePath(QStringLiteral("clean.png")));
        ImageNoteWorkArea* area = f.editor.workArea();
        area->slotSetMode(ImageNoteWorkArea::Text);
        f.stroke(QPoint(20, 20), QPoint(20, 20));
        QVERIFY(area->isDirty());
        // A save closes the empty box, and nothing is left unsaved.
        f.saveInto(folder.filePath(QStringLiteral("with-box.png")));
        QVERIFY(!area->textBox()->isVisibleTo(area));
        QVERIFY(!area->isDirty());
        QCOMPARE(yellowPixels(QImage(folder.filePath(QStringLiteral("with-box.png")))), 0);
    }

    // A note open after a save is asked about before a new screen shot too.
    void newScreenShotAsksAboutAnOpenNote()
    {
        QTemporaryDir folder;
        Fixture f;
        f.editor.slotSetPixmap(picture(QSize(300, 200)));
        f.noteAfterSaving(folder.filePath(QStringLiteral("clean.png")), QPoint(20, 20));
        f.editor.show();
        QSignalSpy request(&f.editor, &ImageNoteEditor::doNewScreenShot);
        answerWith(QMessageBox::No);
        QTest::mouseClick(f.editor.findChild<QPushButton*>(QStringLiteral("NewScreenShowButton")), Qt::LeftButton);
        QCOMPARE(request.count(), 0);
        QVERIFY(f.editor.isVisible());
    }

    void noteInAnOpenBoxIsAskedAbout_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("visible");
        QTest::newRow("yes writes the note and saves") << int(QMessageBox::Yes) << true;
        QTest::newRow("no hides and keeps the note") << int(QMessageBox::No) << false;
        QTest::newRow("cancel keeps the note") << int(QMessageBox::Cancel) << true;
    }
    void noteInAnOpenBoxIsAskedAbout()
    {
        QFETCH(int, answer);
        QFETCH(bool, visible);
        QTemporaryDir folder;
        Fixture f;
        f.editor.slotSetPixmap(picture(QSize(300, 200)));
        f.noteAfterSaving(folder.filePath(QStringLiteral("clean.png")), QPoint(20, 20));
        f.editor.show();
        QString const notePath = folder.filePath(QStringLiteral("note.png"));
        answerWith(answer);
        FileDialogDriver driver([&](QFileDialog* dialog) {
            typeFileNames(dialog, notePath);
            pressAccept(dialog);
        });
        QVERIFY(!f.editor.close());
        QCOMPARE(f.editor.isVisible(), visible);
        ImageNoteWorkArea* area = f.editor.workArea();
        if (answer != QMessageBox::Yes) {
            QVERIFY(!driver.done());
            QCOMPARE(area->textBox()->textEdit()->toPlainText(), QStringLiteral("Remember the coda"));
            return;
        }
        QVERIFY(driver.done());
        QVERIFY(yellowPixels(QImage(notePath)) > 20);
        QCOMPARE(yellowPixels(QImage(folder.filePath(QStringLiteral("clean.png")))), 0);
        // Written and saved: nothing is left to ask about.
        QVERIFY(f.editor.close());
    }

    // Going on with another tool writes the open note into the picture, so it
    // reaches the file whether the user saves or answers Yes on closing.
    void noteLeftForAnotherToolIsSaved_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("closing");
        QTest::newRow("pen click, close with Yes")
            << "ImageNoteEditorPen" << QPoint(40, 170) << QPoint(40, 170) << true;
        QTest::newRow("rectangle, close with Yes")
            << "ImageNoteEditorRectangle" << QPoint(20, 150) << QPoint(280, 190) << true;
        QTest::newRow("arrow, close with Yes") << "ImageNoteEditorArrow" << QPoint(280, 180) << QPoint(20, 180) << true;
        QTest::newRow("line, Save button") << "ImageNoteEditorLine" << QPoint(20, 170) << QPoint(280, 170) << false;
    }
    void noteLeftForAnotherToolIsSaved()
    {
        QFETCH(QString, tool);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(bool, closing);
        QTemporaryDir folder;
        Fixture f;
        f.editor.slotSetPixmap(picture(QSize(300, 200)));
        f.noteAfterSaving(folder.filePath(QStringLiteral("clean.png")), QPoint(20, 20));
        f.editor.show();
        QTest::mouseClick(f.editor.findChild<QPushButton*>(tool), Qt::LeftButton);
        f.stroke(from, to);
        ImageNoteWorkArea* area = f.editor.workArea();
        QVERIFY(!area->textBox()->isVisibleTo(area));
        QString const notePath = folder.filePath(QStringLiteral("note.png"));
        FileDialogDriver driver([&](QFileDialog* dialog) {
            typeFileNames(dialog, notePath);
            pressAccept(dialog);
        });
        if (closing) {
            answerWith(QMessageBox::Yes);
            QVERIFY(!f.editor.close());
        } else {
            QTest::mouseClick(f.editor.findChild<QPushButton*>(QStringLiteral("ImageNoteEditorSave")), Qt::LeftButton);
        }
        QVERIFY(driver.done());
        // The note's box, clear of the gesture drawn below it.
        QRect const box(20, 20, 220, 90);
        QVERIFY(yellowPixels(QImage(notePath).copy(box)) > 20);
        QVERIFY(!area->isDirty());
        QVERIFY(f.editor.close());
    }

    // Save with a note open in its box writes the note first, as the box's
    // accept button does, whether the text tool is still chosen or another.
    void saveWritesTheOpenNote_data()
    {
        QTest::addColumn<QString>("tool"); // empty: the text tool stays chosen
        QTest::addColumn<int>("mode");
        QTest::newRow("text tool kept") << QString() << int(ImageNoteWorkArea::Text);
        QTest::newRow("after choosing the pen") << "ImageNoteEditorPen" << int(ImageNoteWorkArea::Pen);
        QTest::newRow("after choosing the oval") << "ImageNoteEditorOval" << int(ImageNoteWorkArea::Oval);
    }
    void saveWritesTheOpenNote()
    {
        QFETCH(QString, tool);
        QFETCH(int, mode);
        QTemporaryDir folder;
        Fixture f;
        f.editor.slotSetPixmap(picture(QSize(300, 200)));
        f.editor.show();
        f.noteAfterSaving(folder.filePath(QStringLiteral("clean.png")), QPoint(20, 20));
        if (!tool.isEmpty())
            QTest::mouseClick(f.editor.findChild<QPushButton*>(tool), Qt::LeftButton);
        QString const notePath = folder.filePath(QStringLiteral("note.png"));
        FileDialogDriver driver([&](QFileDialog* dialog) {
            typeFileNames(dialog, notePath);
            pressAccept(dialog);
        });
        QTest::mouseClick(f.editor.findChild<QPushButton*>(QStringLiteral("ImageNoteEditorSave")), Qt::LeftButton);
        QVERIFY(driver.done());
        QVERIFY(yellowPixels(QImage(notePath).copy(QRect(20, 20, 220, 90))) > 20);
        ImageNoteWorkArea* area = f.editor.workArea();
        QVERIFY(!area->textBox()->isVisibleTo(area));
        QVERIFY(area->textBox()->textEdit()->toPlainText().isEmpty());
        QVERIFY(!area->isDirty());
        QTRY_COMPARE(area->mode(), mode);
        // The note is one undo step of its own.
        area->slotUndo();
        QCOMPARE(yellowPixels(area->pixContent().toImage()), 0);
        area->slotRedo();
        // Nothing is left to ask about.
        QVERIFY(f.editor.close());
    }

    // A new picture starts without the box of a note left open over the old
    // one: the next press of a tool writes nothing of it.
    void aNewPictureDropsTheOpenNote_data()
    {
        QTest::addColumn<bool>("newScreenShot");
        QTest::newRow("slotSetPixmap") << false;
        QTest::newRow("New Screen Shot answered Yes") << true;
    }
    void aNewPictureDropsTheOpenNote()
    {
        QFETCH(bool, newScreenShot);
        Fixture f;
        f.editor.slotSetPixmap(picture(QSize(300, 200)));
        f.editor.show();
        ImageNoteWorkArea* area = f.editor.workArea();
        QTest::mouseClick(f.editor.findChild<QPushButton*>(QStringLiteral("ImageNoteEditorText")), Qt::LeftButton);
        f.stroke(QPoint(20, 20), QPoint(20, 20));
        area->textBox()->textEdit()->setPlainText(QStringLiteral("Remember the coda"));
        if (newScreenShot) {
            QSignalSpy request(&f.editor, &ImageNoteEditor::doNewScreenShot);
            answerWith(QMessageBox::Yes);
            QTest::mouseClick(f.editor.findChild<QPushButton*>(QStringLiteral("NewScreenShowButton")), Qt::LeftButton);
            QCOMPARE(request.count(), 1);
        }
        f.editor.slotSetPixmap(picture(QSize(300, 200), QColor(20, 20, 20)));
        f.editor.show();
        QVERIFY(!area->textBox()->isVisibleTo(area));
        QVERIFY(area->textBox()->textEdit()->toPlainText().isEmpty());
        QTest::mouseClick(f.editor.findChild<QPushButton*>(QStringLiteral("ImageNoteEditorPen")), Qt::LeftButton);
        area->slotSetThikness(5);
        f.stroke(QPoint(20, 180), QPoint(280, 180));
        QImage const content = area->pixContent().toImage();
        QCOMPARE(yellowPixels(content.copy(QRect(20, 20, 220, 90))), 0);
        QVERIFY(yellowPixels(content.copy(QRect(0, 170, 300, 20))) > 100);
        QCOMPARE(area->undoCount(), 1);
    }

    // After a note is accepted or cancelled, the tool the user chose stays
    // chosen, whether it was chosen while the box was open or just after.
    void theChosenToolStaysAfterANote_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("chosenFirst");
        QTest::newRow("accepted, pen chosen after") << "NoteEditWidgetAccept" << false;
        QTest::newRow("cancelled, pen chosen after") << "NoteEditWidgetReject" << false;
        QTest::newRow("accepted, pen chosen while open") << "NoteEditWidgetAccept" << true;
        QTest::newRow("cancelled, pen chosen while open") << "NoteEditWidgetReject" << true;
    }
    void theChosenToolStaysAfterANote()
    {
        QFETCH(QString, button);
        QFETCH(bool, chosenFirst);
        Fixture f;
        f.editor.slotSetPixmap(picture(QSize(300, 200)));
        f.editor.show();
        ImageNoteWorkArea* area = f.editor.workArea();
        auto* pen = f.editor.findChild<QPushButton*>(QStringLiteral("ImageNoteEditorPen"));
        QTest::mouseClick(f.editor.findChild<QPushButton*>(QStringLiteral("ImageNoteEditorText")), Qt::LeftButton);
        f.stroke(QPoint(20, 20), QPoint(20, 20));
        area->textBox()->textEdit()->setPlainText(QStringLiteral("Remember the coda"));
        if (chosenFirst)
            QTest::mouseClick(pen, Qt::LeftButton);
        QTest::mouseClick(area->textBox()->findChild<QPushButton*>(button), Qt::LeftButton);
        if (!chosenFirst)
            QTest::mouseClick(pen, Qt::LeftButton);
        // A later timer fires later: once this one has, any switch back the
        // note left behind has had its turn.
        bool waited = false;
        QTimer::singleShot(300, [&waited] { waited = true; });
        QTRY_VERIFY(waited);
        QVERIFY(pen->isChecked());
        QCOMPARE(area->mode(), int(ImageNoteWorkArea::Pen));
        int const steps = area->undoCount();
        area->slotSetThikness(5);
        f.stroke(QPoint(20, 180), QPoint(280, 180));
        QVERIFY(!area->textBox()->isVisibleTo(area));
        QCOMPARE(area->undoCount(), steps + 1);
        QVERIFY(yellowPixels(area->pixContent().toImage().copy(QRect(0, 170, 300, 20))) > 100);
    }

    void screenshotOfTheEditor()
    {
        if (QGuiApplication::platformName() != QStringLiteral("xcb"))
            QSKIP("needs the virtual display");
        Fixture f;
        QImage scene(640, 400, QImage::Format_RGB32);
        QPainter painter(&scene);
        QLinearGradient sky(0, 0, 0, 400);
        sky.setColorAt(0, QColor(0x3a, 0x6e, 0xa5));
        sky.setColorAt(1, QColor(0xdf, 0xe8, 0xf1));
        painter.fillRect(scene.rect(), sky);
        painter.fillRect(QRect(60, 60, 260, 180), QColor(0xfa, 0xfa, 0xfa));
        painter.setPen(QColor(0x33, 0x33, 0x33));
        painter.drawText(QRect(80, 80, 220, 40), Qt::AlignLeft, QStringLiteral("Tempo 120 BPM"));
        painter.end();
        f.editor.slotSetPixmap(QPixmap::fromImage(scene));
        f.editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.editor));
        ImageNoteWorkArea* area = f.editor.workArea();
        area->slotSetColor(Qt::red);
        area->slotSetThikness(3);
        area->slotSetMode(ImageNoteWorkArea::Rectangle);
        f.stroke(QPoint(70, 70), QPoint(310, 130));
        area->slotSetMode(ImageNoteWorkArea::Arrow);
        f.stroke(QPoint(500, 300), QPoint(320, 140));
        area->slotSetMode(ImageNoteWorkArea::Highlighter);
        f.stroke(QPoint(80, 200), QPoint(300, 200));
        area->slotSetMode(ImageNoteWorkArea::Text);
        f.stroke(QPoint(400, 290), QPoint(400, 290));
        area->textBox()->textEdit()->setPlainText(QStringLiteral("Count in: two bars"));
        QTRY_VERIFY([&] {
            QImage const shown = f.editor.screen()->grabWindow(f.editor.winId()).toImage();
            QPoint const edge = area->mapTo(&f.editor, QPoint(190, 70));
            QColor const c = shown.pixelColor(edge);
            return c.red() > 200 && c.green() < 60;
        }());
        QString const folder = qEnvironmentVariable("TW_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            f.editor.screen()->grabWindow(f.editor.winId()).save(folder + QStringLiteral("/imagenoteeditor.png"));
    }

    // Quitting ends the application's event loops for good, so these run last.
    // Quit, from its button or from the App menu, asks about the unsaved
    // picture: only No, or Yes with a save that succeeds, ends the program.
    void quitAsksFirst_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saveAccepted");
        QTest::addColumn<bool>("quits");
        QTest::addColumn<bool>("note"); // a note typed after a save instead of a stroke
        for (bool const fromMenu : {false, true}) {
            char const* route = fromMenu ? "App menu" : "button";
            QTest::addRow("%s, Cancel", route) << fromMenu << int(QMessageBox::Cancel) << false << false << false;
            QTest::addRow("%s, question closed", route) << fromMenu << 0 << false << false << false;
            QTest::addRow("%s, No", route) << fromMenu << int(QMessageBox::No) << false << true << false;
            QTest::addRow("%s, Yes, saved", route) << fromMenu << int(QMessageBox::Yes) << true << true << false;
            QTest::addRow("%s, Yes, save cancelled", route)
                << fromMenu << int(QMessageBox::Yes) << false << false << false;
        }
        QTest::addRow("note, Cancel") << false << int(QMessageBox::Cancel) << false << false << true;
        QTest::addRow("note, Yes, saved") << false << int(QMessageBox::Yes) << true << true << true;
    }
    void quitAsksFirst()
    {
        QFETCH(bool, fromMenu);
        QFETCH(int, answer);
        QFETCH(bool, saveAccepted);
        QFETCH(bool, quits);
        QFETCH(bool, note);
        Fixture f;
        f.editor.slotSetPixmap(picture(QSize(200, 150)));
        QTemporaryDir dir;
        if (note)
            f.noteAfterSaving(dir.filePath(QStringLiteral("clean.png")), QPoint(20, 20));
        else
            f.stroke(QPoint(20, 20), QPoint(80, 60));
        QString const path = dir.filePath(QStringLiteral("note.png"));
        answerWith(answer);
        FileDialogDriver driver([&](QFileDialog* dialog) {
            if (!saveAccepted) {
                dialog->reject();
                return;
            }
            typeFileNames(dialog, path);
            pressAccept(dialog);
        });
        // The application's own loop shows whether Quit ended it: it returns 0
        // on a quit, 7 when the program goes on after the question.
        QTimer goesOn;
        goesOn.setSingleShot(true);
        connect(&goesOn, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        QTimer::singleShot(0, &f.editor, [&] {
            if (fromMenu)
                emit f.editor.findChild<AppButton*>(QStringLiteral("ImageNoteEditorApp"))->quitPressed();
            else
                QTest::mouseClick(f.editor.findChild<QPushButton*>(QStringLiteral("ImageNoteEditorQuit")),
                                  Qt::LeftButton);
            goesOn.start(0);
        });
        QCOMPARE(QCoreApplication::exec(), quits ? 0 : 7);
        QCOMPARE(driver.done(), answer == QMessageBox::Yes);
        QCOMPARE(QFileInfo::exists(path), saveAccepted);
        if (note && saveAccepted)
            QVERIFY(yellowPixels(QImage(path)) > 20);
    }
};

int main(int argc, char** argv)
{
    App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestImageNoteEditor test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_imagenoteeditor.moc"
