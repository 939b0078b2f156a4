#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

// A main window without the system's frame: it draws its own title bar, is moved by dragging
// that bar and resized from a thin border, both through the window system (startSystemMove,
// startSystemResize), so that snapping and shadows stay the desktop's own. Where the window
// system cannot move or resize it (no window manager), it moves and resizes itself.
//
// Only empty caption area drags: the title bar where no widget is, and widgets in the ignore
// list (the navigation column, the title bar, the pages' tool bars) where nothing that takes
// input is. A button, a tab, a line edit, a check box, a combo box or a list inside an ignored
// container is clicked as usual; a plain label or an empty container drags. A widget that is
// itself in the ignore list always drags.
//
// The move or resize starts once the pointer has travelled a few pixels with the button held,
// never on the press alone: a click on the caption stays a click, and no window manager is left
// holding a move it was asked for by a click that has already ended.
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

    // True for a widget that takes no input of its own (a plain label, an empty container): a
    // press on it inside the caption drags the window.
    static bool isPassive(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // A press that may become a move or a resize once the pointer moves.
    struct Drag
    {
        Hit hit = Hit::Client;
        Qt::Edges edges;
        QPoint pressGlobal;
        QRect startGeometry;
        bool manual = false; // the window system said no: this window follows the pointer
    };

    bool onPress(const QPoint &globalPos);
    bool onMove(const QPoint &globalPos, Qt::MouseButtons buttons);
    bool onRelease();
    bool onDoubleClick(const QPoint &globalPos);
    void followPointer(const QPoint &globalPos);
    void updateCursor(const QPoint &pos);

    // Guarded, not cleared by a slot: the bar is destroyed while this window is half destroyed.
    QPointer<QWidget> titleBar;
    QList<QPointer<QWidget>> ignored;
    int borderWidth = 5;
    bool resizeable = true;
    QSize normalSize;
    Drag drag;
    bool dragPending = false;
};
