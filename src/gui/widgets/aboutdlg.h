#pragma once

#include <QDialog>

class QLabel;

// The About box: icon, name, version, a word about the maker and a link to the web site.
class AboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDlg(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    QLabel *version;
    QLabel *about;
    QLabel *link;
    QLabel *notice;
};
