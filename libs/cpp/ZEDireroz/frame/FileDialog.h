#pragma once
// The one place where the program asks for a file to open or a name to save
// under. With a parent window the toolkit's dialog is attached to that window and
// waited for in a local event loop (the application keeps running meanwhile);
// without one the platform's own chooser is shown (FileDialog_mac).
// selectedFilter is never written.

#include <QFileDialog>

namespace ZEDireroz {

class FileDialog : public QFileDialog
{
    Q_OBJECT
public:
    FileDialog() = delete;

    static QString getOpenFileName(QWidget* parent = nullptr, QString const& caption = QString(),
                                   QString const& dir = QString(), QString const& filter = QString(),
                                   QString* selectedFilter = nullptr, QFileDialog::Options options = {});
    static QString getSaveFileName(QWidget* parent = nullptr, QString const& caption = QString(),
                                   QString const& dir = QString(), QString const& filter = QString(),
                                   QString* selectedFilter = nullptr, QFileDialog::Options options = {});
    static QStringList getOpenFileNames(QWidget* parent = nullptr, QString const& caption = QString(),
                                        QString const& dir = QString(), QString const& filter = QString(),
                                        QString* selectedFilter = nullptr, QFileDialog::Options options = {});
};

} // namespace ZEDireroz
