#pragma once

// The question asked before finished downloads are deleted, with the choice to delete their
// files too.

#include <QDialog>

class QCheckBox;
class QLabel;

class DeleteConfirmDlg : public QDialog
{
    Q_OBJECT
public:
    explicit DeleteConfirmDlg(QWidget *parent = nullptr);
    void setMessage(const QString &text);
    void setCheckBoxVisible(bool on);
    bool isDeleteFileChecked() const;

public Q_SLOTS:
    void didAppeared();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *message;
    QCheckBox *deleteFiles;
};
