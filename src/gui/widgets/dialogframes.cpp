#include "gui/widgets/dialogframes.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QWindow>

namespace dialogframes {

namespace {

const char kFixedFrame[] = "clipmoorFixedFrame";

// True when something in the dialog itself (not in a popup of it) scrolls: a list, a text box.
bool hasScrollingContent(const QDialog *dialog)
{
    for (const QAbstractScrollArea *area : dialog->findChildren<QAbstractScrollArea *>()) {
        if (area->window() == dialog)
            return true;
    }
    return false;
}

void fixFrame(QDialog *dialog)
{
    const Qt::WindowFlags flags = dialog->windowFlags();
    if (flags.testFlag(Qt::FramelessWindowHint))
        return;
    const Qt::WindowFlags wanted =
        (flags | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) &
        ~(Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint);
    if (wanted != flags) {
        dialog->overrideWindowFlags(wanted);
        if (QWindow *window = dialog->windowHandle())
            window->setFlags(wanted);
    }
    if (!dialog->property(kFixedFrame).toBool() && !hasScrollingContent(dialog) &&
        dialog->minimumSize() != dialog->maximumSize()) {
        dialog->setProperty(kFixedFrame, true);
        dialog->setFixedSize(dialog->size());
    }
}

class Filter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::Show && type != QEvent::LayoutRequest) || !watched->isWidgetType())
            return false;
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (!dialog || !dialog->isWindow())
            return false;
        if (type == QEvent::Show) {
            // Comes before the window is mapped: the window manager reads the hints once it is.
            fixFrame(dialog);
        } else if (dialog->property(kFixedFrame).toBool() && dialog->layout()) {
            // A fixed dialog whose content grew (a longer text, a shown part) grows with it.
            const QSize needed = dialog->size().expandedTo(dialog->layout()->minimumSize());
            if (needed != dialog->size())
                dialog->setFixedSize(needed);
        }
        return false;
    }
};

} // namespace

void install()
{
    static Filter *filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new Filter(qApp);
    qApp->installEventFilter(filter);
}

} // namespace dialogframes
