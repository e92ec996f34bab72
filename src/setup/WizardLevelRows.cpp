#include "setup/WizardLevelRows.h"

#include "present/QtText.h"
#include "present/CommonDialogs.h"
#include "setup/PrizePictureMenu.h"
#include "setup/WizardScrollBox.h"
#include "setup/WizardSettings.h"
#include "setup/WizardSpinBox.h"

#include <QCursor>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <string>

namespace lotavo::ui {

namespace {

int rowTop(int level)
{
    return 30 * (level - 1);
}

std::string key(const char* kind, int level)
{
    return kind + std::to_string(level);
}

QString name(const char* kind, int level)
{
    return QString::fromLatin1(kind) + QString::number(level);
}

// The rows were laid out for a font that draws its Chinese from the very top of the line;
// ours leaves a little headroom, which would set the labels lower than the text of the edits
// beside them. The text moves up by that headroom, never further, so nothing is cut off.
void alignToEdits(QLabel* label)
{
    QFontMetrics metrics(label->font());
    int headroom = metrics.ascent() + metrics.tightBoundingRect(QStringLiteral("奖")).top();
    if (headroom > 0)
        label->setContentsMargins(0, -headroom, 0, 0);
}

// A right-aligned label that sizes itself to its text keeps its right edge where it is.
void setRightAligned(QLabel* label, const QString& text, int right, int top)
{
    QFontMetrics metrics(label->font());
    QString shown = metrics.elidedText(text, Qt::ElideLeft, right);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
    int width = std::max(48, metrics.horizontalAdvance(shown) + 1);
    label->setGeometry(right - width, top, width, label->sizeHint().height());
}

QLabel* autoLabel(QWidget* parent, const QString& objectName, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    alignToEdits(label);
    label->move(left, top);
    label->resize(label->sizeHint());
    return label;
}

const QString kTitleLabel = QStringLiteral("奖项名称");
const QString kAwardSuffix = QStringLiteral("奖品");
const QString kCountSuffix = QStringLiteral("设");
const QString kPerPress = QStringLiteral("人,每次抽取           人");

}  // namespace

WizardLevelRows::WizardLevelRows(WizardSettings& settings, ProgramFolder folder, const WizardDialogs& dialogs,
                                 QWidget* page2, QWidget* page3, QWidget* page4)
    : m_settings(settings), m_folder(std::move(folder)),
      m_pictureMenu(std::make_unique<PrizePictureMenu>(settings, m_folder, dialogs, page3))
{
    // Without the glyph the buttons still work; they show a text instead.
    QPixmap glyph(fromPath(m_folder.file("Bmp/menu.bmp")));
    if (!glyph.isNull())
        m_menuGlyph = QIcon(glyph);
    auto scrollBox = [](QWidget* page, const char* objectName) {
        auto* box = new WizardScrollBox(page);
        box->setObjectName(QString::fromLatin1(objectName));
        box->setGeometry(10, 52, 380, 236);
        return box;
    };
    sbox = scrollBox(page2, "sbox");
    ScrollBox1 = scrollBox(page3, "ScrollBox1");
    ScrollBox2 = scrollBox(page4, "ScrollBox2");

    SbtnAdd = new QPushButton(QStringLiteral("增加奖级"), page2);
    SbtnAdd->setObjectName(QStringLiteral("SbtnAdd"));
    SbtnAdd->setGeometry(404, 60, 110, 25);
    SbtnDel = new QPushButton(QStringLiteral("删除奖级"), page2);
    SbtnDel->setObjectName(QStringLiteral("SbtnDel"));
    SbtnDel->setGeometry(404, 92, 110, 25);
    for (QPushButton* button : {SbtnAdd, SbtnDel})
        button->setAutoDefault(false);
    auto* order = new QLabel(QStringLiteral("默认先抽最下面的奖级"), page2);
    order->setObjectName(QStringLiteral("lblDrawOrder"));
    order->setWordWrap(true);
    order->setGeometry(404, 128, 126, 40);
    order->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QObject::connect(SbtnAdd, &QPushButton::clicked, page2, [this] { SbtnAddClick(); });
    QObject::connect(SbtnDel, &QPushButton::clicked, page2, [this] { SbtnDelClick(); });

    auto* totalCaption = new QLabel(QStringLiteral("当前总中奖名额"), page4);
    totalCaption->setObjectName(QStringLiteral("lblTotalCaption"));
    totalCaption->setGeometry(404, 60, 126, 20);
    lblTotal = new QLabel(page4);
    lblTotal->setObjectName(QStringLiteral("lblTotalCount"));
    lblTotal->setGeometry(404, 84, 126, 30);
    QFont big = lblTotal->font();
    big.setPixelSize(22);
    big.setBold(true);
    lblTotal->setFont(big);
    QPalette palette = lblTotal->palette();
    palette.setColor(QPalette::WindowText, QColor(200, 0, 0));
    lblTotal->setPalette(palette);
}

WizardLevelRows::~WizardLevelRows() = default;

WizardScrollBox* WizardLevelRows::scrollBox(int page) const
{
    return page == 2 ? sbox : page == 3 ? ScrollBox1 : ScrollBox2;
}

void WizardLevelRows::build(int count)
{
    for (int level = 1; level <= count; ++level) {
        createRow(level, true);
        connectRow(static_cast<size_t>(level - 1));
    }
    setScrollRanges(rowTop(count) + 80);
}

void WizardLevelRows::createRow(int level, bool loadTexts)
{
    const size_t index = static_cast<size_t>(level - 1);
    const int top = rowTop(level);
    QWidget* names = sbox->content();
    QWidget* prizes = ScrollBox1->content();
    QWidget* counts = ScrollBox2->content();

    lblJxNameLabel.push_back(autoLabel(names, name("lblJxNameLabel", level), kTitleLabel, 113, top + 39));
    auto* title = new QLineEdit(names);
    title->setObjectName(name("RzEdit", level));
    title->setGeometry(164, top + 33, 148, 21);
    RzEdit.push_back(title);

    auto* awardLabel = new QLabel(prizes);
    awardLabel->setObjectName(name("AWLabel", level));
    awardLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    alignToEdits(awardLabel);
    AWLabel.push_back(awardLabel);
    auto* award = new QLineEdit(prizes);
    award->setObjectName(name("AWRzEdit", level));
    award->setGeometry(173, top + 33, 131, 21);
    AWRzEdit.push_back(award);
    auto* pictureButton = new QToolButton(prizes);
    pictureButton->setObjectName(name("SpeedButton", level));
    pictureButton->setAutoRaise(true);
    pictureButton->setGeometry(305, top + 33, 13, 21);
    pictureButton->setToolTip(QStringLiteral("奖品图片"));
    if (!m_menuGlyph.isNull()) {
        pictureButton->setIcon(m_menuGlyph);
        pictureButton->setIconSize(QSize(13, 21));
    } else {
        pictureButton->setText(QStringLiteral("…"));
    }
    SpeedButton.push_back(pictureButton);

    auto* countLabel = new QLabel(counts);
    countLabel->setObjectName(name("LabelA", level));
    countLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    alignToEdits(countLabel);
    LabelA.push_back(countLabel);
    auto* winners = new WizardSpinBox(counts);
    winners->setObjectName(name("RzSpinEdit", level));
    winners->setGeometry(144, top + 34, 60, 20);
    RzSpinEdit.push_back(winners);
    // Created before the per-press spin, which covers the blanks of the text.
    LabelAB.push_back(autoLabel(counts, name("LabelAB", level), kPerPress, 208, top + 39));
    auto* perPress = new WizardSpinBox(counts);
    perPress->setObjectName(name("r", level));
    perPress->setGeometry(277, top + 34, 60, 20);
    r.push_back(perPress);

    const int tag = level - 1;
    for (QWidget* w : std::initializer_list<QWidget*>{lblJxNameLabel[index], title, awardLabel, award, pictureButton,
                                                      countLabel, winners, LabelAB[index], perPress})
        w->setProperty("tag", tag);

    QString storedTitle;
    if (loadTexts) {
        storedTitle = fromGbk(m_settings.readString("JxTitle", key("RzEdit", level), ""));
        title->setText(storedTitle);
        award->setText(fromGbk(m_settings.readString("JxAward", key("AWRzEdit", level), "")));
    }
    winners->setValue(m_settings.readInteger("JxNumber", key("RzSpinEdit", level), 0));
    perPress->setValue(m_settings.readInteger("JxNumberAAT", key("r", level), 1));
    setLevelLabels(index, storedTitle);

    for (QWidget* w : std::initializer_list<QWidget*>{lblJxNameLabel[index], title, awardLabel, award, pictureButton,
                                                      countLabel, winners, LabelAB[index], perPress})
        w->show();
}

void WizardLevelRows::connectRow(size_t index)
{
    QWidget* context = sbox;
    QObject::connect(RzEdit[index], &QLineEdit::textChanged, context, [this, index] { RzEditChange(index); });
    QObject::connect(AWRzEdit[index], &QLineEdit::textChanged, context, [this, index] { AWRzEditChange(index); });
    QObject::connect(SpeedButton[index], &QToolButton::clicked, context, [this, index] { SpeedButtonMouseUp(index); });
    QObject::connect(RzSpinEdit[index], &QSpinBox::valueChanged, context, [this, index] { RzSpinEditChange(index); });
    QObject::connect(r[index], &QSpinBox::valueChanged, context, [this, index] { rChange(index); });
}

void WizardLevelRows::setLevelLabels(size_t index, const QString& title)
{
    const int top = rowTop(static_cast<int>(index) + 1) + 39;
    setRightAligned(AWLabel[index], title + kAwardSuffix, 168, top);
    setRightAligned(LabelA[index], title + kCountSuffix, 138, top);
}

void WizardLevelRows::setScrollRanges(int height)
{
    for (WizardScrollBox* box : {sbox, ScrollBox1, ScrollBox2})
        box->setRange(height);
}

void WizardLevelRows::SbtnAddClick()
{
    const int n = count();
    if (n >= kMaxLevels) {
        showFadingMessage(QStringLiteral("奖项级别已达%1级,不能再增加").arg(kMaxLevels), 2);
        return;
    }
    for (WizardScrollBox* box : {sbox, ScrollBox1, ScrollBox2})
        box->scrollToTop();

    const int level = n + 1;
    const size_t index = static_cast<size_t>(n);
    createRow(level, false);
    const QString title = QString::number(level) + QStringLiteral("等奖");
    RzEdit[index]->setText(title);
    m_settings.writeText("JxTitle", key("RzEdit", level), title);
    connectRow(index);
    AWRzEdit[index]->setText(QStringLiteral("奖品:"));

    setScrollRanges(rowTop(level) + 80);
    setLevelLabels(index, title);
    m_settings.writeInteger("Number", "AllJJ", level);
}

void WizardLevelRows::SbtnDelClick()
{
    if (count() <= 1)
        return;
    delete lblJxNameLabel.back();
    delete RzEdit.back();
    delete AWLabel.back();
    delete AWRzEdit.back();
    delete SpeedButton.back();
    delete LabelA.back();
    delete RzSpinEdit.back();
    delete LabelAB.back();
    delete r.back();
    lblJxNameLabel.pop_back();
    RzEdit.pop_back();
    AWLabel.pop_back();
    AWRzEdit.pop_back();
    SpeedButton.pop_back();
    LabelA.pop_back();
    RzSpinEdit.pop_back();
    LabelAB.pop_back();
    r.pop_back();
    setScrollRanges(rowTop(count()) + 80);
}

int64_t WizardLevelRows::total() const
{
    int64_t sum = 0;
    for (int level = 1; level <= count(); ++level)
        sum += m_settings.readInteger("JxNumber", key("RzSpinEdit", level), 1);
    return sum;
}

void WizardLevelRows::refreshTotal()
{
    lblTotal->setText(QString::number(total()));
}

void WizardLevelRows::clampPerPress()
{
    for (size_t i = 0; i < r.size(); ++i)
        if (r[i]->value() > RzSpinEdit[i]->value())
            r[i]->setValue(RzSpinEdit[i]->value());
}

void WizardLevelRows::RzEditChange(size_t index)
{
    const int level = static_cast<int>(index) + 1;
    const QString title = RzEdit[index]->text();
    m_settings.writeText("JxTitle", key("RzEdit", level), title);
    setLevelLabels(index, title);
    if (title.isEmpty())
        showErrorMessage(QStringLiteral("奖项级别存在空缺栏!\r\r空缺会导致未知错误\r\r填写奖项级别时请勿跳级"));
}

void WizardLevelRows::AWRzEditChange(size_t index)
{
    m_settings.writeText("JxAward", key("AWRzEdit", static_cast<int>(index) + 1), AWRzEdit[index]->text());
}

void WizardLevelRows::SpeedButtonMouseUp(size_t index)
{
    m_pictureMenu->popup(static_cast<int>(index) + 1, QCursor::pos());
}

void WizardLevelRows::RzSpinEditChange(size_t index)
{
    m_settings.writeInteger("JxNumber", key("RzSpinEdit", static_cast<int>(index) + 1), RzSpinEdit[index]->value());
    refreshTotal();
}

void WizardLevelRows::rChange(size_t index)
{
    m_settings.writeInteger("JxNumberAAT", key("r", static_cast<int>(index) + 1), r[index]->value());
}

}  // namespace lotavo::ui
