#pragma once

// What the converter page suites share: a row's button pressed as a person would, and the
// format chooser answered with a kind, a target and a quality.

#include "gui/converter/adaptation.h"
#include "gui/converter/converterdelegates.h"
#include "helpers/gui_test.h"

namespace testutil {

inline void clickRowButton(QListView *view, ConverterRowDelegate *delegate, int row, int button = 0)
{
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QRect rect = delegate->buttonRects(view->visualRect(index), index).at(button);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

// Answers the next chooser with OK after picking video or audio, the target and the quality;
// `then` may look at the dialog before it closes.
inline std::shared_ptr<ModalAnswer> choose(bool video, const QString &target,
                                           const QString &quality,
                                           std::function<void(QWidget *)> then = {})
{
    return answerNextModal("OK", [=](QWidget *modal) {
        auto *dialog = qobject_cast<Adaptation *>(modal);
        QVERIFY(dialog);
        dialog->findChild<QPushButton *>(video ? "pb_video" : "pb_audio")->click();
        dialog->targetButton(target)->click();
        dialog->qualityBox()->setCurrentIndex(dialog->qualityBox()->findData(quality));
        if (then)
            then(dialog);
    });
}

} // namespace testutil
