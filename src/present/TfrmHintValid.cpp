#include "present/TfrmHintValid.h"

#include "present/FontChooser.h"
#include "present/PictureButton.h"
#include "present/PopupBackground.h"
#include "present/QtText.h"
#include "present/TransparentPicture.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QRadialGradient>

namespace lotavo::ui {

namespace {

const QSize kDesigned(476, 221);

// The background at its own size, clipped to the window. Without the picture the question it
// carries is painted here, so the two buttons still say what they answer.
class Background : public PopupBackground {
public:
    Background(const QString& path, QWidget* parent) : PopupBackground(path, Fill::OwnSize, parent) {}
    QSize windowSize() const { return hasPicture() ? pictureSize() : kDesigned; }

protected:
    void paintCard(QPainter& p) override
    {
        QRadialGradient g(QPointF(width() / 2.0, height() * 0.4), width() * 0.7);
        g.setColorAt(0.0, QColor(196, 26, 30));
        g.setColorAt(1.0, QColor(110, 4, 8));
        p.fillRect(rect(), g);
        QFont f = font();
        f.setPixelSize(26);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(255, 215, 0));
        p.drawText(QRect(0, 16, width(), 56), Qt::AlignCenter, QStringLiteral("本次抽取的中奖人有效吗?"));
    }
};

}  // namespace

TfrmHintValid::TfrmHintValid(IniStore& settings, ProgramFolder folder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_memory(this, settings, "HintVaild"), m_folder(std::move(folder))
{
    setObjectName(QStringLiteral("TfrmHintValid"));
    setWindowTitle(QStringLiteral("确认中奖"));
    setModal(true);

    auto* background = new Background(fromPath(m_folder.file("Bmp/Background2.bmp")), this);
    RzBackground1 = background;
    RzBackground1->setObjectName(QStringLiteral("RzBackground1"));
    // The window takes the size of its picture.
    setFixedSize(background->windowSize());
    RzBackground1->setGeometry(rect());
    RzBackground1->installEventFilter(this);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = PopupMenu1->addAction(QStringLiteral("按钮字体修改"));
    N1->setObjectName(QStringLiteral("N1"));
    connect(N1, &QAction::triggered, this, &TfrmHintValid::N1Click);

    QPixmap up = transparentPicture(fromPath(m_folder.file("Bmp/Up.bmp")));
    QPixmap down = transparentPicture(fromPath(m_folder.file("Bmp/down.bmp")));
    auto button = [&](const char* name, const QString& caption, int left, int answer) {
        auto* b = new PictureButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setGeometry(left, 80, 200, 65);
        b->setPictures(up, down);
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QWidget::customContextMenuRequested, this,
                [this, b](const QPoint& at) { PopupMenu1->popup(b->mapToGlobal(at)); });
        connect(b, &QAbstractButton::clicked, this, [this, answer] { done(answer); });
        return b;
    };
    RzBmpButton1 = button("RzBmpButton1", QStringLiteral("确 认"), 32, QDialog::Accepted);
    RzBmpButton2 = button("RzBmpButton2", QStringLiteral("取消"), 256, QDialog::Rejected);
    setTabOrder(RzBmpButton1, RzBmpButton2);
    RzBmpButton1->setFocus();

    FormCreate();
}

void TfrmHintValid::FormCreate()
{
    applyFont(m_memory.font(26), m_memory.colour(22));
    m_memory.placeWindow({300, 300});
}

void TfrmHintValid::applyFont(const QFont& font, const QColor& colour)
{
    for (PictureButton* b : {RzBmpButton1, RzBmpButton2}) {
        b->setFont(font);
        b->setTextColour(colour);
    }
}

void TfrmHintValid::keyPressEvent(QKeyEvent* event)
{
    // The arrows go from one answer to the other, as on a presentation remote.
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        (RzBmpButton1->hasFocus() ? RzBmpButton2 : RzBmpButton1)->setFocus(Qt::TabFocusReason);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TfrmHintValid::eventFilter(QObject* watched, QEvent* event)
{
    QMouseEvent* mouse = PopupMemory::dragEvent(watched, RzBackground1, event);
    if (!mouse)
        return QDialog::eventFilter(watched, event);
    switch (mouse->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton)
            return false;
        m_memory.press(*mouse);
        return true;
    case QEvent::MouseMove:
        m_memory.move(*mouse);
        return m_memory.dragging();
    case QEvent::MouseButtonRelease:
        return mouse->button() == Qt::LeftButton && m_memory.release();
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void TfrmHintValid::N1Click()
{
    QFont font = RzBmpButton1->font();
    QColor colour = RzBmpButton1->textColour();
    if (!chooseFontAndColour(this, font, colour))
        return;
    applyFont(font, colour);
    m_memory.saveFont(font, colour);
}

void TfrmHintValid::keepClearOf(const QRect& area)
{
    m_memory.keepClearOf(area);
}

}  // namespace lotavo::ui
