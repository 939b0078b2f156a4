#include "gui/widgets/zqmessagebox.h"

#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/pictures.h"

#include <QApplication>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QVBoxLayout>

ZQMessageBox::ZQMessageBox(QWidget *parent)
    : QDialog(parent)
    , icon(new QLabel(this))
    , text(new QLabel(this))
    , buttonRow(new QHBoxLayout)
    , group(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("ZQMessageBox"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setMinimumSize(500, 150);
    setWindowTitle(QApplication::applicationDisplayName());
    setLabelPixmap(icon, QSize(60, 60), appIconPixmap(QSize(60, 60)));
    QFont font = QApplication::font();
    font.setPointSize(10);
    text->setFont(font);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->addLayout(top, 1);
    layout->addLayout(buttonRow);
    connect(group, &QButtonGroup::idClicked, this, [this](int id) {
        Q_EMIT buttonClicked(id);
        if (resultCallback)
            resultCallback(id);
        done(id);
    });
}

void ZQMessageBox::setButtons(const QStringList &buttons, int defaultButton)
{
    for (QAbstractButton *b : group->buttons()) {
        group->removeButton(b);
        delete b;
    }
    while (QLayoutItem *item = buttonRow->takeAt(0))
        delete item;
    buttonRow->addStretch(1);
    const int chosen = defaultButton < 1 ? buttons.size() : defaultButton;
    for (int i = 0; i < buttons.size(); ++i) {
        auto *button = new QPushButton(buttons.at(i), this);
        button->setMinimumWidth(90);
        group->addButton(button, i + 1);
        buttonRow->addWidget(button);
        if (i + 1 == chosen) {
            button->setDefault(true);
            button->setFocus();
        }
    }
}

QStringList ZQMessageBox::buttonTexts() const
{
    QStringList texts;
    for (int i = 1; group->button(i); ++i)
        texts << group->button(i)->text();
    return texts;
}

void ZQMessageBox::prepare(const QString &message, int minimumWidth)
{
    text->setText(message);
    if (minimumWidth > 0)
        setMinimumWidth(minimumWidth);
    adjustSize();
    MainWindowHelper::instance()->centreOverMainWindow(this);
}

int ZQMessageBox::question(const QString &message, const QStringList &buttons, int defaultButton,
                           int minimumWidth)
{
    ZQMessageBox box;
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.showMessage(message, buttons, defaultButton, minimumWidth, true);
}

int ZQMessageBox::showMessage(const QString &message, const QStringList &buttons, int defaultButton,
                              int minimumWidth, bool modal)
{
    setButtons(buttons, defaultButton);
    prepare(message, minimumWidth);
    if (modal)
        return exec();
    show();
    return 0;
}

int ZQMessageBox::showBusy(const QString &message, bool modal)
{
    setButtons({}, -1);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    initGuiResources();
    auto *movie = new QMovie(QStringLiteral(":/res/loading2.gif"), QByteArray(), icon);
    const int side = MainWindowHelper::instance()->scaled(32);
    movie->setScaledSize(QSize(side, side));
    icon->setFixedSize(side, side);
    icon->setMovie(movie);
    movie->start();
    prepare(message, -1);
    if (modal)
        return exec();
    show();
    return 0;
}

void ZQMessageBox::setWordWrap(bool wrap)
{
    text->setWordWrap(wrap);
}
