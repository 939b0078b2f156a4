#pragma once

#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QWidget>

class QProgressBar;
class QTimer;

// One timer for every busy bar: many rows animate without a timer each.
class ProgressTimer : public QObject
{
    Q_OBJECT
public:
    static ProgressTimer *instance();
    static constexpr int kFrames = 12;
    static constexpr int kIntervalMs = 30;

Q_SIGNALS:
    void timeout(int frame);

private:
    ProgressTimer();
    QTimer *timer;
    int frame = 0;
};

// The busy stripe: twelve frames drawn once per width, swapped on every tick.
class ProgressTickV2 : public QLabel
{
    Q_OBJECT
public:
    explicit ProgressTickV2(QWidget *parent = nullptr);
    int currentFrame() const { return frame; }
    // Frame `frame` of the stripe at that width, drawn once per width (rows painted by a
    // delegate share them with the widgets).
    static QPixmap busyFrame(int width, int frame);

public Q_SLOTS:
    void onTimer(int frame);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    static QList<QPixmap> drawFrames(int width);
    QList<QPixmap> frames;
    int framesWidth = -1;
    int frame = 0;
};

// A thin progress bar (6 pixels) with a busy mode for work whose length is not known yet.
class ProgressBar : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressBar(QWidget *parent = nullptr);

    void setValue(int value);
    int value() const;
    int maximum() const;
    void setMaximum(int maximum);
    void startBusy();
    void stopBusy();
    bool isBusy() const { return busy; }

public Q_SLOTS:

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QProgressBar *bar;
    ProgressTickV2 *tick;
    bool busy = false;
};
