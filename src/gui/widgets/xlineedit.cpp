#include "gui/widgets/xlineedit.h"

void XLineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!isReadOnly())
        Q_EMIT editingFinished();
}
