// The draw screen's elements: creation, the stored layout, and the sizes of the rolling labels.
#include "main/TFrmMain.h"

#include "draw/AtomicFile.h"
#include "draw/DisplayText.h"
#include "present/FontNames.h"
#include "present/QtText.h"
#include "present/RollingLabel.h"
#include "present/RollingLabelBox.h"
#include "present/SmoothLabel.h"
#include "present/TextEffectKeys.h"
#include "main/settings/IniStore.h"
#include "main/settings/ScreenLayout.h"
#include "present/Pictures.h"
#include "present/TFrmAniPop.h"

#include <QLabel>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

namespace lotavo::ui {

namespace {

const char* kLayout = "frmMainLabel";

QSize screenSize(const QWidget* widget)
{
    QScreen* screen = widget->screen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

}  // namespace

void TFrmMain::createComponents()
{
    ImgBG = new PictureView(this);
    ImgBG->setObjectName(QStringLiteral("ImgBG"));
    ImgBG->setCentered(false);
    ImgBG->setBackgroundColour(QColor(120, 0, 0));
    ImgBG->setMouseTracking(true);
    ImgBG->installEventFilter(this);

    auto smooth = [this](SmoothLabel*& field, const char* name) {
        field = new SmoothLabel(this);
        field->setObjectName(QString::fromLatin1(name));
        field->setMouseTracking(true);
        field->installEventFilter(this);
        connect(field, &SmoothLabel::clicked, this, &TFrmMain::ImgBGClick);
    };
    smooth(lblMainCaption, "lblMainCaption");
    smooth(lblMainCaption2, "lblMainCaption2");
    smooth(lblTipCaption, "lblTipCaption");
    smooth(lblLevel, "lblLevel");
    smooth(lblAward, "lblAward");
    smooth(lblHint, "lblHint");
    smooth(lblStat, "lblStat");
    smooth(lblPause, "lblPause");
    lblPause->hide();

    for (int i = 0; i < kRollingLabels; ++i) {
        auto* label = new RollingLabel(this);
        label->setObjectName(QStringLiteral("LblGdArea%1").arg(i + 1));
        label->setAutoFillBackground(true);
        label->setTextFormat(Qt::PlainText);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        label->setVisible(i == 0);
        LblGdArea[static_cast<size_t>(i)] = label;
    }

    imgAward = new PictureView(this);
    imgAward->setObjectName(QStringLiteral("imgAward"));
    imgAward->installEventFilter(this);
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->hide();
    imgGDPicArea = new PictureView(Panel1);
    imgGDPicArea->setObjectName(QStringLiteral("imgGDPicArea"));

    pnlBtm = new QWidget(this);
    pnlBtm->setObjectName(QStringLiteral("pnlBtm"));
    pnlBtm->setAutoFillBackground(true);
    pnlBtm->hide();
    lblBtmChar = new QLabel(pnlBtm);
    lblBtmChar->setObjectName(QStringLiteral("lblBtmChar"));
    lblBtmChar->setAutoFillBackground(true);

    createDesignComponents();

    // Built-in places, for screens the program has no layout for.
    QSize s = screenSize(this);
    auto place = [&](QWidget* w, double x, double y) { w->move(int(s.width() * x), int(s.height() * y)); };
    place(lblMainCaption, 0.25, 0.05);
    place(lblMainCaption2, 0.40, 0.15);
    place(lblTipCaption, 0.05, 0.30);
    place(lblLevel, 0.05, 0.80);
    place(lblAward, 0.30, 0.80);
    place(lblStat, 0.55, 0.80);
    place(lblHint, 0.05, 0.90);
    place(lblPause, 0.45, 0.45);
    for (int i = 0; i < kRollingLabels; ++i)
        place(LblGdArea[static_cast<size_t>(i)], 0.25, 0.38 + 0.05 * i);
    place(imgAward, 0.75, 0.35);
}

void TFrmMain::resizeEvent(QResizeEvent* event)
{
    ImgBG->setGeometry(rect());
    ImgBG->lower();
    int panelHeight = 42;
    pnlBtm->setGeometry(0, height() - panelHeight, width(), panelHeight);
    if (ToolBar1)
        ToolBar1->setGeometry(0, 0, width(), ToolBar1->sizeHint().height());
    QWidget::resizeEvent(event);
}

void TFrmMain::LoadConfig()
{
    QSize screen = screenSize(this);
    m_settings.writeInteger("Debug", "ScreenWidth", screen.width());
    m_settings.writeInteger("Debug", "ScreenHeight", screen.height());
    // The winner pop-up is made after the first frame; its background is settled as it
    // will read it now, while the first run is still the first run.
    TFrmAniPop::settledBackground(m_settings, m_folder, screen.width());

    if (m_settings.readBool("Option", "FirstRun", true)) {
        m_settings.writeBool("Option", "ImgStretch", !(screen.width() == 1024 && screen.height() == 768));
        std::string name = layout::nameForWidth(screen.width());
        if (!name.empty()) {
            LoadScreenPixes(name);
            SetGdlbl();
        }
        m_settings.writeBool("Option", "FirstRun", false);
    } else {
        LoadScreenPixes("Default");
    }
    ImgBG->setStretch(m_settings.readBool("Option", "ImgStretch", false));
    applyPrizePictureKeys();

    QColor bottom = toQColor(m_settings.readInteger(kLayout, "lblBtmCharBackColor", 43));
    for (QWidget* w : {pnlBtm, static_cast<QWidget*>(lblBtmChar)}) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, bottom);
        w->setPalette(palette);
    }
    setMarqueeInterval(m_settings.readInteger("Option", "frmMainBottomSpeed", 100));
    showMarquee(m_settings.readBool("Option", "frmMainBottom", false));

    WindowsState(m_settings.readInteger("Option", "WindowMode", 1));
    applyDecorationChecks();
    LoadAALabel();
    LoadAAPic();
}

void TFrmMain::LoadScreenPixes(const std::string& layoutName)
{
    if (layoutName != "Default")
        layout::copyLayoutFile(m_settings, m_folder.file("Screen/" + layoutName + ".ini"), screenSize(this).width());
    ReadScreenConfig();
}

void TFrmMain::placeInScreen(QWidget* widget, int left, int top, int badTop)
{
    QSize screen = screenSize(this);
    if (left > screen.width() || left < 1)
        left = 5;
    if (top > screen.height() || top < 1)
        top = badTop;
    widget->move(left, top);
}

void TFrmMain::applySmoothLabel(SmoothLabel* label, const std::string& name)
{
    const IniStore& s = m_settings;
    label->setFont(storedFont(fromGbk(s.readString(kLayout, name + "Name", gbk::literal("宋体"))),
                              s.readInteger(kLayout, name + "Size", 10),
                              fromGbk(s.readString(kLayout, name + "FontStyle", "[]"))));
    label->setColour(toQColor(s.readInteger(kLayout, name + "Color", 10)));
    label->setText(fromGbk(s.readString(kLayout, name + "Caption", "Caption")));

    label->setEffect(readTextEffect(s, name, label->effect()));

    placeInScreen(label, s.readInteger(kLayout, name + "Left", 1), s.readInteger(kLayout, name + "Top", 1),
                  screenSize(this).height() - 100);
}

void TFrmMain::ReadScreenConfig()
{
    if (m_pop)
        m_pop->applyLayout();
    SmoothLabel* smooth[] = {lblMainCaption, lblMainCaption2, lblTipCaption, lblLevel, lblAward, lblHint, lblStat, lblPause};
    for (size_t i = 0; i < std::size(smooth); ++i)
        applySmoothLabel(smooth[i], layout::smoothLabels()[i]);

    const IniStore& s = m_settings;
    QFont font = storedFont(fromGbk(s.readString(kLayout, "LblGdArea1Name", gbk::literal("宋体"))),
                            s.readInteger(kLayout, "LblGdArea1Size", 10),
                            fromGbk(s.readString(kLayout, "LblGdArea1FontStyle", "[]")));
    QColor colour = toQColor(s.readInteger(kLayout, "LblGdArea1Color", 10));
    QColor back = toQColor(s.readInteger(kLayout, "LblGdArea1BackColor", 10));
    bool transparent = s.readBool("Option", "lblGdAreaTransParent", false);
    std::string alignment = s.readString("Option", "GdAreaAlignment", "agTopLeft");
    std::vector<QLabel*> plain(LblGdArea.begin(), LblGdArea.end());
    plain.push_back(lblBtmChar);
    for (size_t i = 0; i < plain.size(); ++i) {
        QLabel* label = plain[i];
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Window, back);
        label->setPalette(palette);
        if (transparent)
            label->setAutoFillBackground(false);
        if (alignment == "agTopLeft")
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        else if (alignment == "agTopCenter")
            label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        else if (alignment == "agTopRight")
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (label == lblBtmChar)
            continue;
        const std::string& name = layout::plainLabels()[i];
        placeInScreen(label, s.readInteger(kLayout, name + "Left", 1), s.readInteger(kLayout, name + "Top", 1),
                      screenSize(this).height() - 50);
    }

    lblBtmChar->setText(fromGbk(s.readString(kLayout, "lblBtmCharCaption", gbk::literal("欢迎使用"))));
    QFont marquee = lblBtmChar->font();
    marquee.setPointSize(std::max(1, s.readInteger(kLayout, "lblBtmCharSize", 11)));
    std::string marqueeFont = s.readString(kLayout, "lblBtmCharName", "");
    if (!marqueeFont.empty())
        marquee.setFamily(fromGbk(marqueeFont));
    // The marquee's own style, once one was chosen for it.
    std::string marqueeStyle = s.readString(kLayout, "lblBtmCharFontStyle", "");
    if (!marqueeStyle.empty())
        marquee = storedFont(marquee.family(), marquee.pointSize(), fromGbk(marqueeStyle));
    lblBtmChar->setFont(marquee);
    QPalette palette = lblBtmChar->palette();
    palette.setColor(QPalette::WindowText, toQColor(s.readInteger(kLayout, "lblBtmCharColor", 1)));
    lblBtmChar->setPalette(palette);
    // A hidden marquee is sized when it is shown: its font is not loaded for nothing.
    if (pnlBtm->isVisibleTo(this)) {
        lblBtmChar->adjustSize();
        centreMarqueeLabel();
    }

    lblTipCaption->setText(fromGbk(s.readString(kLayout, "lblTipCaptionCaption1", gbk::literal("正在抽取"))));
}

void TFrmMain::SetGdlbl()
{
    QLabel* first = LblGdArea[0];
    for (int i = 1; i < kRollingLabels; ++i) {
        QLabel* label = LblGdArea[static_cast<size_t>(i)];
        label->setFont(first->font());
        label->setPalette(first->palette());
        label->move(first->x(), label->y());
    }
}

void TFrmMain::sizeRollingLabels(std::string_view longestEntry)
{
    const DisplayOptions& d = m_engine->options().display;
    std::string text = d.showOnly ? display::select(longestEntry, d.showStrP, d.showStrO) : std::string(longestEntry);
    QSize size = rollingLabelBox(LblGdArea[0]->font(), fromGbk(text), screenSize(this).width());
    for (QLabel* label : LblGdArea)
        label->resize(size);
    // The picture draw may show its pictures alone, without their names.
    if (m_engine->options().mode == 4) {
        bool hide = m_settings.readBool("Option", "PicGDlblhide", false);
        if (hide)
            LblGdArea[0]->clear();
        LblGdArea[0]->setVisible(!hide);
    }
}

void TFrmMain::settingChanged(const std::string& section, const std::string& key)
{
    auto is = [](const std::string& a, const char* b) { return gbk::equalNoCase(a, b); };
    bool effectSection = std::any_of(layout::smoothLabels().begin(), layout::smoothLabels().end(),
                                     [&](const std::string& label) { return is(section, label.c_str()); });
    if (is(section, "frmMainLabel") || effectSection || is(key, "lblGdAreaTransParent") || is(key, "GdAreaAlignment")) {
        ReadScreenConfig();
        // The level texts belong to the draw, not to the layout.
        lblLevel->setText(fromGbk(m_engine->state().levelCaption));
        lblAward->setText(fromGbk(m_engine->state().awardCaption));
    } else if (is(key, "Time1Interval")) {
        setRollTimerInterval(m_engine->options().time1Interval);
    } else if (is(key, "MainImgBG")) {
        setBackground(m_folder.resolve(m_settings.readString("Option", "MainImgBG", "")));
    } else if (is(key, "ImgStretch")) {
        ImgBG->setStretch(m_settings.readBool("Option", "ImgStretch", false));
    } else if (is(key, "AwardPicS") || is(key, "AwardPicTrans")) {
        applyPrizePictureKeys();
    } else if (is(key, "AwardPicinPop")) {
        imgAward->clear();
        setPrizePicture(std::string(), true);
        applyPrizePictureKeys();
    } else if (is(section, "JXPic")) {
        int level = m_engine->state().currentLevel;
        std::string picture = m_folder.resolve(m_settings.readString("JXPic", "SpeedButton" + std::to_string(level), ""));
        setPrizePicture(fileExists(picture) ? picture : std::string(), m_engine->options().awardPicinPop);
    } else if (is(key, "StartRun")) {
        m_engine->setStoppedFlag(m_settings.readBool("Option", "StartRun", false));
    } else if (is(key, "AllKeyOpen")) {
        m_engine->setKeyboardLock(m_settings.readBool("Option", "AllKeyOpen", false));
    } else if (is(key, "AniPopCaption")) {
        bool levelTitle = m_settings.readBool("Option", "AniPopCaption", false);
        setPopupCaption(levelTitle ? std::string_view(m_engine->state().levelCaption)
                                   : m_settings.readString("frmMainLabel", "frmAniPoplblCaption", gbk::literal("中奖人")));
    } else if (is(key, "Time3Interval")) {
        Timer3->setInterval(std::max(1, m_settings.readInteger("Option", "Time3Interval", 3000)));
    } else if (is(key, "frmMainBottom")) {
        showMarquee(m_settings.readBool("Option", "frmMainBottom", false));
    } else if (is(key, "ModeSelect")) {
        // Only the multi-line draw rolls more than one label; the new session fills them.
        if (m_engine->options().mode != 2)
            for (int i = 1; i < kRollingLabels; ++i)
                LblGdArea[static_cast<size_t>(i)]->hide();
    } else if (is(key, "AutoDown")) {
        if (m_settings.readBool("Option", "AutoDown", false)) {
            postStartStopPress();
            setAutoPressTimer(true, m_settings.readInteger("Option", "Time3Interval", 3000));
        } else {
            setAutoPressTimer(false, 0);
        }
    }
}

void TFrmMain::refreshRollingLabels()
{
    // A level drawing from its own list keeps the size its list gave the labels.
    const SessionState& st = m_engine->state();
    if (!st.drawList.empty() && !st.multiList)
        sizeRollingLabels(display::longestEntry(st.drawList));
}

void TFrmMain::SaveScreenToIni()
{
    SmoothLabel* smooth[] = {lblMainCaption, lblMainCaption2, lblTipCaption, lblLevel, lblAward, lblHint, lblStat, lblPause};
    for (size_t i = 0; i < std::size(smooth); ++i) {
        const std::string& name = layout::smoothLabels()[i];
        m_settings.writeInteger(kLayout, name + "Left", smooth[i]->x());
        m_settings.writeInteger(kLayout, name + "Top", smooth[i]->y());
    }
    for (int i = 0; i < kRollingLabels; ++i) {
        const std::string& name = layout::plainLabels()[static_cast<size_t>(i)];
        m_settings.writeInteger(kLayout, name + "Left", LblGdArea[static_cast<size_t>(i)]->x());
        m_settings.writeInteger(kLayout, name + "Top", LblGdArea[static_cast<size_t>(i)]->y());
    }
}

void TFrmMain::applyPrizePictureKeys()
{
    const char* o = "Option";
    bool custom = m_settings.readBool(o, "AwardPicS", false);
    if (custom && (m_settings.readInteger(o, "imgAwardWidth", 100) == 0 || m_settings.readInteger(o, "imgAwardHeight", 100) == 0 ||
                   m_settings.readInteger(o, "imgPopAwardWidth", 100) == 0 || m_settings.readInteger(o, "imgPopAwardHeight", 100) == 0)) {
        for (const char* key : {"imgAwardWidth", "imgAwardHeight", "imgPopAwardWidth", "imgPopAwardHeight"})
            m_settings.writeInteger(o, key, 100);
    }
    imgAward->setStretch(custom);
    imgAward->setBackgroundColour(m_settings.readBool(o, "AwardPicTrans", true) ? QColor() : QColor(Qt::white));
    QSize size = custom ? QSize(m_settings.readInteger(o, "imgAwardWidth", 100), m_settings.readInteger(o, "imgAwardHeight", 100))
                        : imgAward->pictureSize();
    imgAward->resize(size.expandedTo(QSize(1, 1)));
    QSize screen = screenSize(this);
    int left = m_settings.readInteger(o, "imgAwardLeft", 20);
    int top = m_settings.readInteger(o, "imgAwardTop", 20);
    imgAward->move(left < 0 || left > screen.width() ? 0 : left, top < 0 || top > screen.height() ? 0 : top);
    imgAward->setVisible(!imgAward->isEmpty());
}

void TFrmMain::writePrizePictureKeys()
{
    m_settings.writeInteger("Option", "imgAwardLeft", imgAward->x());
    m_settings.writeInteger("Option", "imgAwardTop", imgAward->y());
    if (m_settings.readBool("Option", "AwardPicS", false)) {
        m_settings.writeInteger("Option", "imgAwardWidth", imgAward->width());
        m_settings.writeInteger("Option", "imgAwardHeight", imgAward->height());
    }
}

}  // namespace lotavo::ui
