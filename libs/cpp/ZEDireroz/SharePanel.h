#pragma once
// What the share and join panels and their dialogs have in common: the look of
// a panel button and the frame of the dialog around a panel.

#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QUrl;
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
    // Opens a web or mail link in the user's program; the answer is not awaited.
    static void openLink(QUrl const& url);
    // Lays out a share or join dialog: an optional text, the panel centred, and a
    // Close button that accepts the dialog.
    static void buildDialog(QDialog* dialog, QLabel* text, QWidget* panel);
};

} // namespace ZEDireroz
