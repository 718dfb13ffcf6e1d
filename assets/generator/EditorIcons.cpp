// Pictures of the rich-text editor's actions and panel buttons, images/mac/*.png:
//   filenew, fileopen, filesave, fileprint, exportpdf    the file actions,
//   editundo, editredo, editcut, editcopy, editpaste     the edit actions,
//   textbold, textitalic, textunder                      the character formats,
//   textleft, textcenter, textright, textjustify         the alignments,
//   editorfile                                           the panel's File menu button.
// One family: drawn on a 32-unit grid at twice that size, slate outlines,
// white pages, and one accent colour per picture.
#include "AssetGenerator.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

using AssetGen::canvas;

namespace {

constexpr int kUnits = 32;
constexpr int kScale = 2;

QColor const kInk(0x34, 0x44, 0x56);
QColor const kBlue(0x2f, 0x7c, 0xe0);
QColor const kGreen(0x2e, 0xa8, 0x5a);
QColor const kRed(0xd6, 0x45, 0x41);
QColor const kAmber(0xf0, 0xb2, 0x32);

// A canvas with a painter that draws in grid units.
struct Icon
{
    QImage image = canvas(kUnits * kScale, kUnits* kScale);
    QPainter p{&image};
    Icon()
    {
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kScale, kScale);
    }
    QImage done()
    {
        p.end();
        return image;
    }
};

QPen inkPen(qreal width = 1.6, QColor const& colour = kInk)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient verticalGradient(QRectF const& r, QColor const& top, QColor const& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// A sheet of paper with a folded top-right corner, optionally ruled with text lines.
void drawPage(QPainter& p, QRectF const& r, bool lines)
{
    qreal const fold = r.width() * 0.32;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(inkPen(1.4));
    p.setBrush(verticalGradient(r, Qt::white, QColor(0xe4, 0xea, 0xf0)));
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(QColor(0xc8, 0xd2, 0xdc));
    p.drawPath(corner);
    if (!lines)
        return;
    p.setPen(inkPen(1.2, QColor(0x9a, 0xa8, 0xb6)));
    for (qreal y = r.top() + fold + 3; y < r.bottom() - 2; y += 3.5)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

QImage drawFileNew()
{
    Icon icon;
    drawPage(icon.p, QRectF(6, 3, 18, 25), false);
    // A bright star-burst: something new.
    QPainter& p = icon.p;
    p.setPen(Qt::NoPen);
    p.setBrush(kAmber);
    QPainterPath star;
    QPointF const c(22, 22);
    for (int i = 0; i < 16; ++i) {
        qreal const radius = (i % 2) ? 3.2 : 7.5;
        qreal const angle = i * M_PI / 8 - M_PI / 2;
        QPointF const point(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(inkPen(1.0, QColor(0xb0, 0x78, 0x10)));
    p.drawPath(star);
    return icon.done();
}

QImage drawFileOpen()
{
    Icon icon;
    QPainter& p = icon.p;
    // The folder's back with its tab.
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(11, 8);
    back.lineTo(13.5, 10.5);
    back.lineTo(26, 10.5);
    back.lineTo(26, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    p.setPen(inkPen(1.4));
    p.setBrush(verticalGradient(QRectF(3, 8, 23, 18), QColor(0xf6, 0xc4, 0x52), QColor(0xd8, 0x96, 0x1e)));
    p.drawPath(back);
    // A page peeking out.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 6, 15, 10));
    // The open front flap, tilted.
    QPainterPath front;
    front.moveTo(3, 26);
    front.lineTo(7.5, 14.5);
    front.lineTo(30, 14.5);
    front.lineTo(26, 26);
    front.closeSubpath();
    p.setBrush(verticalGradient(QRectF(3, 14.5, 27, 11.5), QColor(0xfc, 0xdc, 0x80), QColor(0xf0, 0xb2, 0x32)));
    p.drawPath(front);
    return icon.done();
}

QImage drawFileSave()
{
    Icon icon;
    QPainter& p = icon.p;
    // A disk: blue body with a bevelled corner, metal shutter and a white label.
    QPainterPath body;
    body.moveTo(4, 4);
    body.lineTo(24, 4);
    body.lineTo(28, 8);
    body.lineTo(28, 28);
    body.lineTo(4, 28);
    body.closeSubpath();
    p.setPen(inkPen(1.4));
    p.setBrush(verticalGradient(QRectF(4, 4, 24, 24), kBlue.lighter(125), kBlue.darker(130)));
    p.drawPath(body);
    p.setBrush(verticalGradient(QRectF(9, 4, 13, 8), QColor(0xee, 0xf2, 0xf6), QColor(0xb4, 0xbe, 0xca)));
    p.drawRect(QRectF(9, 4, 13, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(QRectF(17, 5.5, 3, 5));
    p.setPen(inkPen(1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(8, 16, 16, 12), 1.5, 1.5);
    p.setPen(inkPen(1.0, QColor(0x9a, 0xa8, 0xb6)));
    p.drawLine(QPointF(11, 20), QPointF(21, 20));
    p.drawLine(QPointF(11, 23.5), QPointF(21, 23.5));
    return icon.done();
}

QImage drawFilePrint()
{
    Icon icon;
    QPainter& p = icon.p;
    // Paper going in at the back.
    p.setPen(inkPen(1.3));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    // The printer's body.
    p.setBrush(verticalGradient(QRectF(3, 11, 26, 12), QColor(0xc4, 0xcc, 0xd6), QColor(0x7a, 0x86, 0x94)));
    p.drawRoundedRect(QRectF(3, 11, 26, 12), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(24.5, 15), 1.5, 1.5);
    // The printed page coming out at the front, with lines of text.
    p.setPen(inkPen(1.3));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 18, 16, 11));
    p.setPen(inkPen(1.1, QColor(0x7a, 0x88, 0x98)));
    p.drawLine(QPointF(11, 22), QPointF(21, 22));
    p.drawLine(QPointF(11, 25.5), QPointF(18, 25.5));
    return icon.done();
}

QImage drawExportPdf()
{
    Icon icon;
    QPainter& p = icon.p;
    drawPage(p, QRectF(6, 3, 20, 26), true);
    // A red band across the page with the document type on it.
    QRectF const band(2, 15, 22, 10);
    p.setPen(inkPen(1.2, kRed.darker(140)));
    p.setBrush(verticalGradient(band, kRed.lighter(115), kRed.darker(115)));
    p.drawRoundedRect(band, 2, 2);
    p.setPen(Qt::white);
    p.setFont(AssetGen::font(8, true));
    p.drawText(band, Qt::AlignCenter, QStringLiteral("PDF"));
    return icon.done();
}

// A round arrow turning back over the top, pointing left (undo) or right (redo).
QImage drawTurnArrow(bool forward)
{
    Icon icon;
    QPainter& p = icon.p;
    if (forward) {
        p.translate(kUnits, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(9, 13);
    arc.cubicTo(13, 6, 27, 6, 27, 17);
    arc.cubicTo(27, 24, 21, 27, 15, 27);
    p.setPen(QPen(kInk, 6.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(QPen(kBlue, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arc);
    QPainterPath head;
    head.moveTo(3, 8);
    head.lineTo(14, 7);
    head.lineTo(6, 18);
    head.closeSubpath();
    p.setPen(inkPen(1.3));
    p.setBrush(kBlue);
    p.drawPath(head);
    return icon.done();
}

QImage drawCut()
{
    Icon icon;
    QPainter& p = icon.p;
    // Two crossed blades ...
    p.setPen(QPen(kInk, 4.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 3), QPointF(20.5, 21));
    p.drawLine(QPointF(23, 3), QPointF(11.5, 21));
    p.setPen(QPen(QColor(0xdc, 0xe2, 0xea), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 3), QPointF(20.5, 21));
    p.drawLine(QPointF(23, 3), QPointF(11.5, 21));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(16, 14.5), 1.4, 1.4);
    // ... and the red finger rings.
    p.setPen(QPen(kRed, 2.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(9.5, 24.5), 4.2, 4.2);
    p.drawEllipse(QPointF(22.5, 24.5), 4.2, 4.2);
    return icon.done();
}

QImage drawCopy()
{
    Icon icon;
    drawPage(icon.p, QRectF(4, 3, 16, 20), true);
    drawPage(icon.p, QRectF(12, 9, 16, 20), true);
    // The copy is tinted in the accent colour.
    icon.p.setPen(Qt::NoPen);
    icon.p.setBrush(QColor(kBlue.red(), kBlue.green(), kBlue.blue(), 40));
    icon.p.drawRect(QRectF(12.7, 14.5, 14.6, 13.8));
    return icon.done();
}

QImage drawPaste()
{
    Icon icon;
    QPainter& p = icon.p;
    // The clipboard: a brown board with a metal clip.
    p.setPen(inkPen(1.4));
    p.setBrush(verticalGradient(QRectF(4, 5, 20, 24), QColor(0xc8, 0x8a, 0x4e), QColor(0x96, 0x5e, 0x2c)));
    p.drawRoundedRect(QRectF(4, 5, 20, 24), 2.5, 2.5);
    p.setBrush(verticalGradient(QRectF(9, 2, 10, 6), QColor(0xee, 0xf2, 0xf6), QColor(0x9c, 0xa8, 0xb6)));
    p.drawRoundedRect(QRectF(9, 2.5, 10, 5.5), 1.5, 1.5);
    // The page being pasted, over the board's corner.
    drawPage(p, QRectF(13, 11, 15, 18), true);
    return icon.done();
}

// A letter in the shape of the format it stands for; all three are heavy, so
// that the thin italic I reads as well as the B at small sizes.
QImage drawLetter(QString const& letter, bool italic, bool underline)
{
    Icon icon;
    QPainter& p = icon.p;
    QFont font = AssetGen::font(24, true);
    font.setItalic(italic);
    p.setFont(font);
    p.setPen(kInk);
    QRectF const box(0, -1, kUnits, underline ? 26 : 32);
    p.drawText(box, Qt::AlignCenter, letter);
    if (underline) {
        p.setPen(QPen(kBlue, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 28), QPointF(24, 28));
    }
    return icon.done();
}

// Five lines of text set left, centred, right or to both edges.
QImage drawAlignment(Qt::Alignment alignment)
{
    Icon icon;
    QPainter& p = icon.p;
    qreal const widths[] = {24, 16, 22, 13, 24};
    p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        qreal const width = (alignment & Qt::AlignJustify) ? 24 : widths[i];
        qreal left = 4;
        if (alignment & Qt::AlignHCenter)
            left = (kUnits - width) / 2;
        else if (alignment & Qt::AlignRight)
            left = kUnits - 4 - width;
        qreal const y = 6 + i * 5;
        // The last line of a justified paragraph stays short, as in print.
        qreal const length = (alignment & Qt::AlignJustify) && i == 4 ? 14 : width;
        p.drawLine(QPointF(left, y), QPointF(left + length, y));
    }
    return icon.done();
}

QImage drawEditorFile()
{
    Icon icon;
    QPainter& p = icon.p;
    drawPage(p, QRectF(4, 3, 18, 24), true);
    // The mark of a menu: a small blue triangle at the corner.
    QPainterPath mark;
    mark.moveTo(20, 21);
    mark.lineTo(30, 21);
    mark.lineTo(25, 28);
    mark.closeSubpath();
    p.setPen(inkPen(1.2, kBlue.darker(150)));
    p.setBrush(kBlue);
    p.drawPath(mark);
    return icon.done();
}

void generateEditorIcons(AssetGen::Context& context)
{
    auto save = [&context](char const* name, QImage const& image) {
        context.savePicture(QStringLiteral("images/mac/") + QLatin1String(name), image);
    };
    save("filenew.png", drawFileNew());
    save("fileopen.png", drawFileOpen());
    save("filesave.png", drawFileSave());
    save("fileprint.png", drawFilePrint());
    save("exportpdf.png", drawExportPdf());
    save("editundo.png", drawTurnArrow(false));
    save("editredo.png", drawTurnArrow(true));
    save("editcut.png", drawCut());
    save("editcopy.png", drawCopy());
    save("editpaste.png", drawPaste());
    save("textbold.png", drawLetter(QStringLiteral("B"), false, false));
    save("textitalic.png", drawLetter(QStringLiteral("I"), true, false));
    save("textunder.png", drawLetter(QStringLiteral("U"), false, true));
    save("textleft.png", drawAlignment(Qt::AlignLeft));
    save("textcenter.png", drawAlignment(Qt::AlignHCenter));
    save("textright.png", drawAlignment(Qt::AlignRight));
    save("textjustify.png", drawAlignment(Qt::AlignJustify));
    save("editorfile.png", drawEditorFile());
}

} // namespace

TW_ASSET_GENERATOR(generateEditorIcons)
