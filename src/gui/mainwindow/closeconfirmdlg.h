#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// Asked before quitting while downloads or conversions run.
class CloseConfirmDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CloseConfirmDlg(QWidget *parent = nullptr);
    void setText(const QString &text);
    bool isDontAskChecked() const;

public Q_SLOTS:
    void didAppeared();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    QLabel *message;
    QCheckBox *dontAsk;
    QPushButton *cancel;
    QPushButton *ok;
};
