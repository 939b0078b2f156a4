#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

class QWidget;

// The main window and the interface scale factor, for every part of the interface to ask for.
class MainWindowHelper : public QObject
{
    Q_OBJECT
public:
    static MainWindowHelper *instance();

    void setMainWindow(QWidget *window) { window_ = window; }
    QWidget *mainWindow() const { return window_; }

    // A size multiplied by the scale factor, rounded half away from zero.
    int scaled(int size) const;
    QSize scaled(const QSize &size) const;

    // The factor for a screen of that many logical dots per inch.
    static double factorForDpi(double dpi);

    // Centres a window over the main window (integer halves of the differences), inside the
    // main window's screen. A dialog's size is final only once it is shown (its layout, its
    // wrapped texts), so it is centred again each time it is shown.
    void centreOverMainWindow(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MainWindowHelper();
    void placeCentred(QWidget *widget) const;
    QPointer<QWidget> window_;
    double factor = 1.0;
};
