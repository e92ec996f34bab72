#include "present/TfrmPicView.h"

#include "present/KeyMap.h"
#include "present/Pictures.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QScreen>

namespace lotavo::ui {

TfrmPicView::TfrmPicView(int startStopVirtualKey, bool mouseOnClick, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      m_startStopKey(startStopVirtualKey),
      m_mouseOnClick(mouseOnClick)
{
    setObjectName(QStringLiteral("frmPicView"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    setGeometry(QRect(QPoint(0, 0), screen ? screen->size() : QSize(800, 600)));

    Image1 = new PictureView(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(rect());

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = PopupMenu1->addAction(QStringLiteral("关闭窗口"));
    N1->setObjectName(QStringLiteral("N1"));
    N2 = PopupMenu1->addAction(QStringLiteral("图片自动缩放"));
    N2->setObjectName(QStringLiteral("N2"));
    N2->setCheckable(true);
    connect(N1, &QAction::triggered, this, &TfrmPicView::N1Click);
    connect(N2, &QAction::triggered, this, &TfrmPicView::N2Click);
}

void TfrmPicView::showPicture(const QString& path, int startStopVirtualKey, bool mouseOnClick, QWidget* parent)
{
    TfrmPicView view(startStopVirtualKey, mouseOnClick, parent);
    if (!view.loadPicture(path))
        return;
    view.exec();
}

bool TfrmPicView::loadPicture(const QString& path)
{
    return Image1->load(path);
}

int TfrmPicView::exec()
{
    QRect full = geometry();
    QRect start(full.center(), QSize(1, 1));
    setGeometry(start);
    auto* opening = new QPropertyAnimation(this, "geometry", this);
    opening->setDuration(300);
    opening->setStartValue(start);
    opening->setEndValue(full);
    opening->start(QAbstractAnimation::DeleteWhenStopped);
    return QDialog::exec();
}

void TfrmPicView::N1Click()
{
    close();
}

void TfrmPicView::N2Click()
{
    Image1->setStretch(N2->isChecked());
}

void TfrmPicView::Image1Click()
{
    if (m_mouseOnClick)
        postKeyPress(this, m_startStopKey);
}

void TfrmPicView::keyPressEvent(QKeyEvent* event)
{
    // A key still held from the press that opened the picture must not close it at once.
    if (!event->isAutoRepeat() && matchesVirtualKey(*event, m_startStopKey)) {
        accept();
        return;
    }
    // Not QDialog's handling: Esc and Enter are draw keys here, not dialog buttons.
    event->ignore();
}

void TfrmPicView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Image1Click();
}

void TfrmPicView::contextMenuEvent(QContextMenuEvent* event)
{
    PopupMenu1->exec(event->globalPos());
}

void TfrmPicView::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Image1->setGeometry(rect());
}

}  // namespace lotavo::ui
