#pragma once
// The join dialog: the join panel with its list of what joining brings.

#include <QDialog>

namespace ZEDireroz {

class JoinWidget;

class JoinDialog : public QDialog
{
    Q_OBJECT
public:
    explicit JoinDialog(QWidget* parent = nullptr);

    JoinWidget* joinWidget() const { return m_pJoinWidget; }

private:
    JoinWidget* m_pJoinWidget = nullptr;
};

} // namespace ZEDireroz
