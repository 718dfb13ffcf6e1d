#pragma once
// Looks at a window as it is laid out and lists what a user would see wrong:
// a button's or label's text that does not fit its rectangle, a picture drawn
// much smaller than it was made, a button that shows neither text nor picture,
// two controls on top of each other, a control reaching out of its window or
// out of a panel that holds it, or a label's text drawn under the controls it
// holds. Header only: the library of a page under test supplies
// ZEDireroz::Label and ZEDireroz::NoScreenShotWidget.

#include "ZEDireroz/dialogs/Label.h"
#include "ZEDireroz/dialogs/ScreenGuard.h"
#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/frame/TranslationsManager.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMovie>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextDocument>
#include <QWidget>
#include <QtMath>
#include <QtTest>

namespace LayoutCheck {

inline QString describe(QWidget const* w)
{
    QString text;
    if (auto const* b = qobject_cast<QAbstractButton const*>(w))
        text = b->text();
    else if (auto const* l = qobject_cast<QLabel const*>(w))
        text = l->text();
    return QStringLiteral("%1 \"%2\" \"%3\"")
        .arg(QLatin1String(w->metaObject()->className()), w->objectName(), text.left(40));
}

// The lines a user reads of a plain text, without mnemonics.
inline QStringList readLines(QString const& text)
{
    QString plain = text;
    plain.replace(QLatin1String("&&"), QLatin1String("\x01"));
    plain.remove(QLatin1Char('&'));
    plain.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return plain.split(QLatin1Char('\n'));
}

inline int widestLine(QFontMetrics const& metrics, QStringList const& lines)
{
    int widest = 0;
    for (QString const& line : lines)
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The room a button's text has: its contents less any icon.
inline QRect buttonTextRoom(QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(button))
        element = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton*>(button))
        element = QStyle::SE_RadioButtonContents;
    else if (auto* push = qobject_cast<QPushButton*>(button)) {
        if (push->isFlat())
            option.features |= QStyleOptionButton::Flat;
        if (push->menu())
            option.features |= QStyleOptionButton::HasMenu;
    }
    QRect room = button->style()->subElementRect(element, &option, button);
    if (!button->icon().isNull() && element == QStyle::SE_PushButtonContents)
        room.adjust(button->iconSize().width() + 4, 0, 0, 0);
    return room;
}

inline bool isRich(QLabel const* label)
{
    return label->textFormat() == Qt::RichText
           || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

// The size a label's rich text takes laid out in the given width: its widest
// line (an unbreakable word may be wider) and its height.
inline QSize richTextSize(QLabel const* label, int width)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(label->font());
    document.setHtml(label->text());
    document.setTextWidth(width);
    return QSize(qCeil(document.idealWidth()), qCeil(document.size().height()));
}

inline void checkText(QWidget* w, QStringList& faults)
{
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (button->text().isEmpty())
            return;
        QFontMetrics const metrics(button->font());
        QRect const room = buttonTextRoom(button);
        int const needed = widestLine(metrics, readLines(button->text()));
        if (needed > room.width() || metrics.height() > room.height() + 2)
            faults << QStringLiteral("text cut: %1 needs %2 x %3, has %4 x %5")
                          .arg(describe(w))
                          .arg(needed)
                          .arg(metrics.height())
                          .arg(room.width())
                          .arg(room.height());
        return;
    }
    auto* label = qobject_cast<QLabel*>(w);
    if (!label || label->text().isEmpty())
        return;
    QRect const room =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    if (label->wordWrap()) {
        int const needed = label->heightForWidth(label->width());
        if (needed > label->height())
            faults << QStringLiteral("text cut: %1 needs height %2, has %3")
                          .arg(describe(w))
                          .arg(needed)
                          .arg(label->height());
        return;
    }
    if (isRich(label)) {
        // Rich text wraps within the label; its headings and bold runs are
        // measured in their own fonts. Centred, a text a little taller than
        // the room spills into the padding, which still shows: only what
        // passes the label's own edge is lost.
        QSize const needed = richTextSize(label, room.width());
        if (needed.width() > room.width() || needed.height() > label->height())
            faults << QStringLiteral("text cut: %1 needs %2 x %3, has %4 x %5")
                          .arg(describe(w))
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(room.width())
                          .arg(room.height());
        return;
    }
    QStringList const lines = readLines(label->text());
    QFontMetrics const metrics(label->font());
    int const needed = widestLine(metrics, lines);
    int const height = metrics.height() * lines.size();
    if (needed > room.width() || height > room.height() + 2)
        faults << QStringLiteral("text cut: %1 needs %2 x %3, has %4 x %5")
                      .arg(describe(w))
                      .arg(needed)
                      .arg(height)
                      .arg(room.width())
                      .arg(room.height());
}

// A picture made at twice its size on screen (ZEDireroz::Label) or at its
// own size (a QLabel's pixmap) must show at least this fraction of it.
inline void checkPicture(QWidget* w, double fraction, QStringList& faults)
{
    auto* label = qobject_cast<QLabel*>(w);
    if (!label)
        return;
    QSize intended;
    QRect drawn;
    if (auto* retina = qobject_cast<ZEDireroz::Label*>(label); retina && !retina->retinaPixmap().isNull()) {
        intended = retina->retinaPixmap().size() / 2;
        drawn = ZEDireroz::Label::pictureRect(label->size(), retina->retinaPixmap().size(), 2.0, retina->mode())
                    .intersected(label->rect());
    } else if (QPixmap const pixmap = label->pixmap(Qt::ReturnByValue); !pixmap.isNull()) {
        intended = pixmap.size() / pixmap.devicePixelRatio();
        drawn = label->hasScaledContents() ? label->contentsRect() : QRect(QPoint(), intended);
        drawn = drawn.intersected(label->contentsRect());
    } else {
        return;
    }
    if (drawn.width() < fraction * intended.width() || drawn.height() < fraction * intended.height())
        faults << QStringLiteral("picture too small: %1 made for %2 x %3, shown %4 x %5")
                      .arg(describe(w))
                      .arg(intended.width())
                      .arg(intended.height())
                      .arg(drawn.width())
                      .arg(drawn.height());
}

// A label that holds controls of its own (a waiting window's animation) must
// not draw its text underneath them.
inline void checkTextUnderChildren(QLabel* label, QList<QWidget*> const& children, QStringList& faults)
{
    if (label->text().isEmpty() || label->wordWrap())
        return;
    // A screen guard's text is meant to lie under its content: it shows only
    // while the content is hidden from a screen capture.
    if (qobject_cast<ZEDireroz::NoScreenShotWidget*>(label))
        return;
    QRect const room =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    QSize textSize;
    Qt::Alignment alignment = label->alignment();
    if (isRich(label)) {
        textSize = richTextSize(label, room.width());
        QTextDocument document;
        document.setHtml(label->text());
        // Rich text fills the width; its lines are placed by their own markup,
        // centred or from the left.
        bool const centred = document.toHtml().contains(QLatin1String("align=\"center\""));
        alignment = (alignment & Qt::AlignVertical_Mask) | (centred ? Qt::AlignHCenter : Qt::AlignLeft);
    } else {
        QStringList const lines = readLines(label->text());
        QFontMetrics const metrics(label->font());
        textSize = QSize(widestLine(metrics, lines), metrics.height() * lines.size());
    }
    QRect const text = QStyle::alignedRect(label->layoutDirection(), alignment, textSize, room);
    for (QWidget* child : children) {
        QRect const r(child->mapTo(label, QPoint(0, 0)), child->size());
        if (r.intersects(text))
            faults << QStringLiteral("text under a control: %1 drawn at %2,%3 %4 x %5 under %6")
                          .arg(describe(label))
                          .arg(text.x())
                          .arg(text.y())
                          .arg(text.width())
                          .arg(text.height())
                          .arg(describe(child));
    }
}

inline bool isControl(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return !label->text().isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull() || label->movie()
               || qobject_cast<ZEDireroz::Label*>(label);
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)
           || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QSlider*>(w) || qobject_cast<QTabBar*>(w);
}

// Whether a style sheet reaches the widget: the application's, or one of the
// widget's own or its holders'.
inline bool styled(QWidget const* w)
{
    if (!qApp->styleSheet().isEmpty())
        return true;
    for (; w; w = w->parentWidget())
        if (!w->styleSheet().isEmpty())
            return true;
    return false;
}

// A button that shows no text and no icon must show a picture of its own (a
// style sheet's image): a blank square is a control nobody can read. Such
// pictures come from a style sheet, so a button is judged under one; a window
// shown without any is judged where its application styles it.
inline void checkBlank(QWidget* w, QStringList& faults)
{
    auto* button = qobject_cast<QAbstractButton*>(w);
    if (!button || !button->text().isEmpty() || !button->icon().isNull() || qobject_cast<QCheckBox*>(w)
        || qobject_cast<QRadioButton*>(w) || w->width() <= 0 || w->height() <= 0 || !styled(w))
        return;
    QImage const image = w->grab().toImage();
    QRgb const first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first)
                return;
    faults << QStringLiteral("blank: %1 shows neither text nor picture").arg(describe(w));
}

// The panels between a control and its window clip what they hold: a control
// must lie inside each of them, not only inside the window. Content that
// scrolls (inside a scroll area's viewport) is meant to reach past it.
inline void checkHolders(QWidget* w, QWidget* window, QStringList& faults)
{
    for (QWidget* holder = w->parentWidget(); holder && holder != window; holder = holder->parentWidget()) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(holder->parentWidget()); area && area->viewport() == holder)
            return;
        QRect const r(w->mapTo(holder, QPoint(0, 0)), w->size());
        if (!holder->rect().contains(r)) {
            QRect const shown = r.intersected(holder->rect());
            faults << QStringLiteral("cut by its panel: %1 shows %2 x %3 of %4 x %5 in %6")
                          .arg(describe(w))
                          .arg(shown.width())
                          .arg(shown.height())
                          .arg(r.width())
                          .arg(r.height())
                          .arg(QStringLiteral("%1 \"%2\"")
                                   .arg(QLatin1String(holder->metaObject()->className()), holder->objectName()));
            return;
        }
    }
}

// Every fault of the window's visible controls; empty when it looks right.
inline QStringList faults(QWidget* window, double pictureFraction = 0.5)
{
    QStringList found;
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->isWindow() || !isControl(w))
            continue;
        // Controls inside another control (a tab bar's scroll buttons) are its own business.
        bool nested = false;
        for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
            nested = nested || isControl(p);
        if (nested)
            continue;
        controls << w;
        checkText(w, found);
        checkPicture(w, pictureFraction, found);
        checkBlank(w, found);
        checkHolders(w, window, found);
        QRect const r(w->mapTo(window, QPoint(0, 0)), w->size());
        if (!window->rect().contains(r))
            found << QStringLiteral("out of the window: %1 at %2,%3 %4 x %5")
                         .arg(describe(w))
                         .arg(r.x())
                         .arg(r.y())
                         .arg(r.width())
                         .arg(r.height());
    }
    if (auto* label = qobject_cast<QLabel*>(window))
        checkTextUnderChildren(label, controls, found);
    for (QWidget* w : controls) {
        if (auto* label = qobject_cast<QLabel*>(w)) {
            QList<QWidget*> inside;
            for (QWidget* child : label->findChildren<QWidget*>())
                if (child->isVisibleTo(window) && isControl(child))
                    inside << child;
            checkTextUnderChildren(label, inside, found);
        }
    }
    for (int i = 0; i < controls.size(); ++i) {
        QRect const a(controls[i]->mapTo(window, QPoint(0, 0)), controls[i]->size());
        for (int j = i + 1; j < controls.size(); ++j) {
            QRect const b(controls[j]->mapTo(window, QPoint(0, 0)), controls[j]->size());
            if (a.intersects(b))
                found << QStringLiteral("overlap: %1 and %2").arg(describe(controls[i]), describe(controls[j]));
        }
    }
    return found;
}

// Saves what the window shows into the folder TW_SCREENSHOT_DIR names, if any.
inline void saveScreenshot(QWidget* window, QString const& name)
{
    QString const folder = qEnvironmentVariable("TW_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

// Saves the window's picture as name and fails with every fault it shows.
inline void verify(QWidget* window, QString const& name)
{
    saveScreenshot(window, name);
    QStringList const found = faults(window);
    QVERIFY2(found.isEmpty(),
             qPrintable(QStringLiteral("%1 at %2 x %3:\n").arg(name).arg(window->width()).arg(window->height())
                        + found.join(QLatin1Char('\n'))));
}

// "-x" and the pixel ratio a test runs at (QT_SCALE_FACTOR), empty at 1.
inline QString scaleSuffix()
{
    QString const factor = qEnvironmentVariable("QT_SCALE_FACTOR");
    return factor.isEmpty() || factor == QLatin1String("1") ? QString() : QStringLiteral("-x") + factor;
}

// What tells the screenshots of one run from another's: the pixel ratio, and
// "-pocket" on a screen small enough to count as a pocket device.
inline QString screenSuffix()
{
    return scaleSuffix() + (ZEDireroz::Common::isPocketDevice() ? QStringLiteral("-pocket") : QString());
}

// The languages a run lays its windows out in: TW_LAYOUT_LANGUAGES, a list
// separated by commas (CTest runs groups of them side by side), else English.
inline QStringList languages()
{
    QStringList const listed = qEnvironmentVariable("TW_LAYOUT_LANGUAGES").split(QLatin1Char(','), Qt::SkipEmptyParts);
    return listed.isEmpty() ? QStringList{QStringLiteral("en")} : listed;
}

// What tells a window's screenshots in one language from another's: empty for
// English, else "-" and the language.
inline QString languageSuffix(QString const& language)
{
    return language == QLatin1String("en") ? QString() : QLatin1Char('-') + language;
}

// Installs a language as the application does before it makes its windows:
// its translations and, for Arabic, right to left. Windows made afterwards
// are in that language.
inline void useLanguage(QString const& language)
{
    ZEDireroz::TranslationsManager* manager = ZEDireroz::TranslationsManager::instance();
    if (manager->currentLanguage() != language)
        manager->setTranslation(language);
}

// Shows the window at defaultSize, or at its own size hint once shown (some
// windows build their controls only then), and verifies it as name + "-default";
// then, unless defaultOnly, brings it down to its smallest and verifies it as
// name + "-minimum"; both names end in the screen suffix.
inline void verifySizes(QWidget* window, QSize const& defaultSize, bool defaultOnly, QString const& name)
{
    if (defaultSize.isValid())
        window->resize(defaultSize);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QSize size = defaultSize;
    if (!size.isValid()) {
        size = window->sizeHint().expandedTo(window->minimumSize());
        window->resize(size);
    }
    QTRY_COMPARE(window->size(), size);
    verify(window, name + QStringLiteral("-default") + screenSuffix());
    if (defaultOnly)
        return;

    // The minimum the window declares, where it declares one: its layout
    // may not need more, or whoever holds the window would squeeze it.
    QSize const declared = window->minimumSize();
    QSize const hint = window->minimumSizeHint();
    size = QSize(declared.width() > 0 ? declared.width() : hint.width(),
                 declared.height() > 0 ? declared.height() : hint.height());
    if (window->layout())
        window->layout()->setSizeConstraint(QLayout::SetNoConstraint);
    window->resize(size);
    QTRY_COMPARE(window->size(), size);
    QCoreApplication::sendPostedEvents();
    verify(window, name + QStringLiteral("-minimum") + screenSuffix());
}

} // namespace LayoutCheck
