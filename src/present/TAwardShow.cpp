#include "present/TAwardShow.h"

#include "draw/DrawOptions.h"
#include "draw/AtomicFile.h"
#include "main/settings/IniStore.h"
#include "present/DesignStatusLabel.h"
#include "present/FontNames.h"
#include "present/KeyMap.h"
#include "present/MoverSizer.h"
#include "present/Pictures.h"
#include "present/QtText.h"
#include "present/ReadableColour.h"
#include "present/ScrollText.h"
#include "present/SmoothLabel.h"
#include "present/SoundPlayer.h"
#include "present/TextEffectKeys.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>

namespace lotavo::ui {

namespace {

constexpr const char* kSection = "AwardScreen";
constexpr int kPageUp = 0x21;
constexpr int kPageDown = 0x22;

}  // namespace

TAwardShow::TAwardShow(AwardScreenContext context, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), m_context(std::move(context))
{
    setObjectName(QStringLiteral("AwardShow"));
    setWindowTitle(QStringLiteral("抽奖名单"));
    setModal(true);
    // Keys go to the window first; the credits never take them.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    createComponents();
    createMenus();
    FormCreate();
}

void TAwardShow::showLines(AwardScreenContext context, const QStringList& lines, QWidget* parent)
{
    TAwardShow screen(std::move(context), parent);
    screen.setLines(lines);
    screen.startScrolling();
    screen.showFullScreen();
    screen.raise();
    screen.activateWindow();
    screen.exec();
}

void TAwardShow::createComponents()
{
    setAutoFillBackground(true);

    AAScrollText1 = new ScrollText(this);
    AAScrollText1->setObjectName(QStringLiteral("AAScrollText1"));

    Image1 = new PictureView(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setBackgroundColour(QColor());
    Image1->setCentered(true);

    AALabel1 = new SmoothLabel(this);
    AALabel1->setObjectName(QStringLiteral("AALabel1"));
    AALabel2 = new SmoothLabel(this);
    AALabel2->setObjectName(QStringLiteral("AALabel2"));

    for (QWidget* control : {static_cast<QWidget*>(Image1), static_cast<QWidget*>(AAScrollText1),
                             static_cast<QWidget*>(AALabel1), static_cast<QWidget*>(AALabel2)}) {
        control->setMouseTracking(true);
        control->installEventFilter(this);
    }

    // The shadow is stronger here: the credits' backgrounds are dark.
    lblDesignStatus = createDesignStatusLabel(this, QPoint(8, 16), QPalette::WindowText, 200);

    Resizer1 = new MoverSizer(this);
}

void TAwardShow::FormCreate()
{
    IniStore& s = m_context.settings;
    QScreen* shown = parentWidget() && parentWidget()->screen() ? parentWidget()->screen() : QApplication::primaryScreen();
    // The screen the draw runs on: with a projector beside the desktop, that is where the
    // audience looks.
    const QRect screenArea = shown ? shown->geometry() : QRect(0, 0, 1024, 768);
    const int w = screenArea.width(), h = screenArea.height();
    setGeometry(screenArea);

    if (s.readBool(kSection, "HandMove", false)) {
        AAScrollText1->setGeometry(s.readInteger(kSection, "HandLeft", 1), s.readInteger(kSection, "HandTop", h / 5),
                                   std::max(1, s.readInteger(kSection, "HandWidth", w)),
                                   std::max(1, s.readInteger(kSection, "HandHeight", h - h / 6)));
    } else {
        AAScrollText1->setGeometry(24, h / 5, w, h - h / 6);
    }

    TextEffect creditsEffect = readTextEffect(s, "ScrollText1");
    // The credits' and the titles' own look until an effect is chosen: a shadow that stays
    // visible on a large screen.
    TextEffect ownLook;
    ownLook.shadow = true;
    ownLook.shadowOffsetX = ownLook.shadowOffsetY = std::max(2, h / 540);
    if (!s.hasKey("ScrollText1", "Shadow"))
        creditsEffect = ownLook;
    AAScrollText1->setItemEffect(creditsEffect);
    AAScrollText1->setStep(s.readInteger(kSection, "ScrollDelay", 1));

    QFont credits = AAScrollText1->itemFont();
    QString creditsName = fromGbk(s.readString(kSection, "Fontname", ""));
    credits.setFamily(creditsName.isEmpty() ? QStringLiteral("黑体") : creditsName);
    int creditsSize = s.readInteger(kSection, "Fontsize", 20);
    credits.setPointSize(creditsSize > 0 ? std::min(creditsSize, 1000) : 20);
    AAScrollText1->setItemFont(credits);

    QColor back = toQColor(s.readInteger(kSection, "BackColor", 33));
    AAScrollText1->setBackColour(back);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, back);
    setPalette(palette);
    AAScrollText1->setItemColour(readableOn(toQColor(s.readInteger(kSection, "FontColor", 33)), back));

    TextEffect titleEffect = readTextEffect(s, kSection);
    if (!s.hasKey(kSection, "Shadow"))
        titleEffect = ownLook;
    AALabel1->setEffect(titleEffect);
    AALabel2->setEffect(titleEffect);
    AALabel1->setText(fromGbk(s.readString(kSection, "LabelCaption1", toGbk(m_context.mainCaption))));
    AALabel2->setText(fromGbk(s.readString(kSection, "LabelCaption2", gbk::literal("抽 奖 名 单"))));
    int titleSize = s.readInteger(kSection, "LabelFontSize", 22);
    QFont title = storedFont(fromGbk(s.readString(kSection, "LabelFontname", "")),
                             titleSize > 0 ? std::min(titleSize, 1000) : 22);
    AALabel1->setFont(title);
    AALabel2->setFont(title);
    QColor titleColour = readableOn(toQColor(s.readInteger(kSection, "LabelFontColor", 22)), back);
    AALabel1->setColour(titleColour);
    AALabel2->setColour(titleColour);
    AALabel1->move(s.readInteger(kSection, "Label1Left", 23), s.readInteger(kSection, "Label1Top", 43));
    AALabel2->move(s.readInteger(kSection, "Label2Left", 23), s.readInteger(kSection, "Label2Top", 43));

    std::string logo = m_context.folder.resolve(s.readString(kSection, "Image", ""));
    if (!logo.empty() && fileExists(logo) && Image1->load(fromPath(logo)))
        Image1->resize(Image1->pictureSize());
    else
        Image1->resize(0, 0);
    Image1->move(s.readInteger(kSection, "ImageLeft", 1), s.readInteger(kSection, "ImageTop", 1));

    switch (s.readInteger("Option", "AwardScreen", 2)) {
    case 1: AAScrollText1->setAlignment(Qt::AlignLeft); break;
    case 2: AAScrollText1->setAlignment(Qt::AlignHCenter); break;
    case 3: AAScrollText1->setAlignment(Qt::AlignRight); break;
    default: break;
    }

    m_context.musicPath = fromPath(m_context.folder.resolve(s.readString(kSection, "Sound", "")));
    if (!m_context.musicPath.isEmpty() && fileExists(toPath(m_context.musicPath)))
        m_context.sounds.play(m_context.musicPath, true);

    // The titles stay above the credits whatever their places.
    AALabel1->raise();
    AALabel2->raise();
    Image1->raise();
    lblDesignStatus->raise();
}

void TAwardShow::setLines(const QStringList& lines)
{
    AAScrollText1->setLines(lines);
}

// The first page of winners is up at once; the audience does not wait for it to climb in.
void TAwardShow::startScrolling()
{
    AAScrollText1->setPosition(AAScrollText1->firstPagePosition());
    AAScrollText1->start();
}

void TAwardShow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    lblDesignStatus->raise();
}

void TAwardShow::keyPressEvent(QKeyEvent* event)
{
    int virtualKey = virtualKeyOf(*event);
    // The key that opened the screen, held a moment too long, must not close it again.
    if (!(event->isAutoRepeat() && isCloseKey(virtualKey)))
        FormKeyDown(virtualKey);
    event->accept();
}

bool TAwardShow::isCloseKey(int virtualKey) const
{
    return virtualKey == vk::Escape || virtualKey == vk::End || virtualKey == m_context.closeKey;
}

void TAwardShow::keyReleaseEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat())
        FormKeyUp(virtualKeyOf(*event));
    event->accept();
}

void TAwardShow::FormKeyDown(int virtualKey)
{
    if (virtualKey == 0)
        return;
    if (virtualKey == vk::Control && !m_design) {
        m_design = true;
        Resizer1->setActive(true);
        lblDesignStatus->show();
        lblDesignStatus->raise();
    }
    if (isCloseKey(virtualKey)) {
        accept();
        return;
    }
    if (virtualKey == kPageUp)
        changeStep(+1);
    if (virtualKey == kPageDown)
        changeStep(-1);
}

void TAwardShow::FormKeyUp(int virtualKey)
{
    if (virtualKey != vk::Control)
        return;
    IniStore& s = m_context.settings;
    const QRect area = AAScrollText1->geometry();
    s.writeBool(kSection, "HandMove", true);
    s.writeInteger(kSection, "HandTop", area.top());
    s.writeInteger(kSection, "HandLeft", area.left());
    s.writeInteger(kSection, "HandHeight", area.height());
    s.writeInteger(kSection, "HandWidth", area.width());
    m_design = false;
    Resizer1->setActive(false);
    update();
    lblDesignStatus->hide();
}

void TAwardShow::changeStep(int delta)
{
    AAScrollText1->setStep(AAScrollText1->step() + delta);
    m_context.settings.writeInteger(kSection, "ScrollDelay", AAScrollText1->step());
}

void TAwardShow::AAScrollText1MouseMove(QWidget* control)
{
    if (m_design)
        Resizer1->attach(control);
}

bool TAwardShow::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        AAScrollText1MouseMove(control);
    } else if (event->type() == QEvent::ContextMenu && (watched == AALabel1 || watched == AALabel2)) {
        m_menuLine = static_cast<SmoothLabel*>(watched);
        PopupMenu2->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAwardShow::contextMenuEvent(QContextMenuEvent* event)
{
    PopupMenu1->exec(event->globalPos());
}

void TAwardShow::done(int result)
{
    FormClose();
    QDialog::done(result);
}

// The music goes on: the draw's resume replaces or stops it.
void TAwardShow::FormClose()
{
    AAScrollText1->stop();
    IniStore& s = m_context.settings;
    const QFont& credits = AAScrollText1->itemFont();
    s.writeString(kSection, "Fontname", toGbk(credits.family()));
    s.writeInteger(kSection, "FontSize", credits.pointSize());
    s.writeInteger(kSection, "FontColor", fromQColor(AAScrollText1->itemColour()));
    s.writeInteger(kSection, "BackColor", fromQColor(AAScrollText1->backColour()));
    s.writeString(kSection, "LabelCaption1", toGbk(AALabel1->text()));
    s.writeString(kSection, "LabelCaption2", toGbk(AALabel2->text()));
    writeTextEffect(s, kSection, AALabel1->effect());
    s.writeInteger(kSection, "Label1Left", AALabel1->x());
    s.writeInteger(kSection, "Label1Top", AALabel1->y());
    s.writeInteger(kSection, "Label2Left", AALabel2->x());
    s.writeInteger(kSection, "Label2Top", AALabel2->y());
    s.writeString(kSection, "LabelFontname", toGbk(AALabel1->font().family()));
    s.writeInteger(kSection, "LabelFontSize", AALabel1->font().pointSize());
    s.writeInteger(kSection, "LabelFontColor", fromQColor(AALabel1->colour()));
    s.writeInteger(kSection, "ImageLeft", Image1->x());
    s.writeInteger(kSection, "ImageTop", Image1->y());
}

}  // namespace lotavo::ui
