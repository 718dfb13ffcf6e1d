// The transposer's favorites: named chord sequences kept in the settings file,
// and the Favorites menu that stores, loads and deletes them.
#include "RADarir/music/ChordsTabBar.h"
#include "RADarir/music/FavoriteText.h"
#include "RADarir/music/FavoritesDeleteDlg.h"
#include "RADarir/music/Transposer.h"
#include "ZEDireroz/dialogs/InputDialog.h"
#include "ZEDireroz/dialogs/MessageBox.h"
#include "ZEDireroz/frame/App.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>

namespace RADarir {

namespace {

QString const kCountKey = QStringLiteral("FavoritesCount");

// Offered at the first start, before anything is stored.
QString const kSampleFavorite = QStringLiteral("Sample Song:B\nm,E\nm,F #\n7,A\n7,D\n,D\nm,G\nm,A\n7,C\n7,F\n");

// A menu text that shows the name as it is: "&" would mark a keyboard letter.
QString menuText(QString const& name)
{
    QString text = name;
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

// Every favorite in the file is read, whatever "FavoritesCount" says: a count
// that is damaged or written by hand must not hide favorites that the next save
// would overwrite or remove. The work is bounded by the keys that are stored,
// never by the count.
void Transposer::readFavorites()
{
    m_favorites.clear();
    ZEDireroz::App* app = ZEDireroz::App::theApp();
    if (!app)
        return;
    QList<int> const indexes = FavoriteText::indexesOf(app->settingsKeys());
    // Only a first start, with nothing stored yet, offers the sample.
    if (indexes.isEmpty() && !app->settingsValue(kCountKey).isValid()) {
        FavoriteText::Favorite const sample = FavoriteText::fromText(kSampleFavorite);
        m_favorites[sample.name] = sample.chords;
        return;
    }
    for (int const i : indexes) {
        FavoriteText::Favorite const favorite = FavoriteText::fromValue(app->settingsValue(FavoriteText::key(i)));
        m_favorites[favorite.name] = favorite.chords;
    }
}

void Transposer::saveFavorites()
{
    ZEDireroz::App* app = ZEDireroz::App::theApp();
    if (!app)
        return;
    QList<int> const stored = FavoriteText::indexesOf(app->settingsKeys());
    app->setSettingsValue(kCountKey, m_favorites.size());
    int i = 0;
    for (auto it = m_favorites.cbegin(); it != m_favorites.cend(); ++it, ++i)
        app->setSettingsValue(FavoriteText::key(i), FavoriteText::toText(it.key(), it.value()));
    // Every stored favorite was read, so a key beyond the new count holds one
    // that was deleted; left in the file, it would come back at the next read.
    for (int const index : stored) {
        if (index >= i)
            app->removeSettingsValue(FavoriteText::key(index));
    }
}

void Transposer::recreateFavoritesMenu()
{
    readFavorites();
    m_pFavoritesMenu->clear();
    m_pFavoritesMenu->addAction(QIcon(QStringLiteral(":/new.png")), tr("&New"), this, SLOT(slotNewFavorite()));
    m_pSaveAction = m_pFavoritesMenu->addAction(QIcon(QStringLiteral(":/save.png")), tr("&Save..."), this,
                                                SLOT(slotSaveFavorite()));
    m_pSaveAction->setEnabled(m_pTabBar->count() > 0);
    m_pFavoritesMenu->addAction(QIcon(QStringLiteral(":/delete.png")), tr("&Delete..."), this,
                                SLOT(slotDeleteFavorite()));

    // The dialog lists the names from the last to the first.
    m_pDeleteDialog->clearItems();
    for (auto it = m_favorites.cbegin(); it != m_favorites.cend(); ++it)
        m_pDeleteDialog->addItem(it.key());

    m_pFavoritesMenu->addSeparator();
    for (auto it = m_favorites.cbegin(); it != m_favorites.cend(); ++it) {
        QAction* action = m_pFavoritesMenu->addAction(menuText(it.key()), this, SLOT(slotLoadFavorite()));
        action->setData(it.key());
    }
}

void Transposer::slotNewFavorite()
{
    setCurrentChords(QStringList());
}

void Transposer::slotSaveFavorite()
{
    bool ok = false;
    QString const name = ZEDireroz::InputDialog::getText(this, tr("Save Favorite"), tr("Favorite's Name:"),
                                                         QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return;
    if (name.isEmpty()) {
        ZEDireroz::MessageBox::warning(this, tr("Warning"), tr("Can not create the favorite without name"),
                                       QMessageBox::Ok);
        return;
    }
    // Read again first: another transposer may have stored favorites since.
    readFavorites();
    m_favorites[name] = currentChords();
    saveFavorites();
    recreateFavoritesMenu();
}

void Transposer::slotLoadFavorite()
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    QString const name = action->data().toString();
    if (m_favorites.contains(name))
        setCurrentChords(m_favorites.value(name));
}

void Transposer::slotDeleteFavorite()
{
    if (m_pDeleteDialog->exec() != QDialog::Accepted)
        return;
    QString const name = m_pDeleteDialog->item();
    if (name.isEmpty())
        return;
    QString const question = tr("Remove the favorite:\n \"") + name + tr("\"?");
    int const answer = ZEDireroz::MessageBox::warning(this, tr("Warning"), question, QMessageBox::Yes | QMessageBox::No,
                                                      QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    readFavorites();
    m_favorites.remove(name);
    saveFavorites();
    recreateFavoritesMenu();
}

} // namespace RADarir
