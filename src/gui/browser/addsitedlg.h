#pragma once

// "Add New": the address and title of a site of the user's own for the browser's start page.
// OK is enabled only while both are filled in.

#include <QDialog>

class QLineEdit;
class QPushButton;

class AddSiteDlg : public QDialog
{
    Q_OBJECT
public:
    explicit AddSiteDlg(QWidget *parent = nullptr);

    QString url() const;
    QString title() const;
    QLineEdit *urlField() const { return urlEdit; }
    QLineEdit *titleField() const { return titleEdit; }
    QPushButton *okButton() const { return ok; }

private:
    void updateOk();

    QLineEdit *urlEdit = nullptr;
    QLineEdit *titleEdit = nullptr;
    QPushButton *ok = nullptr;
};
