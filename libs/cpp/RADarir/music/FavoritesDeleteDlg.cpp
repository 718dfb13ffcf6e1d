#include "RADarir/music/FavoritesDeleteDlg.h"

#include "ZEDireroz/frame/Common.h"

#include <QBoxLayout>
#include <QListWidget>
#include <QPushButton>

namespace RADarir {

namespace {

constexpr int kButtonHeight = 32;

} // namespace

FavoritesDeleteDlg::FavoritesDeleteDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Delete the chords"));
    setObjectName(QStringLiteral("Dialog"));
    setMinimumWidth(400);
    setMinimumHeight(300);
    createWidgets();
    createLayout();
}

void FavoritesDeleteDlg::createWidgets()
{
    m_pList = new QListWidget;
    m_pList->setAttribute(Qt::WA_MacShowFocusRect, false);
    m_pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_pCancelButton = new QPushButton(tr("&Cancel"));
    connect(m_pCancelButton, SIGNAL(clicked()), this, SLOT(reject()));
    m_pCancelButton->setFlat(true);
    m_pCancelButton->setObjectName(QStringLiteral("PushButton"));
    m_pCancelButton->setFixedHeight(kButtonHeight);

    m_pDeleteButton = new QPushButton(tr("&Delete"));
    connect(m_pDeleteButton, SIGNAL(clicked()), this, SLOT(accept()));
    m_pDeleteButton->setFlat(true);
    m_pDeleteButton->setObjectName(QStringLiteral("DeleteButton"));
    m_pDeleteButton->setFixedHeight(kButtonHeight);
}

void FavoritesDeleteDlg::createLayout()
{
    QBoxLayout* buttons = nullptr;
    if (ZEDireroz::Common::isPocketDevice())
        buttons = new QVBoxLayout;
    else
        buttons = new QHBoxLayout;
    buttons->addWidget(m_pDeleteButton);
    buttons->addWidget(m_pCancelButton);

    auto* layout = new QVBoxLayout;
    layout->addWidget(m_pList);
    layout->addLayout(buttons);
    setLayout(layout);
}

QString FavoritesDeleteDlg::item() const
{
    QListWidgetItem* current = m_pList->currentItem();
    return current ? current->text() : QString();
}

void FavoritesDeleteDlg::addItem(QString const& name)
{
    m_pList->insertItem(0, name);
}

void FavoritesDeleteDlg::clearItems()
{
    m_pList->clear();
}

QStringList FavoritesDeleteDlg::items() const
{
    QStringList names;
    for (int row = 0; row < m_pList->count(); ++row)
        names << m_pList->item(row)->text();
    return names;
}

void FavoritesDeleteDlg::showEvent(QShowEvent* event)
{
    if (m_pList->count() > 0)
        m_pList->setCurrentRow(0);
    m_pCancelButton->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

} // namespace RADarir
