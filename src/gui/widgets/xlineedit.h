#pragma once

#include <QLineEdit>

// A line edit that also reports editingFinished when it loses focus, changed or not.
class XLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void focusOutEvent(QFocusEvent *event) override;
};
