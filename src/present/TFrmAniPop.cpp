#include "present/TFrmAniPop.h"

#include "present/DesignStatusLabel.h"
#include "present/FontNames.h"
#include "present/KeyMap.h"
#include "present/QtText.h"
#include "present/SmoothLabel.h"
#include "main/settings/IniStore.h"
#include "present/MoverSizer.h"
#include "present/Pictures.h"
#include "present/PopupEffect.h"
#include "present/SoundPlayer.h"
#include "present/WinnerLabel.h"

#include <QApplication>
#include <QBackingStore>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace lotavo::ui {

namespace {

// The pop-up must never show a blank window: without a usable picture it gets a festive
// deep red that darkens towards the edges.
QImage festiveBackground()
{
    QImage image(960, 540, QImage::Format_RGB32);
    QPainter painter(&image);
    QRadialGradient glow(QPointF(480, 170), 720);
    glow.setColorAt(0.0, QColor(150, 16, 24));
    glow.setColorAt(0.45, QColor(92, 8, 16));
    glow.setColorAt(1.0, QColor(14, 2, 4));
    painter.fillRect(image.rect(), glow);
    QLinearGradient band(0, 0, 0, 540);
    band.setColorAt(0.0, QColor(255, 200, 90, 40));
    band.setColorAt(0.02, QColor(255, 200, 90, 0));
    band.setColorAt(0.98, QColor(255, 200, 90, 0));
    band.setColorAt(1.0, QColor(255, 200, 90, 40));
    painter.fillRect(image.rect(), band);
    return image;
}

bool isDark(const QColor& colour)
{
    return 0.2126 * colour.redF() + 0.7152 * colour.greenF() + 0.0722 * colour.blueF() < 0.35;
}

// The title keeps its readability on any picture with a shadow that contrasts its colour.
TextEffect titleEffect(const QColor& colour)
{
    TextEffect effect;
    effect.shadow = true;
    effect.shadowColour = isDark(colour) ? QColor(255, 255, 255) : QColor(0, 0, 0);
    effect.shadowAlpha = isDark(colour) ? 120 : 170;
    effect.shadowOffsetX = 2;
    effect.shadowOffsetY = 2;
    return effect;
}

}  // namespace

TFrmAniPop::TFrmAniPop(IniStore& settings, ProgramFolder folder, SoundPlayer& sounds, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window | Qt::FramelessWindowHint), m_settings(settings), m_folder(std::move(folder)),
      m_sounds(sounds), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("FrmAniPop"));
    // Borderless, so nobody reads it, but the desktop and its tools name the window by it.
    setWindowTitle(QStringLiteral("中奖人"));
    setFocusPolicy(Qt::StrongFocus);
    createComponents();
    createMenus();
    FormCreate();
    hide();
}

void TFrmAniPop::createComponents()
{
    m_content = new QWidget(this);
    m_content->installEventFilter(this);

    imgPopBG = new PictureView(m_content);
    imgPopBG->setObjectName(QStringLiteral("imgPopBG"));
    imgPopBG->setStretch(true);
    imgPopBG->installEventFilter(this);

    lblDesignStatus = createDesignStatusLabel(m_content, QPoint(16, 16), QPalette::ButtonText, 140);

    lblCaption = new SmoothLabel(m_content);
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    lblCaption->setMouseTracking(true);
    lblCaption->installEventFilter(this);

    imgAward = new PictureView(m_content);
    imgAward->setObjectName(QStringLiteral("imgAward"));
    imgAward->setCentered(true);
    imgAward->setBackgroundColour(QColor());
    imgAward->setMouseTracking(true);
    imgAward->installEventFilter(this);

    Resizer1 = new MoverSizer(this);
    Resizer1->onChanged = [](QWidget* control) {
        if (auto* label = qobject_cast<WinnerLabel*>(control))
            label->setAutoSize(false);
    };
    m_effect = new PopupEffect(this);
}

void TFrmAniPop::FormCreate()
{
    placeOnScreen();
    m_firstRelease = true;
    loadBackground();
    applyPrizePictureKeys();
    applyTranslucency();
    applyLayout();
}

std::string TFrmAniPop::settledBackground(IniStore& settings, const ProgramFolder& folder, int screenWidth)
{
    if (settings.readBool("Option", "FirstRun", true))
        settings.writeString("Option", "imgPopBG", "");
    std::string stored = settings.readString("Option", "imgPopBG", "");
    if (!stored.empty() && QFileInfo(fromPath(folder.resolve(stored))).isFile())
        return folder.resolve(stored);
    const char* byWidth = nullptr;
    switch (screenWidth) {
    case 640: byWidth = "Wallpaper\\back640.bmp"; break;
    case 800: byWidth = "Wallpaper\\back800.bmp"; break;
    case 1024: byWidth = "Wallpaper\\back1024.bmp"; break;
    case 1280: byWidth = "Wallpaper\\back1280.bmp"; break;
    case 1440: byWidth = "Wallpaper\\back1440.bmp"; break;
    case 1600: byWidth = "Wallpaper\\back1600.bmp"; break;
    case 1680: byWidth = "Wallpaper\\back1680.bmp"; break;
    // Today's projectors, which also have screen layouts: the widest picture, stretched.
    case 1366:
    case 1920:
    case 2560:
    case 3840: byWidth = "Wallpaper\\back1680.bmp"; break;
    default: break;
    }
    if (!byWidth)
        return folder.resolve(stored);
    stored = ProgramFolder::toStored(folder.file(byWidth));
    settings.writeString("Option", "imgPopBG", stored);
    return folder.resolve(stored);
}

void TFrmAniPop::loadBackground()
{
    QString path = fromPath(settledBackground(m_settings, m_folder, width()));
    if (!imgPopBG->load(path)) {
        DecodedPicture picture;
        picture.frames.push_back(festiveBackground());
        picture.delaysMs.push_back(0);
        imgPopBG->setPicture(std::move(picture));
    }
    if (m_warm)
        imgPopBG->prepare(size());
}

void TFrmAniPop::warmUp()
{
    if (m_warm)
        return;
    m_warm = true;
    imgPopBG->prepare(size());
    // A full-screen window's fresh backing store is 33 MB at 3840x2160: faulting it in on the
    // first show cost more than the whole paint of the winners.
    create();
    if (QBackingStore* store = backingStore()) {
        const QRect all(QPoint(0, 0), size());
        store->resize(all.size());
        store->beginPaint(all);
        if (QPaintDevice* device = store->paintDevice()) {
            QPainter painter(device);
            painter.fillRect(all, Qt::black);
        }
        store->endPaint();
    }
    const std::pair<const char*, const char*> winnerFonts[] = {{"FontName", "FontSize"},
                                                               {"SingleFontName", "SingleFontSize"}};
    for (auto [name, size] : winnerFonts) {
        QFont font = storedFont(fromGbk(m_settings.readString("AniPopFont", name, gbk::literal("宋体"))),
                                m_settings.readInteger("AniPopFont", size, 10));
        QFontMetrics(font).horizontalAdvance(QStringLiteral("0123456789"));
    }
}

bool TFrmAniPop::reloadBackground()
{
    loadBackground();
    return !imgPopBG->fileName().isEmpty();
}

void TFrmAniPop::applyPrizePictureKeys()
{
    bool custom = m_settings.readBool("Option", "AwardPicS", false);
    imgAward->setStretch(custom);
    int left = m_settings.readInteger("Option", "imgPopAwardLeft", 50);
    int top = m_settings.readInteger("Option", "imgPopAwardTop", 50);
    if (left < 0 || left > width())
        left = 0;
    if (top < 0 || top > height())
        top = 0;
    QSize size = imgAward->isEmpty() ? QSize(100, 100) : imgAward->pictureSize();
    if (custom) {
        int w = m_settings.readInteger("Option", "imgPopAwardWidth", 100);
        int h = m_settings.readInteger("Option", "imgPopAwardHeight", 100);
        size = QSize(w > 0 ? w : 100, h > 0 ? h : 100);
    }
    imgAward->setGeometry(QRect(QPoint(left, top), size));
}

void TFrmAniPop::setBackgroundTransparent(bool transparent)
{
    // A transparent background lets the draw screen show through the translucent window.
    imgPopBG->setVisible(!transparent);
}

void TFrmAniPop::placeOnScreen()
{
    QScreen* screen = m_mainWindow ? m_mainWindow->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen && geometry() != screen->geometry())
        setGeometry(screen->geometry());
}

void TFrmAniPop::applyTranslucency()
{
    m_transparent = m_settings.readBool("Option", "FrmAniPopTrans", false);
    if (testAttribute(Qt::WA_TranslucentBackground) != m_transparent) {
        setAttribute(Qt::WA_TranslucentBackground, m_transparent);
        setAttribute(Qt::WA_NoSystemBackground, m_transparent);
        // The native window takes the new surface format only when it is made again.
        if (windowHandle())
            setWindowFlags(windowFlags());
    }
    setBackgroundTransparent(m_transparent);
}

void TFrmAniPop::resizeEvent(QResizeEvent* event)
{
    m_content->setGeometry(rect());
    imgPopBG->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void TFrmAniPop::setPrizePicture(const QString& path)
{
    if (path.isEmpty() || !imgAward->load(path))
        imgAward->clear();
    if (!imgAward->stretch() && !imgAward->isEmpty())
        imgAward->resize(imgAward->pictureSize());
}

void TFrmAniPop::setCaptionText(const QString& text)
{
    lblCaption->setText(text);
}

void TFrmAniPop::applyLayout()
{
    lblCaption->setText(fromGbk(m_settings.readString("frmMainLabel", "frmAniPoplblCaption", gbk::literal("中奖人"))));
    lblCaption->move(m_settings.readInteger("frmMainLabel", "frmaniPoplblCaptionLeft", 200),
                     m_settings.readInteger("frmMainLabel", "frmaniPoplblCaptionTop", 200));
    std::string stored = m_settings.readString("frmMainLabel", "frmaniPoplblCaptionFontName", gbk::literal("楷体_GB2312"));
    QString name = fromGbk(stored);
    lblCaption->setFont(storedFont(name, m_settings.readInteger("frmMainLabel", "frmaniPoplblCaptionFontSize", 24)));
    QColor colour = toQColor(m_settings.readInteger("frmMainLabel", "frmaniPoplblCaptionFontColor", 200));
    lblCaption->setColour(colour);
    lblCaption->setEffect(titleEffect(colour));
}

void TFrmAniPop::writeBack()
{
    if (!m_settings.readBool("Option", "AniPopCaption", false))
        m_settings.writeString("frmMainLabel", "frmAniPoplblCaption", toGbk(lblCaption->text()));
    m_settings.writeInteger("frmMainLabel", "frmaniPoplblCaptionLeft", lblCaption->x());
    m_settings.writeInteger("frmMainLabel", "frmaniPoplblCaptionTop", lblCaption->y());
    m_settings.writeString("frmMainLabel", "frmaniPoplblCaptionFontName", toGbk(lblCaption->font().family()));
    m_settings.writeInteger("frmMainLabel", "frmaniPoplblCaptionFontSize", lblCaption->font().pointSize());
    m_settings.writeInteger("frmMainLabel", "frmaniPoplblCaptionFontColor", fromQColor(lblCaption->colour()));
    m_settings.writeInteger("Option", "imgPopAwardLeft", imgAward->x());
    m_settings.writeInteger("Option", "imgPopAwardTop", imgAward->y());
    if (m_settings.readBool("Option", "AwardPicS", false)) {
        m_settings.writeInteger("Option", "imgPopAwardWidth", imgAward->width());
        m_settings.writeInteger("Option", "imgPopAwardHeight", imgAward->height());
    }
}

void TFrmAniPop::setSettingsLocked(bool locked)
{
    m_locked = locked;
    for (QAction* item : {N6, N7, N10, N11, N1, N2, N5, N8, N9, N4})
        item->setVisible(!locked);
}

}  // namespace lotavo::ui
