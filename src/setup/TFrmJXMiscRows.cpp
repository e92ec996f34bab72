// The grid of the per-level extras: headers, one row per level, the framing lines.
#include "setup/TFrmJXMisc.h"

#include "main/settings/IniStore.h"
#include "present/QtText.h"
#include "present/TransparentPicture.h"
#include "setup/LevelCell.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>

#include <algorithm>

namespace lotavo::ui {

namespace {

constexpr int kRowHeight = 30;
constexpr int kFirstRowTop = 28;
constexpr int kHeaderHeight = 25;
constexpr int kGridRight = 412;
// Column separators, between the title and each group of cells.
constexpr int kSeparators[] = {112, 163, 222, 298, 367};

int rowTop(int level)
{
    return kRowHeight * (level - 1) + kFirstRowTop;
}

// The paper under the cells: a header band, rows in two shades, thin lines around them.
class GridPaper : public QWidget {
public:
    GridPaper(int levels, QWidget* parent) : QWidget(parent), m_levels(levels) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        QRect dirty = event->rect();
        p.fillRect(dirty, QColor(255, 253, 248));
        QLinearGradient header(0, 0, 0, kHeaderHeight);
        header.setColorAt(0.0, QColor(182, 28, 24));
        header.setColorAt(1.0, QColor(140, 12, 12));
        p.fillRect(QRect(0, 0, kGridRight, kHeaderHeight), header);

        int first = std::max(1, (dirty.top() - kFirstRowTop) / kRowHeight);
        int last = std::min(m_levels, (dirty.bottom() - kFirstRowTop) / kRowHeight + 2);
        int bottom = rowTop(m_levels) + kRowHeight - 3;
        p.setPen(QColor(226, 206, 170));
        for (int level = first; level <= last; ++level) {
            int top = rowTop(level) - 3;
            if (level % 2 == 0)
                p.fillRect(QRect(0, top, kGridRight, kRowHeight), QColor(253, 243, 224));
            p.drawLine(0, top + kRowHeight, kGridRight, top + kRowHeight);
        }
        for (int x : kSeparators)
            p.drawLine(x, kHeaderHeight, x, bottom);
        p.drawLine(kGridRight, 0, kGridRight, bottom);
    }

private:
    int m_levels;
};

}  // namespace

void TFrmJXMisc::addHeader(QWidget* content, const QString& caption, int centre)
{
    auto* header = new QLabel(caption, content);
    header->setAlignment(Qt::AlignCenter);
    header->setStyleSheet(QStringLiteral("color: #fff3c4; font-weight: bold;"));
    header->setGeometry(centre - 34, 0, 68, kHeaderHeight);
}

LevelCell* TFrmJXMisc::addCell(QWidget* content, char letter, int level, int left)
{
    auto* c = new LevelCell(QString(QLatin1Char(letter)) + QString::number(level), level, content);
    c->move(left, rowTop(level));
    connect(c, &QToolButton::clicked, this, [this, c, letter] {
        switch (letter) {
        case 'a':
        case 'c':
            pictureCellClick(c);
            break;
        case 'd':
        case 'e':
            listFlagClick(c);
            break;
        case 's':
            tailFlagClick(c);
            break;
        default:
            listButtonClick(c);
            break;
        }
    });
    return c;
}

void TFrmJXMisc::buildRows()
{
    m_set = transparentPicture(fromPath(m_folder.file("Bmp/Se.bmp")));
    m_notSet = transparentPicture(fromPath(m_folder.file("Bmp/Nose.bmp")));
    m_file = transparentPicture(fromPath(m_folder.file("Bmp/File.bmp")));

    auto* content = new GridPaper(m_levels, ScrollBox1);
    content->setObjectName(QStringLiteral("rows"));
    content->setFixedSize(kGridRight + 1, kRowHeight * m_levels + 90);
    addHeader(content, QStringLiteral("奖项名称"), 58);
    addHeader(content, QStringLiteral("奖项封面"), 131);
    addHeader(content, QStringLiteral("背景更换"), 193);
    addHeader(content, QStringLiteral("多名单"), 261);
    addHeader(content, QStringLiteral("排除名单"), 332);
    addHeader(content, QStringLiteral("抽尾号"), 390);

    QFontMetrics metrics(font());
    for (int level = 1; level <= m_levels; ++level) {
        QString title = fromGbk(m_settings.readString("JxTitle", "RzEdit" + std::to_string(level), ""));
        QString number = QStringLiteral("第%1级").arg(level);
        auto* label = new QLabel(content);
        label->setObjectName(QStringLiteral("lblTitle%1").arg(level));
        label->setGeometry(4, rowTop(level), 102, 25);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (title.isEmpty()) {
            // A level without a title is still found by its number.
            label->setText(number);
            label->setStyleSheet(QStringLiteral("color: #9a8a78;"));
        } else {
            label->setText(metrics.elidedText(title, Qt::ElideRight, 102));
        }
        label->setToolTip(title.isEmpty() ? number : number + QStringLiteral(": ") + title);

        for (auto [letter, left] : {std::pair {'a', 119}, {'c', 181}, {'d', 236}, {'e', 307}, {'s', 378}})
            showState(addCell(content, letter, level, left));
        for (auto [letter, left, hint] : {std::tuple {'u', 263, "编辑本级的名单 List/u%1.txt"},
                                          {'o', 332, "编辑本级的排除名单 List/o%1.txt"}}) {
            LevelCell* button = addCell(content, letter, level, left);
            button->setPicture(m_file, QStringLiteral("…"));
            button->setToolTip(QString::fromUtf8(hint).arg(level));
        }
    }
    ScrollBox1->setWidget(content);
}

}  // namespace lotavo::ui
