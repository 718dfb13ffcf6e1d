#include "platform/desktop/FileDialog_mac.h"

#include <QRegularExpression>

namespace {

enum class Panel { Open, Save };

// With a parent the caller wanted the toolkit's dialog, not this chooser: nothing
// is shown. selectedFilter and the options play no part here.
QStringList runPanel(Panel kind, QWidget* parent, QString const& caption, QString const& dir, QString const& filter)
{
    if (parent)
        return QStringList();
    QFileDialog dialog(nullptr, caption, dir);
    QStringList const types = FileDialog_mac::fileTypes(filter);
    if (!types.isEmpty()) {
        QStringList patterns;
        for (QString const& type : types)
            patterns << QStringLiteral("*.") + type;
        dialog.setNameFilter(patterns.join(QLatin1Char(' ')));
    }
    if (kind == Panel::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // A name typed without an extension gets the first allowed one.
        if (!types.isEmpty())
            dialog.setDefaultSuffix(types.constFirst());
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted)
        return QStringList();
    QStringList const chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QStringList() : QStringList{chosen.constFirst()};
}

} // namespace

QStringList FileDialog_mac::fileTypes(QString const& filter)
{
    static QRegularExpression const inParentheses(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    static QRegularExpression const separators(QStringLiteral("[\\s;]+"));
    QStringList types;
    for (QString const& entry : filter.split(QStringLiteral(";;"))) {
        QRegularExpressionMatch const match = inParentheses.match(entry);
        QString const patterns = match.hasMatch() ? match.captured(1) : entry;
        for (QString const& pattern : patterns.split(separators, Qt::SkipEmptyParts)) {
            if (pattern == QLatin1String("*") || pattern == QLatin1String("*.*"))
                return QStringList();
            QString type = pattern;
            if (type.startsWith(QLatin1String("*.")))
                type.remove(0, 2);
            else if (type.startsWith(QLatin1Char('.')))
                type.remove(0, 1);
            if (!type.isEmpty() && !types.contains(type))
                types << type;
        }
    }
    return types;
}

QString FileDialog_mac::getOpenFileName(QWidget* parent, QString const& caption, QString const& dir,
                                        QString const& filter, QString*, QFileDialog::Options)
{
    return runPanel(Panel::Open, parent, caption, dir, filter).value(0);
}

QString FileDialog_mac::getSaveFileName(QWidget* parent, QString const& caption, QString const& dir,
                                        QString const& filter, QString*, QFileDialog::Options)
{
    return runPanel(Panel::Save, parent, caption, dir, filter).value(0);
}

QStringList FileDialog_mac::getOpenFileNames(QWidget* parent, QString const& caption, QString const& dir,
                                             QString const& filter, QString*, QFileDialog::Options)
{
    return runPanel(Panel::Open, parent, caption, dir, filter);
}
