// Recording winners, the results file, and the two ways a session ends: closing the program
// and the redraw.
#include "draw/DrawEngine.h"

#include "draw/AtomicFile.h"
#include "draw/DisplayText.h"
#include "draw/Gbk.h"
#include "draw/ListEncoding.h"
#include "main/settings/IniStore.h"

#include <algorithm>
#include <cstdio>

namespace lotavo {

void DrawEngine::recordPress()
{
    SessionState& st = m_state;
    if (st.pressRecord.empty())
        return;
    std::string suffix = resultsSuffix();
    for (const std::string& line : st.pressRecord) {
        st.winners.push_back(line);
        st.results.push_back(line + suffix);
        st.levelList.push_back(line + suffix);
    }
    saveResultsOfPress(st.pressRecord.size());
    m_host.resultsChanged(st.results);
}

// Every press goes to disk at once: a crash in the middle of the event loses no winner. The
// record is on the disk first, and then says that the results hold the press.
bool DrawEngine::saveResultsOfPress(size_t winners)
{
    m_record.flush();
    if (!saveResults())
        return false;
    m_record.event("recorded", {{"winners", std::to_string(winners)}});
    return true;
}

std::string DrawEngine::resultsSuffix() const
{
    // The prize and picture draws add the level only.
    if (m_options.mode == 3 || m_options.mode == 4)
        return "  " + m_state.levelCaption;
    std::string suffix = "  " + m_state.levelCaption;
    if (m_options.listAwardShow)
        suffix += "  " + m_state.awardCaption;
    return suffix;
}

// The first write of a session never replaces results that another session left under the
// same name (the name only has day, hour and minute): it takes the next free name instead.
std::string DrawEngine::claimResultsFileName()
{
    if (m_state.resultsFileClaimed)
        return m_state.resultsFileName;
    std::string name = m_state.resultsFileName;
    std::string base = name;
    std::string extension;
    if (auto dot = name.rfind('.'); dot != std::string::npos) {
        base = name.substr(0, dot);
        extension = name.substr(dot);
    }
    auto taken = [this](const std::string& candidate) {
        std::string path = m_folder.file(gbk::toUtf8(candidate));
        return fileExists(path) || fileExists(DrawRecord::pathFor(path));
    };
    for (int n = 2; taken(name); ++n)
        name = base + "(" + std::to_string(n) + ")" + extension;
    m_state.resultsFileName = name;
    m_state.resultsFileClaimed = true;
    return name;
}

bool DrawEngine::saveResults()
{
    claimResultsFileName();
    std::string error = saveList(m_state.results, resultsFilePath());
    if (!error.empty()) {
        reportError("中奖名单无法保存: " + error);
        return false;
    }
    return true;
}

bool DrawEngine::readCurrentListCount(size_t& count)
{
    ByteBuffer bytes;
    ByteRanges lines;
    std::string error;
    if (!loadListInPlace(m_state.currentListFile, bytes, lines, &error)) {
        reportError("抽奖名单无法读取: " + error);
        return false;
    }
    count = lines.size();
    return true;
}

bool DrawEngine::saveDrawList()
{
    std::string error = saveListKeepingEncoding(m_state.drawList.joined(), m_state.currentListFile);
    if (!error.empty()) {
        reportError("抽奖名单无法保存: " + error);
        return false;
    }
    return true;
}

// Either answer of the close question ends the draw: the next start does not offer to
// continue it.
CloseDecision DrawEngine::closeRequest()
{
    CloseDecision decision = closeRequestAsked();
    if (decision == CloseDecision::Close)
        m_record.event("finished");
    return decision;
}

CloseDecision DrawEngine::closeRequestAsked()
{
    m_host.saveLayout();
    if (m_settings.readBool("Option", "ExitSave", false))
        return saveStateAtExit() ? CloseDecision::Close : CloseDecision::StayOpen;

    std::remove(m_folder.file("temp.txt").c_str());
    size_t fileCount = 0;
    // A list file that can no longer be read counts as changed: the operator is still asked,
    // and can still close the program.
    bool readable = readCurrentListCount(fileCount);
    if (m_state.results.empty() && readable && fileCount == m_state.drawList.size())
        return CloseDecision::Close;

    if (!saveResults())
        return CloseDecision::StayOpen;
    std::string question = gbk::literal("您的名单因为抽奖已经改变,是否要保存它? (如果保存则完整名单会发生残缺)\r\r本次的中奖者名单已保存为: ") +
                           m_state.resultsFileName;
    MessageAnswer answer = m_host.showMessage(question, gbk::literal("警告"), MessageButtons::YesNoCancel,
                                              MessageIcon::Exclamation, 1);
    if (answer == MessageAnswer::Cancel)
        return CloseDecision::StayOpen;
    if (answer == MessageAnswer::Yes && !m_state.multiList && !saveDrawList())
        return CloseDecision::StayOpen;
    return CloseDecision::Close;
}

void DrawEngine::redraw()
{
    SessionState& st = m_state;
    if (!saveResults())
        return;
    size_t fileCount = 0;
    if (!readCurrentListCount(fileCount))
        return;
    if (m_options.mode == 4)
        m_host.savePictureArea();
    if (!st.results.empty() || fileCount != st.drawList.size()) {
        std::string question = gbk::literal("您的名单因为抽奖已经改变,是否要保存它? (如果保存则完整名单会发生残缺)\r\r另外本次的中奖者名单已保存为: ") +
                               st.resultsFileName;
        MessageAnswer answer = m_host.showMessage(question, gbk::literal("警告"), MessageButtons::YesNo,
                                                  MessageIcon::Exclamation, 1);
        if (answer == MessageAnswer::Yes && !st.multiList && !saveDrawList())
            return;
    }
    st.pressRecord.clear();
    st.results.clear();
    st.levelList.clear();
    st.winners.clear();
    if (m_options.mode == 2)
        st.levelDone = false;
    st.resultsFileName = newResultsFileName();
    st.resultsFileClaimed = false;
    m_record.event("redraw");
    m_record.detach();
    showTipCaption(true);
    st.serialCounter = 0;
    m_host.resultsChanged(st.results);
    st.keysUnlocked = !m_options.allKeyOpen;
    st.drawOver = false;
    startSession();
}

void DrawEngine::fillAwardScreen(bool all)
{
    SessionState& st = m_state;
    if (st.results.empty())
        return;
    halt();
    EntryList lines {"<Title1>"};
    const EntryList& source = all ? st.results : st.levelList;
    bool reversed = m_settings.readBool("AwardScreen", "fxcl", false);
    for (size_t i = 0; i < source.size(); ++i) {
        const std::string& line = source[reversed ? source.size() - 1 - i : i];
        lines.push_back(m_options.display.privacyStar ? display::mask(line, m_options.display) : line);
    }
    if (m_settings.readBool("AwardScreen", "Col2", false)) {
        size_t last = lines.size() - 1;
        for (size_t i = (last % 2 == 1) ? last : last - 1; i >= 1 && i <= last; i -= 2) {
            lines[i - 1] += "   " + lines[i];
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    m_host.openAwardScreen(lines);
    resume();
}

}  // namespace lotavo
