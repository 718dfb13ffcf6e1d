#pragma once
// The platform's own open and save choosers, shown without a parent window and
// restricted to the file types named by a filter. Options are not used here.

#include <QFileDialog>
#include <QString>
#include <QStringList>

class FileDialog_mac
{
public:
    FileDialog_mac() = delete;

    static QString getOpenFileName(QWidget* parent, QString const& caption, QString const& dir, QString const& filter,
                                   QString* selectedFilter, QFileDialog::Options options);
    static QString getSaveFileName(QWidget* parent, QString const& caption, QString const& dir, QString const& filter,
                                   QString* selectedFilter, QFileDialog::Options options);
    // One file: the chooser allows a single selection. Empty when cancelled.
    static QStringList getOpenFileNames(QWidget* parent, QString const& caption, QString const& dir,
                                        QString const& filter, QString* selectedFilter, QFileDialog::Options options);

    // The file name extensions a filter allows ("png", "jpg"), in order and without
    // repeats. The filter is the toolkit's: entries joined by ";;", each either bare
    // patterns ("*.png *.jpg") or a title with the patterns in parentheses
    // ("Images (*.png *.jpg)"). An empty list means every file: for an empty filter
    // and for one that admits "*" or "*.*".
    static QStringList fileTypes(QString const& filter);
};
