#pragma once
// What the share and join panels and their dialogs have in common: the look of
// a panel button and the frame of the dialog around a panel.

#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QUrl;
class QVBoxLayout;
class QWidget;

namespace ZEDireroz {

class SharePanel
{
public:
    SharePanel() = delete;

    static constexpr int kButtonWidth = 190;
    static constexpr int kButtonHeight = 35;

    // A flat picture button of fixed size, its picture chosen by the style sheet
    // through the object name. It is not checkable: a click opens a link and the
    // button must come back up.
    static QPushButton* applyButtonProperties(QPushButton* button, QString const& objectName);
    // The four buttons of a panel, top to bottom. A network's button shows only
    // while the application has a share link for it.
    struct Buttons
    {
        QPushButton* faceBook;
        QPushButton* twitter;
        QPushButton* vkontakte;
        QPushButton* email;
    };
    // kind is "Share" or "Join": the object names are "FaceBook" + kind + "Button"
    // and so on.
    static Buttons createButtons(QString const& kind);
    // The buttons in a column, spacing 6 and margin 10.
    static QVBoxLayout* buttonColumn(Buttons const& buttons);

    // Opens a web or mail link in the user's program; the answer is not awaited.
    static void openLink(QUrl const& url);
    // Lays out a share or join dialog: an optional text, the panel centred, and a
    // Close button that accepts the dialog.
    static void buildDialog(QDialog* dialog, QLabel* text, QWidget* panel);
};

} // namespace ZEDireroz
