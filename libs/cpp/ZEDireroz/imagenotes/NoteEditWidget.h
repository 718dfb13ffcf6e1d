#pragma once
// The floating text box of the image-note editor's text tool: a rich-text field
// over accept, cancel, increase and decrease buttons. It knows nothing of
// pictures; it reports the two clicks and changes the size of its text.

#include <QWidget>

class QPushButton;
class QTextEdit;

namespace ZEDireroz {

class NoteEditWidget : public QWidget
{
    Q_OBJECT
public:
    // Decrease never goes below this size, so the text stays readable.
    static constexpr int kMinimumPointSize = 1;
    static constexpr int kSizeStep = 5;

    explicit NoteEditWidget(QWidget* parent = nullptr);

    void hideAll();
    void showAll();
    QTextEdit* textEdit() const { return m_pTextEdit; }
    qreal fontPointSize() const;
    // Whether the box is placed and shows a note that is not yet written.
    bool holdsNote() const;
    // Writes the note as the accept button does.
    void accept();

signals:
    void cancelClicked();
    void okClicked();
    // The box was placed, or its text changed while it was open: the picture
    // has work that is not saved.
    void edited();

public slots:
    void slotIncrease();
    void slotDecrease();

private:
    void changeSize(int delta);

    QTextEdit* m_pTextEdit;
    QPushButton* m_pAccept;
    QPushButton* m_pCancel;
};

} // namespace ZEDireroz
