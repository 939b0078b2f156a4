#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QButtonGroup;
class QHBoxLayout;
class QLabel;

// The application's message box: an icon, a text and a row of buttons numbered 1, 2, 3... in
// the order given. Closing it any other way answers 0.
class ZQMessageBox : public QDialog
{
    Q_OBJECT
public:
    explicit ZQMessageBox(QWidget *parent = nullptr);

    // Shows the question modally; the number of the button clicked, or 0.
    static int question(const QString &text, const QStringList &buttons, int defaultButton = -1,
                        int minimumWidth = -1);
    // The number of the button clicked when modal; otherwise shows the box and returns 0.
    int showMessage(const QString &text, const QStringList &buttons, int defaultButton = -1,
                    int minimumWidth = -1, bool modal = true);
    // A box without buttons or close button, with the loading animation in place of the icon.
    int showBusy(const QString &text, bool modal = false);

    void setWordWrap(bool wrap);
    void setCallback(std::function<void(int)> callback) { resultCallback = std::move(callback); }
    QStringList buttonTexts() const;

Q_SIGNALS:
    void buttonClicked(int index);

private:
    void setButtons(const QStringList &buttons, int defaultButton);
    void prepare(const QString &text, int minimumWidth);

    QLabel *icon;
    QLabel *text;
    QHBoxLayout *buttonRow;
    QButtonGroup *group;
    std::function<void(int)> resultCallback;
};
