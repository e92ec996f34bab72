// The winner labels of the pop-up: automatic and manual arrangement, strike-out, saving.
#include "present/TFrmAniPop.h"

#include "present/FontNames.h"
#include "present/QtText.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/MoverSizer.h"
#include "present/PositionFile.h"
#include "present/WinnerArrangement.h"
#include "present/WinnerLabel.h"

#include <QFontInfo>

#include <algorithm>

namespace lotavo::ui {

namespace {

Qt::Alignment alignmentOf(int lcr)
{
    switch (lcr) {
    case 2: return Qt::AlignHCenter | Qt::AlignTop;
    case 3: return Qt::AlignRight | Qt::AlignTop;
    default: return Qt::AlignLeft | Qt::AlignTop;
    }
}

int lcrOf(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return 2;
    if (alignment & Qt::AlignRight)
        return 3;
    return 1;
}

}  // namespace

std::string TFrmAniPop::positionFilePath() const
{
    return m_folder.file(arrangement::positionFileName(m_level));
}

bool TFrmAniPop::positionFileExists() const
{
    return PositionFile(positionFilePath()).exists();
}

WinnerLabel* TFrmAniPop::addWinnerLabel(size_t index, const QString& text)
{
    auto* label = new WinnerLabel(text, m_content);
    label->setObjectName(QStringLiteral("PC%1").arg(index));
    label->setMouseTracking(true);
    label->installEventFilter(this);
    m_labels.push_back(label);
    return label;
}

void TFrmAniPop::CreateLabel(const EntryList& lines, const PopupContext& context)
{
    static const DisplayOptions kPlain;
    const DisplayOptions& display = context.display ? *context.display : kPlain;
    WinnerLabel measuring(
        fromGbk(arrangement::measuringText(context.longestEntry, display, context.serialCounter)), nullptr);
    size_t count = arrangement::shownCount(lines.size(), context.maxNumber);

    if (lines.size() == 1) {
        QFont font = storedFont(fromGbk(m_settings.readString("AniPopFont", "SingleFontName", gbk::literal("宋体"))),
                                m_settings.readInteger("AniPopFont", "SingleFontSize", 10));
        QColor colour = toQColor(m_settings.readInteger("AniPopFont", "SingleFontColor", 0));
        if (count == 0)
            return;
        WinnerLabel* label = addWinnerLabel(0, fromGbk(lines.front()));
        label->setLabelFont(font);
        label->setColour(colour);
        label->move(m_settings.readInteger("AniPopFont", "SingleLeft", 10), m_settings.readInteger("AniPopFont", "SingleTop", 10));
        label->show();
        return;
    }

    QFont font = storedFont(fromGbk(m_settings.readString("AniPopFont", "FontName", gbk::literal("宋体"))),
                            m_settings.readInteger("AniPopFont", "FontSize", 10));
    QColor colour = toQColor(m_settings.readInteger("AniPopFont", "FontColor", 0));
    // Sizes stay in points, so that the font commands and the position file read them back.
    auto atPixels = [&](int pixelSize) {
        QFont sized = font;
        if (pixelSize > 0)
            sized.setPointSizeF(pixelSize * 72.0 / logicalDpiY());
        return sized;
    };
    arrangement::Flow flow = arrangement::fitFlow(
        count, arrangement::readCellGrid(m_settings, width()), size(), QFontInfo(font).pixelSize(), [&](int pixelSize) {
            measuring.setLabelFont(atPixels(pixelSize));
            return measuring.sizeHint();
        });
    font = atPixels(flow.pixelSize);
    for (size_t i = 0; i < count; ++i) {
        WinnerLabel* label = addWinnerLabel(i, fromGbk(lines[i]));
        label->setLabelFont(font);
        label->setColour(colour);
        label->move(flow.positions[i]);
        label->show();
    }
}

void TFrmAniPop::LoadLabel(const EntryList& lines, int maxNumber)
{
    PositionFile file(positionFilePath());
    PositionFile::Font stored = file.readFont();
    QFont font = storedFont(stored.name, stored.size);
    size_t count = arrangement::shownCount(lines.size(), maxNumber);
    for (size_t i = 0; i < count; ++i) {
        PositionFile::Place place = file.readPlace(i);
        WinnerLabel* label = addWinnerLabel(i, fromGbk(lines[i]));
        label->setObjectName(place.name);
        label->setAutoSize(false);
        label->setAlignment(alignmentOf(stored.lcr));
        label->setLabelFont(font);
        label->setColour(stored.colour);
        label->setGeometry(place.left, place.top, stored.width, stored.height);
        label->show();
    }
}

void TFrmAniPop::LabelCheck(WinnerLabel* label)
{
    QFont font = label->font();
    if (font.strikeOut()) {
        font.setStrikeOut(false);
        label->setColour(toQColor(m_settings.readInteger("AniPopFont", "FontColor", 0)));
    } else {
        font.setStrikeOut(true);
        label->setColour(QColor(0xC0, 0xC0, 0xC0));
    }
    label->setLabelFont(font);
}

void TFrmAniPop::FormHide()
{
    // A winner is known by the index of its label, not by its text: masked or numbered
    // display text still strikes out the right entry.
    if (m_confirm) {
        for (size_t i = m_labels.size(); i-- > 0;)
            if (m_labels[i]->struckOut())
                m_struck.push_back(i);
        std::sort(m_struck.begin(), m_struck.end());
    }
    Resizer1->detach();
    for (WinnerLabel* label : m_labels)
        delete label;
    m_labels.clear();
}

void TFrmAniPop::SaveLabelPos()
{
    PositionFile file(positionFilePath());
    PositionFile::Font font;
    std::vector<PositionFile::Place> places;
    for (WinnerLabel* label : m_labels)
        places.push_back({label->objectName(), label->x(), label->y()});
    if (!m_labels.empty()) {
        const WinnerLabel* first = m_labels.front();
        font.name = first->font().family();
        font.size = first->font().pointSize();
        font.colour = first->colour();
        font.width = first->width();
        font.height = first->height();
        font.lcr = lcrOf(first->alignment());
    }
    std::string error = file.write(font, places);
    if (!error.empty())
        showErrorMessage(QString::fromStdString(error));
}

}  // namespace lotavo::ui
