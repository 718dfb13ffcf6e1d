#include "ZEDireroz/editors/TextEdit.h"

#include "ZEDireroz/dialogs/MessageBox.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>

namespace {

// The folder of the actions' own pictures, used where the desktop's icon
// theme has none.
const QString rsrcPath = QStringLiteral(":/images/mac");

QIcon actionIcon(char const* themeName, char const* fallback)
{
    return QIcon::fromTheme(QString::fromLatin1(themeName), QIcon(rsrcPath + QLatin1String(fallback)));
}

QPixmap colorSwatch(QColor const& c)
{
    QPixmap pix(16, 16);
    pix.fill(c);
    return pix;
}

// The list styles of the list-style box, by item index; 0 leaves the list.
struct ListStyle
{
    char const* text;
    QTextListFormat::Style style;
};

ListStyle const kListStyles[] = {
    {"Standard", QTextListFormat::ListDisc},
    {"Bullet List (Disc)", QTextListFormat::ListDisc},
    {"Bullet List (Circle)", QTextListFormat::ListCircle},
    {"Bullet List (Square)", QTextListFormat::ListSquare},
    {"Ordered List (Decimal)", QTextListFormat::ListDecimal},
    {"Ordered List (Alpha lower)", QTextListFormat::ListLowerAlpha},
    {"Ordered List (Alpha upper)", QTextListFormat::ListUpperAlpha},
    {"Ordered List (Roman lower)", QTextListFormat::ListLowerRoman},
    {"Ordered List (Roman upper)", QTextListFormat::ListUpperRoman},
};
constexpr int kListStyleCount = int(sizeof(kListStyles) / sizeof(kListStyles[0]));

} // namespace

TextEdit::TextEdit(QWidget* parent)
    : QMainWindow(parent)
{
    setToolButtonStyle(Qt::ToolButtonFollowStyle);
    setupFileActions();
    setupEditActions();
    setupTextActions();

    m_pTextEdit = new QTextEdit(this);
    connect(m_pTextEdit, &QTextEdit::currentCharFormatChanged, this, &TextEdit::currentCharFormatChanged);
    connect(m_pTextEdit, &QTextEdit::cursorPositionChanged, this, &TextEdit::cursorPositionChanged);
    connect(m_pTextEdit, &QTextEdit::textChanged, this, &TextEdit::textChanged);
    setCentralWidget(m_pTextEdit);
    m_pTextEdit->setFocus(Qt::OtherFocusReason);

    setCurrentFileName(QString());

    fontChanged(m_pTextEdit->font());
    colorChanged(m_pTextEdit->textColor());
    alignmentChanged(m_pTextEdit->alignment());

    connectDocument();
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TextEdit::clipboardDataChanged);
}

TextEdit::~TextEdit() = default;

void TextEdit::connectDocument()
{
    QTextDocument* document = m_pTextEdit->document();
    connect(document, &QTextDocument::modificationChanged, m_pActionSave, &QAction::setEnabled);
    connect(document, &QTextDocument::modificationChanged, this, &QWidget::setWindowModified);
    connect(document, &QTextDocument::undoAvailable, m_pActionUndo, &QAction::setEnabled);
    connect(document, &QTextDocument::redoAvailable, m_pActionRedo, &QAction::setEnabled);

    setWindowModified(document->isModified());
    m_pActionSave->setEnabled(document->isModified());
    m_pActionUndo->setEnabled(document->isUndoAvailable());
    m_pActionRedo->setEnabled(document->isRedoAvailable());

    connect(m_pActionUndo, &QAction::triggered, m_pTextEdit, &QTextEdit::undo);
    connect(m_pActionRedo, &QAction::triggered, m_pTextEdit, &QTextEdit::redo);

    m_pActionCut->setEnabled(false);
    m_pActionCopy->setEnabled(false);
    connect(m_pActionCut, &QAction::triggered, m_pTextEdit, &QTextEdit::cut);
    connect(m_pActionCopy, &QAction::triggered, m_pTextEdit, &QTextEdit::copy);
    connect(m_pActionPaste, &QAction::triggered, m_pTextEdit, &QTextEdit::paste);
    connect(m_pTextEdit, &QTextEdit::copyAvailable, m_pActionCut, &QAction::setEnabled);
    connect(m_pTextEdit, &QTextEdit::copyAvailable, m_pActionCopy, &QAction::setEnabled);
}

void TextEdit::setupFileActions()
{
    // The button tool bars hold their actions for anyone who wants to show
    // them; the window reaches its actions through the menus and the panel.
    auto* tb = new QToolBar(this);
    tb->setWindowTitle(tr("File Actions"));
    tb->hide();
    QMenu* menu = new QMenu(tr("&File"), this);
    menuBar()->addMenu(menu);

    QAction* a = new QAction(actionIcon("document-new", "/filenew.png"), tr("&New"), this);
    a->setPriority(QAction::LowPriority);
    a->setShortcut(QKeySequence::New);
    connect(a, &QAction::triggered, this, &TextEdit::slotFileNew);
    tb->addAction(a);
    menu->addAction(a);

    a = new QAction(actionIcon("document-open", "/fileopen.png"), tr("&Open..."), this);
    a->setShortcut(QKeySequence::Open);
    connect(a, &QAction::triggered, this, &TextEdit::slotFileOpen);
    tb->addAction(a);
    menu->addAction(a);
    menu->addSeparator();

    m_pActionSave = a = new QAction(actionIcon("document-save", "/filesave.png"), tr("&Save"), this);
    a->setShortcut(QKeySequence::Save);
    connect(a, &QAction::triggered, this, &TextEdit::slotFileSave);
    a->setEnabled(false);
    tb->addAction(a);
    menu->addAction(a);

    a = new QAction(tr("Save &As..."), this);
    a->setPriority(QAction::LowPriority);
    connect(a, &QAction::triggered, this, &TextEdit::slotFileSaveAs);
    menu->addAction(a);
    menu->addSeparator();

    a = new QAction(actionIcon("document-print", "/fileprint.png"), tr("&Print..."), this);
    a->setPriority(QAction::LowPriority);
    a->setShortcut(QKeySequence::Print);
    connect(a, &QAction::triggered, this, &TextEdit::slotFilePrint);
    tb->addAction(a);
    menu->addAction(a);

    a = new QAction(actionIcon("fileprint", "/fileprint.png"), tr("Print Preview..."), this);
    connect(a, &QAction::triggered, this, &TextEdit::slotFilePrintPreview);
    menu->addAction(a);

    a = new QAction(actionIcon("exportpdf", "/exportpdf.png"), tr("&Export PDF..."), this);
    a->setPriority(QAction::LowPriority);
    a->setShortcut(Qt::CTRL + Qt::Key_D);
    connect(a, &QAction::triggered, this, &TextEdit::slotFilePrintPdf);
    tb->addAction(a);
    menu->addAction(a);
    menu->addSeparator();

    a = new QAction(tr("&Quit"), this);
    a->setShortcut(Qt::CTRL + Qt::Key_Q);
    connect(a, &QAction::triggered, this, &QWidget::close);
    menu->addAction(a);
}

void TextEdit::setupEditActions()
{
    auto* tb = new QToolBar(this);
    tb->setWindowTitle(tr("Edit Actions"));
    tb->hide();
    QMenu* menu = new QMenu(tr("&Edit"), this);
    menuBar()->addMenu(menu);

    struct EditAction
    {
        QAction** member;
        char const* theme;
        char const* fallback;
        char const* text;
        QKeySequence::StandardKey key;
        bool lowPriority;
        bool separatorAfter;
    };
    EditAction const actions[] = {
        {&m_pActionUndo, "edit-undo", "/editundo.png", QT_TR_NOOP("&Undo"), QKeySequence::Undo, false, false},
        {&m_pActionRedo, "edit-redo", "/editredo.png", QT_TR_NOOP("&Redo"), QKeySequence::Redo, true, true},
        {&m_pActionCut, "edit-cut", "/editcut.png", QT_TR_NOOP("Cu&t"), QKeySequence::Cut, true, false},
        {&m_pActionCopy, "edit-copy", "/editcopy.png", QT_TR_NOOP("&Copy"), QKeySequence::Copy, true, false},
        {&m_pActionPaste, "edit-paste", "/editpaste.png", QT_TR_NOOP("&Paste"), QKeySequence::Paste, true, false},
    };
    for (EditAction const& entry : actions) {
        QAction* a = new QAction(actionIcon(entry.theme, entry.fallback), tr(entry.text), this);
        a->setShortcut(entry.key);
        if (entry.lowPriority)
            a->setPriority(QAction::LowPriority);
        tb->addAction(a);
        menu->addAction(a);
        if (entry.separatorAfter)
            menu->addSeparator();
        *entry.member = a;
    }
    m_pActionPaste->setEnabled(!QApplication::clipboard()->text().isEmpty());
}

void TextEdit::setupTextActions()
{
    auto* tb = new QToolBar(this);
    tb->setWindowTitle(tr("Format Actions"));
    tb->hide();
    QMenu* menu = new QMenu(tr("F&ormat"), this);
    menuBar()->addMenu(menu);

    auto formatAction = [&](char const* theme, char const* fallback, QString const& text, int key, QFont const& font,
                            void (TextEdit::*slot)()) {
        QAction* a = new QAction(actionIcon(theme, fallback), text, this);
        a->setShortcut(key);
        a->setPriority(QAction::LowPriority);
        a->setFont(font);
        connect(a, &QAction::triggered, this, slot);
        tb->addAction(a);
        menu->addAction(a);
        a->setCheckable(true);
        return a;
    };
    QFont bold;
    bold.setBold(true);
    m_pActionTextBold = formatAction("format-text-bold", "/textbold.png", tr("&Bold"), Qt::CTRL + Qt::Key_B, bold,
                                     &TextEdit::slotTextBold);
    QFont italic;
    italic.setItalic(true);
    m_pActionTextItalic = formatAction("format-text-italic", "/textitalic.png", tr("&Italic"), Qt::CTRL + Qt::Key_I,
                                       italic, &TextEdit::slotTextItalic);
    QFont underline;
    underline.setUnderline(true);
    m_pActionTextUnderline = formatAction("format-text-underline", "/textunder.png", tr("&Underline"),
                                          Qt::CTRL + Qt::Key_U, underline, &TextEdit::slotTextUnderline);
    menu->addSeparator();

    auto* group = new QActionGroup(this);
    connect(group, &QActionGroup::triggered, this, &TextEdit::textAlign);
    auto alignAction = [group](char const* theme, char const* fallback, QString const& text, int key) {
        QAction* a = new QAction(actionIcon(theme, fallback), text, group);
        a->setShortcut(key);
        a->setCheckable(true);
        a->setPriority(QAction::LowPriority);
        return a;
    };
    // The group's order is the order on screen: under a right-to-left layout
    // the side the text starts from comes first.
    if (QGuiApplication::layoutDirection() == Qt::LeftToRight) {
        m_pActionAlignLeft = alignAction("format-justify-left", "/textleft.png", tr("&Left"), Qt::CTRL + Qt::Key_L);
        m_pActionAlignCenter =
            alignAction("format-justify-center", "/textcenter.png", tr("C&enter"), Qt::CTRL + Qt::Key_E);
        m_pActionAlignRight = alignAction("format-justify-right", "/textright.png", tr("&Right"), Qt::CTRL + Qt::Key_R);
    } else {
        m_pActionAlignRight = alignAction("format-justify-right", "/textright.png", tr("&Right"), Qt::CTRL + Qt::Key_R);
        m_pActionAlignCenter =
            alignAction("format-justify-center", "/textcenter.png", tr("C&enter"), Qt::CTRL + Qt::Key_E);
        m_pActionAlignLeft = alignAction("format-justify-left", "/textleft.png", tr("&Left"), Qt::CTRL + Qt::Key_L);
    }
    m_pActionAlignJustify =
        alignAction("format-justify-fill", "/textjustify.png", tr("&Justify"), Qt::CTRL + Qt::Key_J);
    tb->addActions(group->actions());
    menu->addActions(group->actions());
    menu->addSeparator();

    m_pActionTextColor = new QAction(colorSwatch(Qt::black), tr("&Color..."), this);
    connect(m_pActionTextColor, &QAction::triggered, this, &TextEdit::slotChooseColor);
    tb->addAction(m_pActionTextColor);
    menu->addAction(m_pActionTextColor);

    setupComboBoxes();
}

void TextEdit::setupComboBoxes()
{
    auto* tb = new QToolBar(this);
    tb->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    tb->setWindowTitle(tr("Format Actions"));
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(tb);

    m_pComboStyle = new QComboBox(tb);
    tb->addWidget(m_pComboStyle);
    for (ListStyle const& entry : kListStyles)
        m_pComboStyle->addItem(QString::fromLatin1(entry.text));
    connect(m_pComboStyle, QOverload<int>::of(&QComboBox::activated), this, &TextEdit::textStyle);

    m_pComboFont = new QFontComboBox(tb);
    tb->addWidget(m_pComboFont);
    connect(m_pComboFont, &QComboBox::textActivated, this, &TextEdit::textFamily);

    m_pComboSize = new QComboBox(tb);
    m_pComboSize->setObjectName(QStringLiteral("comboSize"));
    tb->addWidget(m_pComboSize);
    m_pComboSize->setEditable(true);
    for (int size : QFontDatabase::standardSizes())
        m_pComboSize->addItem(QString::number(size));
    connect(m_pComboSize, &QComboBox::textActivated, this, &TextEdit::textSize);
    m_pComboSize->setCurrentIndex(m_pComboSize->findText(QString::number(QApplication::font().pointSize())));
}

QString TextEdit::html() const
{
    return m_pTextEdit->toHtml();
}

void TextEdit::setHtml(QString const& html)
{
    m_pTextEdit->setHtml(html);
}

void TextEdit::setCurrentFileName(QString const& fileName)
{
    m_fileName = fileName;
    m_pTextEdit->document()->setModified(false);
    QString const shownName = fileName.isEmpty() ? QStringLiteral("untitled.txt") : QFileInfo(fileName).fileName();
    setWindowTitle(tr("%1[*] - %2").arg(shownName, tr("Rich Text")));
    setWindowModified(false);
}

void TextEdit::slotTextBold()
{
    QTextCharFormat fmt;
    fmt.setFontWeight(m_pActionTextBold->isChecked() ? QFont::Bold : QFont::Normal);
    mergeFormatOnWordOrSelection(fmt);
}

void TextEdit::slotTextUnderline()
{
    QTextCharFormat fmt;
    fmt.setFontUnderline(m_pActionTextUnderline->isChecked());
    mergeFormatOnWordOrSelection(fmt);
}

void TextEdit::slotTextItalic()
{
    QTextCharFormat fmt;
    fmt.setFontItalic(m_pActionTextItalic->isChecked());
    mergeFormatOnWordOrSelection(fmt);
}

void TextEdit::slotColorChanged(const QColor& c)
{
    if (!c.isValid())
        return;
    QTextCharFormat fmt;
    fmt.setForeground(c);
    mergeFormatOnWordOrSelection(fmt);
    colorChanged(c);
}

void TextEdit::slotChooseColor()
{
    slotColorChanged(QColorDialog::getColor(m_pTextEdit->textColor(), this));
}

void TextEdit::slotTextAlignLeft()
{
    textAlign(m_pActionAlignLeft);
}

void TextEdit::slotTextAlignCenter()
{
    textAlign(m_pActionAlignCenter);
}

void TextEdit::slotTextAlignRight()
{
    textAlign(m_pActionAlignRight);
}

void TextEdit::slotTextAlignJustify()
{
    textAlign(m_pActionAlignJustify);
}

void TextEdit::slotCopy()
{
    m_pTextEdit->copy();
}

void TextEdit::slotPaste()
{
    m_pTextEdit->paste();
}

void TextEdit::slotCut()
{
    m_pTextEdit->cut();
}

void TextEdit::slotUndo()
{
    m_pTextEdit->undo();
}

void TextEdit::slotRedo()
{
    m_pTextEdit->redo();
}

void TextEdit::textAlign(QAction* a)
{
    if (a == m_pActionAlignLeft)
        m_pTextEdit->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    else if (a == m_pActionAlignCenter)
        m_pTextEdit->setAlignment(Qt::AlignHCenter);
    else if (a == m_pActionAlignRight)
        m_pTextEdit->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    else if (a == m_pActionAlignJustify)
        m_pTextEdit->setAlignment(Qt::AlignJustify);
}

void TextEdit::textFamily(const QString& f)
{
    QTextCharFormat fmt;
    fmt.setFontFamily(f);
    mergeFormatOnWordOrSelection(fmt);
}

void TextEdit::textSize(const QString& p)
{
    bool ok = false;
    qreal const pointSize = p.toFloat(&ok);
    if (!ok || !(pointSize > 0))
        return;
    QTextCharFormat fmt;
    fmt.setFontPointSize(pointSize);
    mergeFormatOnWordOrSelection(fmt);
}

void TextEdit::textStyle(int styleIndex)
{
    QTextCursor cursor = m_pTextEdit->textCursor();
    if (styleIndex == 0) {
        // Merging a format whose object index is -1 changes nothing (the index
        // is then simply absent), so each block's format is set again without
        // its list; its indent and everything else stay.
        QTextDocument* document = m_pTextEdit->document();
        QTextBlock block = document->findBlock(cursor.selectionStart());
        QTextBlock const last = document->findBlock(cursor.selectionEnd());
        cursor.beginEditBlock();
        while (block.isValid()) {
            QTextBlockFormat bfmt = block.blockFormat();
            bfmt.clearProperty(QTextFormat::ObjectIndex);
            QTextCursor(block).setBlockFormat(bfmt);
            if (block == last)
                break;
            block = block.next();
        }
        cursor.endEditBlock();
        return;
    }
    if (styleIndex < 0 || styleIndex >= kListStyleCount)
        styleIndex = 1;

    cursor.beginEditBlock();
    QTextBlockFormat blockFmt = cursor.blockFormat();
    QTextListFormat listFmt;
    if (cursor.currentList()) {
        listFmt = cursor.currentList()->format();
    } else {
        listFmt.setIndent(blockFmt.indent() + 1);
        blockFmt.setIndent(0);
        cursor.setBlockFormat(blockFmt);
    }
    listFmt.setStyle(kListStyles[styleIndex].style);
    cursor.createList(listFmt);
    cursor.endEditBlock();
}

void TextEdit::mergeFormatOnWordOrSelection(QTextCharFormat const& format)
{
    QTextCursor cursor = m_pTextEdit->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    m_pTextEdit->mergeCurrentCharFormat(format);
}

void TextEdit::currentCharFormatChanged(const QTextCharFormat& format)
{
    fontChanged(format.font());
    colorChanged(format.foreground().color());
}

void TextEdit::cursorPositionChanged()
{
    alignmentChanged(m_pTextEdit->alignment());
}

void TextEdit::clipboardDataChanged()
{
    m_pActionPaste->setEnabled(!QApplication::clipboard()->text().isEmpty());
}

void TextEdit::about()
{
    ZEDireroz::MessageBox::information(this, tr("About"),
                                       tr("Rich Text edits one formatted document and saves it as "
                                          "OpenDocument text, HTML or plain text, or exports it as PDF."),
                                       QMessageBox::Ok);
}

void TextEdit::fontChanged(QFont const& f)
{
    m_pComboFont->setCurrentIndex(m_pComboFont->findText(QFontInfo(f).family()));
    // The size as set, not rounded: a rounded 10.5 would show (and on the next
    // confirmation of the box apply) 11.
    m_pComboSize->setCurrentIndex(m_pComboSize->findText(QString::number(f.pointSizeF())));
    m_pActionTextBold->setChecked(f.bold());
    m_pActionTextItalic->setChecked(f.italic());
    m_pActionTextUnderline->setChecked(f.underline());
}

void TextEdit::colorChanged(QColor const& c)
{
    m_pActionTextColor->setIcon(colorSwatch(c));
}

void TextEdit::alignmentChanged(Qt::Alignment a)
{
    if (a & Qt::AlignLeft)
        m_pActionAlignLeft->setChecked(true);
    else if (a & Qt::AlignHCenter)
        m_pActionAlignCenter->setChecked(true);
    else if (a & Qt::AlignRight)
        m_pActionAlignRight->setChecked(true);
    else if (a & Qt::AlignJustify)
        m_pActionAlignJustify->setChecked(true);
}
