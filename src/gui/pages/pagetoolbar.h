#pragma once

// Parts of the task pages' toolbars.

#include <QPushButton>

namespace pagetoolbar {
// A picture button styled from "top_image_btn.qss" with `picture` (a path below ":/res/").
QPushButton *imageButton(QWidget *parent, const QString &picture);
} // namespace pagetoolbar

// The private-mode button: its picture and tooltip follow private mode being on or off. It is
// shown only when the password can be asked for.
class PrivateModeButton : public QPushButton
{
    Q_OBJECT
public:
    explicit PrivateModeButton(QWidget *parent);

protected:
    void changeEvent(QEvent *event) override;

private:
    void refresh(bool privateModeOn);
    bool on = false;
};
