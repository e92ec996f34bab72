#include "present/TOverPopup.h"

#include "draw/DrawOptions.h"
#include "present/FontChooser.h"
#include "present/KeyMap.h"
#include "present/PopupBackground.h"
#include "present/QtText.h"

#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>

namespace lotavo::ui {

namespace {

constexpr int kWidth = 467;
constexpr int kHeight = 234;

// The window's picture, repeated over the window; without it a plain card, light under a dark
// message and dark under a light one, so the message still reads.
class TiledPicture : public PopupBackground {
public:
    TiledPicture(const QString& path, QWidget* parent) : PopupBackground(path, Fill::Tiled, parent) {}
    void setLightCard(bool light)
    {
        m_light = light;
        update();
    }

protected:
    void paintCard(QPainter& p) override
    {
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0.0, m_light ? QColor(255, 248, 230) : QColor(190, 24, 28));
        g.setColorAt(1.0, m_light ? QColor(242, 214, 160) : QColor(110, 4, 8));
        p.fillRect(rect(), g);
        p.setPen(QPen(m_light ? QColor(176, 30, 24) : QColor(255, 204, 70), 3));
        p.drawRect(QRectF(rect()).adjusted(4.5, 4.5, -5.5, -5.5));
    }

private:
    bool m_light = true;
};

}  // namespace

TOverPopup::TOverPopup(IniStore& settings, ProgramFolder folder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_memory(this, settings, "OverPopup"), m_folder(std::move(folder))
{
    setObjectName(QStringLiteral("TOverPopup"));
    setWindowTitle(QStringLiteral("抽取结束"));
    setModal(true);
    setFixedSize(kWidth, kHeight);

    imgOverPopup = new TiledPicture(fromPath(m_folder.file("Bmp/Background1.bmp")), this);
    imgOverPopup->setObjectName(QStringLiteral("imgOverPopup"));
    imgOverPopup->setGeometry(rect());

    AALabel1 = new QLabel(this);
    AALabel1->setObjectName(QStringLiteral("AALabel1"));
    AALabel1->setGeometry(rect());
    AALabel1->setAlignment(Qt::AlignCenter);
    AALabel1->setWordWrap(true);
    // Inside the picture's frame.
    AALabel1->setContentsMargins(26, 20, 26, 20);
    AALabel1->setContextMenuPolicy(Qt::CustomContextMenu);
    AALabel1->installEventFilter(this);
    // A light text on the dark card, or a dark one on a light picture, stays sharp with it.
    auto* shadow = new QGraphicsDropShadowEffect(AALabel1);
    shadow->setOffset(2, 2);
    shadow->setBlurRadius(6);
    shadow->setColor(QColor(40, 0, 0, 200));
    AALabel1->setGraphicsEffect(shadow);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = PopupMenu1->addAction(QStringLiteral("设置字体"));
    N1->setObjectName(QStringLiteral("N1"));
    connect(N1, &QAction::triggered, this, &TOverPopup::N1Click);
    connect(AALabel1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(AALabel1->mapToGlobal(at)); });

    FormCreate();
}

void TOverPopup::FormCreate()
{
    m_memory.placeWindow({500, 300});
    applyFont(m_memory.font(28), m_memory.colour(33));
}

void TOverPopup::applyFont(const QFont& font, const QColor& colour)
{
    AALabel1->setFont(font);
    QPalette palette = AALabel1->palette();
    palette.setColor(QPalette::WindowText, colour);
    AALabel1->setPalette(palette);
    static_cast<TiledPicture*>(imgOverPopup)->setLightCard(colour.lightness() < 128);
}

void TOverPopup::setMessage(const QString& text)
{
    AALabel1->setText(text);
}

QString TOverPopup::message() const
{
    return AALabel1->text();
}

void TOverPopup::setAwardScreen(int awardScreenKey, std::function<void(bool all)> open)
{
    m_awardScreenKey = awardScreenKey;
    m_openAwardScreen = std::move(open);
}

void TOverPopup::keyPressEvent(QKeyEvent* event)
{
    // The key that made the level's last press may still be held: only a new press counts.
    if (event->isAutoRepeat())
        return;
    if (int vk = virtualKeyOf(*event))
        FormKeyDown(vk);
    if (event->key() == Qt::Key_Escape)
        QDialog::keyPressEvent(event);
}

void TOverPopup::FormKeyDown(int virtualKey)
{
    if (virtualKey == vk::Space)
        accept();
    if (virtualKey == m_awardScreenKey && m_openAwardScreen)
        m_openAwardScreen(true);
    if (virtualKey == vk::End && m_openAwardScreen)
        m_openAwardScreen(false);
}

void TOverPopup::AALabel1Click()
{
    accept();
}

bool TOverPopup::eventFilter(QObject* watched, QEvent* event)
{
    QMouseEvent* mouse = PopupMemory::dragEvent(watched, AALabel1, event);
    if (!mouse)
        return QDialog::eventFilter(watched, event);
    switch (mouse->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton)
            return false;
        AALabel1MouseDown(*mouse);
        return true;
    case QEvent::MouseMove:
        AALabel1MouseMove(*mouse);
        return m_memory.dragging();
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton && m_memory.dragging()) {
            bool click = m_clickAttached && AALabel1->rect().contains(mouse->position().toPoint());
            AALabel1MouseUp();
            if (click)
                AALabel1Click();
            return true;
        }
        return false;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void TOverPopup::AALabel1MouseDown(const QMouseEvent& event)
{
    m_memory.press(event);
}

void TOverPopup::AALabel1MouseMove(const QMouseEvent& event)
{
    // Once the window has moved, letting the button go must not close it.
    if (m_memory.move(event))
        m_clickAttached = false;
}

void TOverPopup::AALabel1MouseUp()
{
    m_memory.release();
    m_clickAttached = true;
}

void TOverPopup::N1Click()
{
    QFont font = AALabel1->font();
    QColor colour = AALabel1->palette().color(QPalette::WindowText);
    if (!chooseFontAndColour(this, font, colour))
        return;
    applyFont(font, colour);
    // The name goes under the spelling the key has always been written with.
    m_memory.saveFont(font, colour, "Fontname");
}

void TOverPopup::keepClearOf(const QRect& area)
{
    m_memory.keepClearOf(area);
}

}  // namespace lotavo::ui
