#pragma once

#include <QMainWindow>

class QLabel;

// The application's main window. It hosts the pages; until they exist it shows where downloads
// go and whether the download tool is present.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private Q_SLOTS:
    void onStartupTimer();

private:
    void retranslate();
    QLabel *status = nullptr;
};
