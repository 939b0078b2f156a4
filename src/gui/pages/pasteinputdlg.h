#pragma once

#include <QDialog>

class QPlainTextEdit;

// The dialog for pasting several addresses, one per line.
class PasteInputDlg : public QDialog
{
    Q_OBJECT
public:
    explicit PasteInputDlg(QWidget *parent = nullptr);
    QString text() const;

private:
    QPlainTextEdit *edit;
};
