#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

// A main window without the system's frame: it draws its own title bar, is moved by dragging
// that bar and resized from a thin border, both through the window system (startSystemMove,
// startSystemResize), so that snapping and shadows stay the desktop's own.
class CFramelessWindow : public QMainWindow
{
    Q_OBJECT
public:
    // What a point of the window is for.
    enum class Hit
    {
        Client,
        Caption,
        Resize
    };

    explicit CFramelessWindow(QWidget *parent = nullptr);

    void setTitleBar(QWidget *titleBar);
    void addIgnoreWidget(QWidget *widget);
    void setResizeable(bool resizeable);
    void showFullScreen();

    // Which edges a point (in window coordinates) resizes, or whether it drags the window.
    Hit hitTest(const QPoint &pos, Qt::Edges *edges) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool startSystemAction(const QPoint &pos);
    void updateCursor(const QPoint &pos);

    // Guarded, not cleared by a slot: the bar is destroyed while this window is half destroyed.
    QPointer<QWidget> titleBar;
    QList<QPointer<QWidget>> ignored;
    int borderWidth = 5;
    bool resizeable = true;
    QSize normalSize;
};
