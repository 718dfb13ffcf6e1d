#include "ZEDireroz/frame/FileDialog.h"

#include "platform/desktop/FileDialog_mac.h"

#include <QEventLoop>
#include <QPointer>

namespace ZEDireroz {

namespace {

// The toolkit's dialog, window-modal on the parent. Made on the heap and watched:
// should the parent window go away while the dialog is open, the dialog goes with
// it, and the call returns empty instead of destroying it a second time.
QStringList runDialog(QWidget* parent, QString const& caption, QString const& dir, QString const& filter,
                      QFileDialog::FileMode mode, QFileDialog::AcceptMode acceptMode, QFileDialog::Options options)
{
    QPointer<QFileDialog> dialog = new QFileDialog(parent, caption, dir, filter);
    dialog->setFileMode(mode);
    dialog->setAcceptMode(acceptMode);
    dialog->setOptions(options);

    QEventLoop loop;
    QObject::connect(dialog, &QFileDialog::finished, &loop, &QEventLoop::quit);
    QObject::connect(dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    dialog->open();
    loop.exec();

    if (!dialog)
        return QStringList();
    QStringList const chosen = dialog->result() == QDialog::Accepted ? dialog->selectedFiles() : QStringList();
    delete dialog;
    return chosen;
}

} // namespace

QString FileDialog::getOpenFileName(QWidget* parent, QString const& caption, QString const& dir, QString const& filter,
                                    QString* selectedFilter, QFileDialog::Options options)
{
    return parent ? runDialog(parent, caption, dir, filter, ExistingFile, AcceptOpen, options).value(0)
                  : FileDialog_mac::getOpenFileName(nullptr, caption, dir, filter, selectedFilter, options);
}

QString FileDialog::getSaveFileName(QWidget* parent, QString const& caption, QString const& dir, QString const& filter,
                                    QString* selectedFilter, QFileDialog::Options options)
{
    return parent ? runDialog(parent, caption, dir, filter, AnyFile, AcceptSave, options).value(0)
                  : FileDialog_mac::getSaveFileName(nullptr, caption, dir, filter, selectedFilter, options);
}

QStringList FileDialog::getOpenFileNames(QWidget* parent, QString const& caption, QString const& dir,
                                         QString const& filter, QString* selectedFilter, QFileDialog::Options options)
{
    return parent ? runDialog(parent, caption, dir, filter, ExistingFiles, AcceptOpen, options)
                  : FileDialog_mac::getOpenFileNames(nullptr, caption, dir, filter, selectedFilter, options);
}

} // namespace ZEDireroz
