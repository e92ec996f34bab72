#include "Common.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace makedata {

namespace {

// The fonts named in the settings are the usual Chinese system fonts; the generator measures
// with the installed fonts that stand in for them.
QString familyFor(const std::string& name)
{
    if (name == "黑体")
        return QStringLiteral("Noto Sans CJK SC");
    return QStringLiteral("Noto Serif CJK SC");  // 宋体, 楷体_GB2312
}

int pointsToPixels(int points) { return int(std::lround(points * 96.0 / 72.0)); }

QFont fontFor(const std::string& name, int points, bool bold)
{
    QFont f(familyFor(name));
    f.setPixelSize(std::max(1, pointsToPixels(points)));
    f.setBold(bold);
    return f;
}

struct Label {
    std::string name;
    std::string font;
    int size = 10;
    int colour = 0;
    bool bold = false;
    std::string caption;
    int left = 1, top = 1;
    int width = 0, height = 0;  // measured with the stand-in font

    void measure()
    {
        QFontMetrics fm(fontFor(font, size, bold));
        width = fm.horizontalAdvance(QString::fromStdString(caption));
        height = fm.height();
    }
};

// Where the rolling labels go: inside the inner gold line of the panel of the default
// background (drawn at 1024x768, 7 pixels inside the outer line, and stretched to the
// screen), less a small margin.
using RollingFrame = QRect;
RollingFrame rollingFrame(int w, int h)
{
    const double insetX = (7.0 + 4.0) / 1024 * w;
    const double insetY = (7.0 + 4.0) / 768 * h;
    const int left = int(std::ceil(kMainPanel.left * w + insetX));
    const int top = int(std::ceil(kMainPanel.top * h + insetY));
    const int right = int(std::floor(kMainPanel.right * w - insetX));
    const int bottom = int(std::floor(kMainPanel.bottom * h - insetY));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// A rolling label's box as the draw screen sizes it: the text in the stored point size.
QSize rollingBox(const Label& l)
{
    QFont f(familyFor(l.font));
    f.setPointSize(l.size);
    f.setBold(l.bold);
    return QFontMetrics(f).size(Qt::TextSingleLine, QString::fromStdString(l.caption)) + QSize(8, 4);
}

const int kGold = winColour(255, 215, 0);
const int kLightGold = winColour(255, 236, 160);
const int kCream = winColour(255, 244, 214);
const int kWhite = winColour(255, 255, 255);

const char* const kTitle = "某某公司新年联欢晚会";
const char* const kSubtitle = "抽奖仪式";

struct Layout {
    int w = 0, h = 0;
    std::vector<Label> smooth;   // the eight smoothed labels
    std::vector<Label> rolling;  // LblGdArea1..10
    Label marquee;
    Label popCaption;
    Label popMulti, popSingle;
    int scLeft = 10, scTop = 10, scLe = 15, scHang = 15, allWidth = 0;
    Label awardTitle1, awardTitle2, awardCredits;
};

Layout makeLayout(int w, int h)
{
    Layout L;
    L.w = w;
    L.h = h;
    const double s = std::min(w / 1024.0, h / 768.0);
    auto sz = [s](double v) { return std::max(6, int(std::lround(v * s))); };
    auto centre = [w](Label& l) { l.left = std::max(1, (w - l.width) / 2); };
    const int panelTop = int(std::lround(kMainPanel.top * h));
    const int panelBottom = int(std::lround(kMainPanel.bottom * h));

    Label title{"lblMainCaption", "黑体", sz(40), kGold, true, kTitle};
    title.measure();
    centre(title);
    title.top = int(std::lround(0.03 * h));

    Label subtitle{"lblMainCaption2", "楷体_GB2312", sz(30), kLightGold, false, kSubtitle};
    subtitle.measure();
    centre(subtitle);
    subtitle.top = title.top + int(title.height * 0.92);

    // prompt, level and prize on one row between the subtitle and the panel
    Label tip{"lblTipCaption", "宋体", sz(22), kCream, false, "正在抽取"};
    Label level{"lblLevel", "黑体", sz(34), kGold, true, "三等奖"};
    Label award{"lblAward", "楷体_GB2312", sz(30), kLightGold, false, "蓝牙音箱"};
    tip.measure();
    level.measure();
    award.measure();
    {
        const int levelSlot = pointsToPixels(level.size) * 4;  // room for a four-character title
        Label widest = award;
        widest.caption = "笔记本电脑";
        widest.measure();
        const int gap1 = pointsToPixels(tip.size) / 2;
        const int gap2 = pointsToPixels(award.size);
        const int group = tip.width + gap1 + levelSlot + gap2 + widest.width;
        tip.left = std::max(1, (w - group) / 2);
        level.left = tip.left + tip.width + gap1;
        award.left = level.left + levelSlot + gap2;
        const int rowMid = (subtitle.top + subtitle.height + panelTop) / 2;
        tip.top = rowMid - tip.height / 2;
        level.top = rowMid - level.height / 2;
        award.top = rowMid - award.height / 2;
    }

    // Rolling labels: one column inside the inner line of the panel's frame, the first just
    // above the middle and the others alternately below and above it, so that any number of
    // shown labels forms a column around the centre. The ten rows of the multi-line draw
    // must fit, so the rolling font is as large as ten rows allow. The boxes are measured as
    // the draw screen sizes them: the longest entry in the point size, plus 8 x 4 pixels.
    const RollingFrame frame = rollingFrame(w, h);
    Label roll{"LblGdArea1", "黑体", sz(40), kGold, true, longestParticipant()};
    QSize box = rollingBox(roll);
    while (roll.size > 6 && (10 * box.height() > frame.height() || box.width() > frame.width())) {
        --roll.size;
        box = rollingBox(roll);
    }
    roll.width = box.width();
    roll.height = box.height();
    roll.left = frame.left() + (frame.width() - box.width()) / 2;
    const int step = box.height();  // boxes of the panel colour: the column reads as one block
    roll.top = frame.top() + (frame.height() - 10 * step) / 2 + 4 * step;
    for (int n = 1; n <= 10; ++n) {
        Label r = roll;
        r.name = "LblGdArea" + std::to_string(n);
        int k = n / 2;
        int offset = (n == 1) ? 0 : (n % 2 == 0 ? k : -k);
        r.top = roll.top + offset * step;
        r.caption.clear();
        L.rolling.push_back(r);
    }

    Label pause{"lblPause", "黑体", sz(60), kWhite, true, "暂停"};
    pause.measure();
    centre(pause);
    pause.top = std::max(panelTop + 2, panelTop + (roll.top - panelTop - pause.height) / 2);

    Label stat{"lblStat", "宋体", sz(20), kCream, false, "当前奖项共5人,已抽0人,还剩5人"};
    stat.measure();
    centre(stat);
    stat.top = panelBottom + int(std::lround(0.018 * h));

    Label hint{"lblHint", "宋体", sz(16), winColour(255, 215, 120), false, "请按空格键开始抽奖"};
    hint.measure();
    centre(hint);
    hint.top = stat.top + stat.height;

    L.smooth = {title, subtitle, tip, level, award, hint, stat, pause};

    // marquee of the bottom panel (42 pixels high whatever the screen)
    L.marquee = Label{"lblBtmChar", "宋体", 18, kGold, false,
                      "欢迎各位同事参加某某公司新年联欢晚会！祝大家新年快乐，万事如意，好运连连！"};
    L.marquee.measure();
    L.marquee.left = 10;
    L.marquee.top = std::max(1, (42 - L.marquee.height) / 2);

    // winner pop-up
    L.popCaption = Label{"frmAniPoplblCaption", "楷体_GB2312", sz(48), kGold, false, "恭喜中奖"};
    L.popCaption.measure();
    centre(L.popCaption);
    L.popCaption.top = int(std::lround(0.145 * h)) - L.popCaption.height / 2;
    // Three columns of winners across the pop-up's panel, the font made smaller where three
    // columns of the longest sample entry do not fit; the gap between the columns takes up
    // what is left, so the block fills the panel. AllWidth has room beyond the third column
    // for the two pixels of shadow the pop-up adds to a cell, but not for a fourth column.
    L.popMulti = Label{"AniPopFont", "黑体", sz(34), kGold, false, longestParticipant()};
    L.popMulti.measure();
    {
        const int rangeLeft = int(std::lround((kPopPanel.left + 0.02) * w));
        const int rangeRight = int(std::lround((kPopPanel.right - 0.02) * w));
        const int range = rangeRight - rangeLeft;
        const int minGap = sz(30);
        while (L.popMulti.size > 6 && 3 * L.popMulti.width + 2 * minGap > range) {
            --L.popMulti.size;
            L.popMulti.measure();
        }
        L.scLe = (range - 3 * L.popMulti.width) / 2;
        L.scLeft = rangeLeft;
        L.allWidth = rangeRight + L.scLe / 2;
    }
    L.scHang = sz(14);
    L.scTop = int(std::lround(0.28 * h));
    L.popSingle = Label{"AniPopFontSingle", "黑体", sz(56), kGold, false, longestParticipant()};
    L.popSingle.measure();
    centre(L.popSingle);
    L.popSingle.top = int(std::lround((kPopPanel.top + kPopPanel.bottom) / 2 * h)) - L.popSingle.height / 2;

    // award screen titles and credits
    L.awardTitle1 = Label{"AALabel1", "楷体_GB2312", sz(32), kGold, false, kTitle};
    L.awardTitle1.measure();
    centre(L.awardTitle1);
    L.awardTitle1.top = int(std::lround(0.02 * h));
    L.awardTitle2 = L.awardTitle1;
    L.awardTitle2.caption = "抽 奖 名 单";
    L.awardTitle2.measure();
    centre(L.awardTitle2);
    L.awardTitle2.top = L.awardTitle1.top + L.awardTitle1.height;
    L.awardCredits = Label{"Title1", "黑体", sz(28), kGold, true, ""};
    return L;
}

// The keys a layout file holds: what the first start copies into the settings file.
void putLayout(IniFile& ini, const Layout& L, int rollBack)
{
    const std::string m = "frmMainLabel";
    ini.set(m, "Sc_Left", L.scLeft);
    ini.set(m, "Sc_Top", L.scTop);
    ini.set(m, "Sc_Le", L.scLe);
    ini.set(m, "Sc_Hang", L.scHang);
    ini.set(m, "AllWidth", L.allWidth);
    ini.set(m, "frmAniPoplblCaption", L.popCaption.caption);
    ini.set(m, "frmaniPoplblCaptionFontName", L.popCaption.font);
    ini.set(m, "frmaniPoplblCaptionFontSize", L.popCaption.size);
    ini.set(m, "frmaniPoplblCaptionFontColor", L.popCaption.colour);
    ini.set(m, "frmaniPoplblCaptionTop", L.popCaption.top);
    ini.set(m, "frmaniPoplblCaptionLeft", L.popCaption.left);
    for (const Label& l : L.smooth) {
        ini.set(m, l.name + "Left", l.left);
        ini.set(m, l.name + "Top", l.top);
        ini.set(m, l.name + "Size", l.size);
        ini.set(m, l.name + "Color", l.colour);
        ini.set(m, l.name + "Name", l.font);
        ini.set(m, l.name + "Caption", l.caption);
    }
    std::vector<const Label*> plain;
    for (const Label& r : L.rolling)
        plain.push_back(&r);
    plain.push_back(&L.marquee);
    for (const Label* l : plain) {
        ini.set(m, l->name + "Left", l->left);
        ini.set(m, l->name + "Top", l->top);
        ini.set(m, l->name + "Size", l->size);
        ini.set(m, l->name + "Color", l->colour);
        ini.set(m, l->name + "BackColor", l == &L.marquee ? winColour(80, 0, 4) : rollBack);
        ini.set(m, l->name + "Caption", l->caption);
        ini.set(m, l->name + "Name", l->font);
    }

    const std::string a = "AniPopFont";
    ini.set(a, "FontName", L.popMulti.font);
    ini.set(a, "FontSize", L.popMulti.size);
    ini.set(a, "FontColor", L.popMulti.colour);
    ini.set(a, "SingleFontName", L.popSingle.font);
    ini.set(a, "SingleFontSize", L.popSingle.size);
    ini.set(a, "SingleFontColor", L.popSingle.colour);
    ini.set(a, "SingleLeft", L.popSingle.left);
    ini.set(a, "SingleTop", L.popSingle.top);

    const std::string w = "AwardScreen";
    ini.set(w, "Fontname", L.awardCredits.font);
    ini.set(w, "Fontsize", L.awardCredits.size);
    ini.set(w, "FontColor", L.awardCredits.colour);
    ini.set(w, "LabelFontname", L.awardTitle1.font);
    ini.set(w, "LabelFontSize", L.awardTitle1.size);
    ini.set(w, "LabelFontColor", L.awardTitle1.colour);
    ini.set(w, "Label1Left", L.awardTitle1.left);
    ini.set(w, "Label1Top", L.awardTitle1.top);
    ini.set(w, "Label2Left", L.awardTitle2.left);
    ini.set(w, "Label2Top", L.awardTitle2.top);
}

QColor fromWin(int c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

void drawLabel(QPainter& p, const Label& l, int left, int top, bool shadow)
{
    QFont f = fontFor(l.font, l.size, l.bold);
    QFontMetrics fm(f);
    p.setFont(f);
    const QString text = QString::fromStdString(l.caption);
    if (shadow) {
        p.setPen(QColor(0, 0, 0, 150));
        p.drawText(left + 2, top + fm.ascent() + 2, text);
    }
    p.setPen(fromWin(l.colour));
    p.drawText(left, top + fm.ascent(), text);
}

// How the draw screen and the pop-up would look with this layout: for checking the design.
void drawPreview(const Layout& L, const QString& dir)
{
    const QString stem = QStringLiteral("%1x%2").arg(L.w).arg(L.h);
    QImage bg = paintMainBackground(1024, 768, ThemeId::Red, 0x2024u)
                    .scaled(L.w, L.h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int shown : {1, 5, 10}) {
        QImage img = bg.copy();
        QPainter p(&img);
        p.setRenderHint(QPainter::TextAntialiasing);
        for (const Label& l : L.smooth)
            if (l.name != "lblPause" || shown == 1)
                drawLabel(p, l, l.left, l.top, true);
        const std::vector<std::string> lines = participantLines();
        for (int n = 0; n < shown; ++n) {
            Label r = L.rolling[size_t(n)];
            r.caption = lines[size_t(n * 17 % 200)];
            QRect box(r.left, r.top, L.rolling[0].width, L.rolling[0].height);
            p.fillRect(box, fromWin(winColour(theme(ThemeId::Red).panel)));
            drawLabel(p, r, r.left, r.top, false);
        }
        p.end();
        savePng(img, dir + QStringLiteral("/%1-main-%2.png").arg(stem).arg(shown));
    }
    // pop-up with five winners and with one
    QImage pop = paintPopupBackground(L.w, L.h, ThemeId::Red, 0xB0u);
    for (int shown : {1, 5}) {
        QImage img = pop.copy();
        QPainter p(&img);
        p.setRenderHint(QPainter::TextAntialiasing);
        drawLabel(p, L.popCaption, L.popCaption.left, L.popCaption.top, true);
        const std::vector<std::string> lines = participantLines();
        if (shown == 1) {
            Label one = L.popSingle;
            one.caption = lines[42];
            drawLabel(p, one, one.left, one.top, false);
        } else {
            int x = L.scLeft, y = L.scTop;
            for (int i = 0; i < shown; ++i) {
                if (x + L.popMulti.width > L.allWidth) {
                    x = L.scLeft;
                    y += L.popMulti.height + L.scHang;
                }
                Label one = L.popMulti;
                one.caption = lines[size_t(i * 31 % 200)];
                drawLabel(p, one, x, y, false);
                x += L.popMulti.width + L.scLe;
            }
        }
        p.end();
        savePng(img, dir + QStringLiteral("/%1-pop-%2.png").arg(stem).arg(shown));
    }
}

}  // namespace

void writeLayouts(const QString& dataDir, const std::vector<LayoutSize>& sizes, int rollBack, IniFile& settings,
                  const QString& previewDir)
{
    for (const LayoutSize& size : sizes) {
        const Layout L = makeLayout(size.width, size.height);
        IniFile ini;
        putLayout(ini, L, rollBack);
        ini.save(dataDir + QStringLiteral("/Screen/%1x%2.ini").arg(size.width).arg(size.height));
        if (!previewDir.isEmpty())
            drawPreview(L, previewDir);
    }

    // The settings file carries the 1024x768 layout too: a first start at a width without a
    // layout file keeps the stored values, and they are what the next start applies.
    const Layout L = makeLayout(1024, 768);
    putLayout(settings, L, rollBack);
    const std::string m = "frmMainLabel";
    settings.set(m, "lblTipCaptionCaption1", "正在抽取");
    settings.set(m, "lblTipCaptionCaption2", "抽取结束");
    settings.set(m, "lblHintCaption", "请按空格键开始抽奖");
    // font styles and text effects are not part of the layout files
    for (const Label& l : L.smooth)
        settings.set(m, l.name + "FontStyle", l.bold ? "[fsBold]" : "[]");
    settings.set(m, "LblGdArea1FontStyle", L.rolling[0].bold ? "[fsBold]" : "[]");
    for (const char* name : {"lblMainCaption", "lblMainCaption2", "lblLevel", "lblPause"}) {
        const bool big = std::string(name) == "lblMainCaption";
        settings.set(name, "Shadow", 1);
        settings.set(name, "ShadowColor", 0);
        settings.set(name, "ShadowAlpha", 160);
        settings.set(name, "ShadowBlur", 2);
        settings.set(name, "ShadowOffsetX", big ? 3 : 2);
        settings.set(name, "ShadowOffsetY", big ? 3 : 2);
    }
    // The titles in festive gold for the projector: the title filled with gold foil over a
    // soft deep-red shadow, the subtitle shining from its middle line.
    settings.set("lblMainCaption", "Texture", 1);
    settings.set("lblMainCaption", "TextureMode", 1);
    settings.set("lblMainCaption", "ShadowColor", winColour(70, 0, 0));
    settings.set("lblMainCaption", "ShadowAlpha", 220);
    settings.set("lblMainCaption", "ShadowBlur", 24);
    settings.set("lblMainCaption2", "Gradual", 1);
    settings.set("lblMainCaption2", "GradualStyle", 4);
    settings.set("lblMainCaption2", "GradualStartColor", winColour(255, 250, 215));
    settings.set("lblMainCaption2", "GradualEndColor", winColour(235, 165, 25));
    settings.set("lblMainCaption2", "ShadowColor", winColour(70, 0, 0));
    settings.set("lblMainCaption2", "ShadowBlur", 16);
}

}  // namespace makedata
