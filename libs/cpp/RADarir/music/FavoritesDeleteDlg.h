#pragma once
// The dialog in which the user picks the transposer favorite to delete: a list
// of the favorites' names, Delete (accepts) and Cancel (rejects).

#include <QDialog>

class QListWidget;
class QPushButton;

namespace RADarir {

class FavoritesDeleteDlg : public QDialog
{
    Q_OBJECT
public:
    explicit FavoritesDeleteDlg(QWidget* parent = nullptr);

    // The current entry's text; empty when the list is empty or none is current.
    QString item() const;
    // Inserts name as the new first entry.
    void addItem(QString const& name);
    void clearItems();
    QStringList items() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createWidgets();
    void createLayout();

    QListWidget* m_pList = nullptr;
    QPushButton* m_pCancelButton = nullptr;
    QPushButton* m_pDeleteButton = nullptr;
};

} // namespace RADarir
