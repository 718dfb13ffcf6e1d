// The composed picture, and saving it.
#include "ZEDireroz/imagenotes/ImageNoteWorkArea.h"

#include "MTools/WholeFile.h"
#include "ZEDireroz/dialogs/MessageBox.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/FileDialog.h"
#include "ZEDireroz/imagenotes/NoteEditWidget.h"

#include <QBuffer>
#include <QDateTime>
#include <QMessageBox>
#include <QPainter>

namespace ZEDireroz {

// The composed picture starts as a copy of the picture (the layer is empty
// then) and is mended where the layer changed: the picture's pixels are put
// back and the layer is drawn over them. It keeps the picture's format, so
// saving it encodes the same kind of pixels as the bare picture.
QPixmap const& ImageNoteWorkArea::pixContent()
{
    if (m_staleContent.isEmpty() || m_content.isNull())
        return m_content;
    // Drawn in device pixels.
    qreal const ratio = m_content.devicePixelRatio();
    m_content.setDevicePixelRatio(1.0);
    {
        QPainter painter(&m_content);
        for (QRect const& area : m_staleContent) {
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawPixmap(area, m_base, area);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.drawImage(area, m_layer, area);
        }
    }
    m_content.setDevicePixelRatio(ratio);
    m_staleContent = QRegion();
    return m_content;
}

void ImageNoteWorkArea::layerChanged(QRect const& device)
{
    m_staleContent += device;
    update(toPoints(device));
}

// What is written is exactly the picture with its annotations. A note still
// open in its box is one of them: it goes into the picture first, as its
// accept button would put it. The file appears only once it is whole.
bool ImageNoteWorkArea::slotSave()
{
    if (m_pTextBox->isVisibleTo(this))
        acceptNote();
    QString const name = QStringLiteral("EditedScreenShot_")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss"))
                         + QStringLiteral(".png");
    QString folder = App::theApp() ? App::theApp()->saveDirPath() : QString();
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    QString const path = FileDialog::getSaveFileName(this, tr("Save Picture"), folder + name, QStringLiteral("*.png"));
    if (path.isEmpty())
        return false;

    QByteArray png;
    QString error;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!pixContent().save(&buffer, "PNG"))
            error = tr("The picture could not be encoded.");
    }
    if (error.isEmpty())
        MTools::writeWholeFile(path, png, &error);
    if (!error.isEmpty()) {
        MessageBox::warning(this, tr("Save Picture"),
                            tr("The picture could not be saved as \"%1\".\n%2").arg(path, error), QMessageBox::Ok);
        return false;
    }
    m_bDirty = false;
    if (App::theApp())
        App::theApp()->setSaveDirPath(path);
    return true;
}

} // namespace ZEDireroz
