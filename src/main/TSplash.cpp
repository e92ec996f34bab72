#include "main/TSplash.h"

#include "draw/Clock.h"
#include "draw/RandomGenerator.h"
#include "main/SplashPicture.h"
#include "main/TransitionView.h"
#include "present/CommonDialogs.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace lotavo::ui {

namespace {

// `font` at the largest pixel size up to 12 (9 points on a 96-dpi screen) at which `text`
// fits `box`.
QFont fitted(QFont font, const QString& text, QSize box)
{
    for (int pixels = 12; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height())
            break;
    }
    return font;
}

}  // namespace

TSplash::TSplash(const QPixmap& picture, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TSplash"));
    setFixedSize(ClientWidth, ClientHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(centredOn(screen->virtualGeometry(), size()));

    PicShow = new TransitionView(this);
    PicShow->setObjectName(QStringLiteral("PicShow"));
    PicShow->setGeometry(rect());
    PicShow->setCursor(Qt::WaitCursor);
    PicShow->setPicture(picture);
    PicShow->setStep(9);
    PicShow->setDelay(30);
    PicShow->setTransition(chooseStyle(SystemClock().utcMillisecondsOfDay()));
    PicShow->setProgress(0);

    Label1 = new QLabel(QStringLiteral("版本: 5.4"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(123, 213, 62, 20);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    QPalette text = Label1->palette();
    text.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(text);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setStyleHint(QFont::SansSerif);
    Label1->setFont(fitted(font, Label1->text(), Label1->size()));

    copyScreenBehind();
}

void TSplash::copyScreenBehind()
{
    const QRect area(pos(), size());
    QScreen* screen = QGuiApplication::screenAt(area.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QPoint local = area.topLeft() - screen->geometry().topLeft();
    QPixmap behind = screen->grabWindow(0, local.x(), local.y(), area.width(), area.height());
    if (behind.isNull())
        return;
    // A high-density screen hands back more pixels than the window has.
    if (behind.deviceIndependentSize().toSize() != size())
        behind = behind.scaled(size() * behind.devicePixelRatio(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    PicShow->setBackground(behind);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, behind.toImage().pixelColor(0, 0));
    setPalette(colours);
}

void TSplash::play()
{
    show();
    repaint();
    PicShow->execute();
    pumpedDelay(500);
}

std::unique_ptr<TSplash> TSplash::run(const QString& programFolder)
{
    auto splash = std::make_unique<TSplash>(splashPicture(programFolder, QSize(ClientWidth, ClientHeight)));
    splash->play();
    return splash;
}

int TSplash::chooseStyle(uint32_t seed)
{
    RandomGenerator random;
    random.seed(seed);
    return static_cast<int>(random.below(Transition::StyleCount)) + 1;
}

QPoint TSplash::centredOn(const QRect& desktop, QSize window)
{
    // Integer division truncating toward zero, also for a desktop smaller than the window.
    return desktop.topLeft()
        + QPoint((desktop.width() - window.width()) / 2, (desktop.height() - window.height()) / 2);
}

bool splashWanted(const QStringList& arguments)
{
    return arguments.value(1) != QStringLiteral("/NS");
}

}  // namespace lotavo::ui
