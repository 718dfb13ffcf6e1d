#pragma once
// A rich-text editing widget for embedding: the button strip EditorPanel above
// the document window TextEdit, every button driving one operation of the
// document. The owner reads and sets the document as HTML and hears of every
// change through textChanged().

#include <QString>
#include <QWidget>

class TextEdit;

namespace ZEDireroz {

class EditorPanel;

class RichtextEditor : public QWidget
{
    Q_OBJECT
public:
    explicit RichtextEditor(QWidget* parent = nullptr);

    QString html();
    void setHtml(const QString& html);

    TextEdit* textEdit() const { return m_pTextEdit; }
    EditorPanel* panel() const { return m_pPanel; }

signals:
    void textChanged();

private:
    TextEdit* m_pTextEdit;
    EditorPanel* m_pPanel;
};

} // namespace ZEDireroz
