#pragma once
// What the application object's promotion, help, style-editor and reminder slots
// do. Those windows and links belong to the areas above the frame, which the frame
// does not depend on: each area installs its part here (installPromotionActions(),
// installReminderActions(), installEditorActions()), the program at start and a
// test of those slots in its set-up, and App calls what is installed. A slot whose
// action is not installed does nothing.

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QDialog;
class QWidget;

namespace ZEDireroz {

// The addresses the promotion slots open.
enum class PromotionLink { Rate, MoreApps, Contact, SupportPage, TellFriend, PromotedApp };

// What a promotion address is made from: the running application's identity,
// its links and, for the links that use it, its language.
struct PromotionContext
{
    QString appName;
    QString appVersion;
    QString appId;
    QString supportPage;
    QString promotedAppName;
    QString promotedAppId;
    QString promotedLink;
    QString language;        // App::currentLanguage()
    QString languageSegment; // App::currentLanguageOptimized()
    bool appStore = true;
};

// What ended a reminder.
enum class ReminderAnswer { Closed, Now, MaybeLater, NeverAskMeAgain };

// The reminder kinds App asks for.
enum ReminderKind { RateKind = 1, TellKind = 2, JoinKind = 4, StoreDependentKind = 8 };

struct AppActions
{
    // The address of a promotion link; an empty one opens nothing.
    std::function<QUrl(PromotionLink, PromotionContext const&)> promotionLink;
    // The share and join windows, run modally over the parent.
    std::function<void(QWidget* parent)> share;
    std::function<void(QWidget* parent)> join;
    // A new introduction window showing the slides; App keeps it and shows it again.
    std::function<QDialog*(QWidget* parent, QStringList const& slides)> createHelp;
    // Whether the introduction is to be shown at start.
    std::function<bool()> helpOnStart;
    // Opens the style-sheet editor in a window of its own.
    std::function<void()> showCssEditor;
    // Runs the reminder of one kind (RateKind, TellKind or JoinKind) modally over
    // the parent and tells what ended it.
    std::function<ReminderAnswer(int kind, QWidget* parent)> remind;

    // The actions of this process, filled by the areas that own them.
    static AppActions& installed();
};

} // namespace ZEDireroz
