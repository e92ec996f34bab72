// The draw screen's print routine: the draw's automatic prints and the pop-up's press list.
#include "main/TFrmMain.h"

#include "present/ListPrintJob.h"
#include "present/QtText.h"
#include "present/SmoothLabel.h"

namespace lotavo::ui {

void TFrmMain::Printmemo(const QStringList& lines, bool withLevel)
{
    ListPrintRequest request = ListPrintRequest::fromSettings(m_settings, lines);
    request.layout.heading = lblMainCaption->text();
    if (withLevel)
        request.layout.heading += QStringLiteral("   ") + lblLevel->text();
    printListJob(this, std::move(request));
    takeKeyboardBack();
}

void TFrmMain::printLines(const EntryList& lines, bool withLevel)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        texts.append(fromGbk(line));
    Printmemo(texts, withLevel);
}

// The regular draw prints its press when the pop-up has gone; the other draws print in the
// engine. Winners struck out as absent are not printed as winners.
void TFrmMain::printPopupPress(const WinnerPopup& popup, const std::vector<size_t>& struck)
{
    if (!m_engine->options().print || m_engine->options().mode != 1)
        return;
    QStringList texts;
    for (size_t i = 0; i < popup.lines->size(); ++i)
        if (std::find(struck.begin(), struck.end(), i) == struck.end())
            texts.append(fromGbk((*popup.lines)[i]));
    Printmemo(texts, true);
}

}  // namespace lotavo::ui
