// Resuming a draw that ended without its close (a crash, a power cut, a kill): the draw
// record of its results file holds everything needed to go on where it stopped.
#include "draw/DrawEngine.h"

#include "draw/AtomicFile.h"
#include "draw/Gbk.h"
#include "draw/RecordReplay.h"
#include "draw/RecordVerifier.h"
#include "main/settings/IniStore.h"

#include <algorithm>
#include <cstdlib>

namespace lotavo {

namespace {

int32_t integer(const record::Line& state, const char* key)
{
    return static_cast<int32_t>(std::strtol(state.get(key, "0").c_str(), nullptr, 10));
}

}  // namespace

void DrawEngine::noteState()
{
    const SessionState& st = m_state;
    std::string list = st.currentListFile;
    if (list.rfind(m_folder.path(), 0) == 0)
        list = list.substr(m_folder.path().size());
    m_record.event("state", {{"level", std::to_string(st.currentLevel)},
                             {"total", std::to_string(st.levelTotal)},
                             {"drawn", std::to_string(st.levelDrawn)},
                             {"remaining", std::to_string(st.levelRemaining)},
                             {"perPress", std::to_string(st.perPress)},
                             {"serial", std::to_string(st.serialCounter)},
                             {"levelDone", st.levelDone ? "1" : "0"},
                             {"temporary", st.temporaryLevel ? "1" : "0"},
                             {"aside", st.temporaryListPutAside ? "1" : "0"},
                             {"title", record::fromGbk(st.levelCaption)},
                             {"award", record::fromGbk(st.awardCaption)},
                             {"list", list}});
}

void DrawEngine::noteRemovedEarlierWinners()
{
    m_record.event("remove-earlier", {{"SerialNumber", m_options.display.serialNumber ? "1" : "0"},
                                      {"Space", record::fromGbk(m_options.display.space)}});
}

bool DrawEngine::offerResume()
{
    std::string path = newestRecord(m_folder.path());
    if (path.empty())
        return false;
    std::string head;
    readWholeFile(path, head);
    if (head.rfind("lotavo-record\t", 0) != 0)
        return false;  // not a record of this program: nothing to continue, nothing to say
    RecordReplay replay(m_folder.path());
    std::string failure;
    bool readable = replayRecord(path, replay, failure);
    if (readable && (replay.finished() || replay.lastState().kind.empty()))
        return false;
    DrawRecord old;
    if (!readable) {
        message("上次抽奖没有正常结束,但它的抽奖记录无法继续: " + failure + "\r\n将开始新的抽奖。", "提示",
                MessageButtons::Ok, MessageIcon::Warning);
        old.attach(path);
        old.event("finished", {{"reason", "unreadable"}});
        return false;
    }
    const record::Line& state = replay.lastState();
    std::string question = "上次抽奖没有正常结束(已抽出" + std::to_string(replay.winners()) +
                           "人,当前奖项:" + gbk::toUtf8(record::toGbk(state.get("title"))) + ")。\r\n是否继续上次的抽奖?";
    if (message(question, "询问", MessageButtons::YesNo, MessageIcon::Question, 0) != MessageAnswer::Yes) {
        // The old results file stays as it is; the record says the draw was not continued.
        old.attach(path);
        old.event("finished", {{"reason", "declined"}});
        return false;
    }
    resumeFrom(replay, path);
    return true;
}

void DrawEngine::resumeFrom(const RecordReplay& replay, const std::string& recordPath)
{
    SessionState& st = m_state;
    const record::Line& state = replay.lastState();
    // What the fresh start noted belongs to no draw: the record goes on from the old draw.
    m_record.discardWaiting();
    m_record.attach(recordPath);
    m_random.seed(m_clock.utcMillisecondsOfDay());
    m_record.seed(m_random.state());
    m_record.event("resumed", {{"winners", std::to_string(replay.winners())}});
    if (std::string error = m_record.takeError(); !error.empty())
        reportError(error);

    st.resultsFileName = replay.resultsName();
    st.resultsFileClaimed = true;
    st.drawList = replay.drawList();
    st.winners = replay.winnerLines();
    st.results = replay.results();
    st.levelList = replay.levelResults();
    st.currentLevel = integer(state, "level");
    st.levelTotal = integer(state, "total");
    st.levelRemaining = integer(state, "remaining");
    st.perPress = std::max(1, integer(state, "perPress"));
    st.serialCounter = integer(state, "serial");
    st.currentListFile = m_folder.file(state.get("list", "Text.txt"));
    // Inside a temporary level the draw comes back to the level it interrupted (kept in the
    // settings) and, when the level had its own list, to the list waiting in List/sy.txt.
    st.temporaryLevel = state.get("temporary") == "1";
    st.temporaryListPutAside = st.temporaryLevel && state.get("aside") == "1";
    // The winners of a press that was on the screen when the program ended were drawn in
    // front of the audience: they are recorded now rather than drawn again.
    for (const std::string& w : replay.pendingWinners()) {
        st.winners.push_back(w);
        st.results.push_back(w + replay.pendingSuffix());
        if (m_options.mode != 3)  // the prize draw keeps no level list
            st.levelList.push_back(w + replay.pendingSuffix());
    }
    st.levelRemaining -= static_cast<int32_t>(replay.pending().size());
    st.levelDrawn = st.levelTotal - st.levelRemaining;
    if (!replay.pending().empty()) {
        m_record.flush();
        if (saveResults())
            m_record.event("recorded", {{"winners", std::to_string(replay.pending().size())}});
    }
    st.levelDone = st.levelRemaining <= 0 && state.get("levelDone") == "1";

    setLevelTexts(record::toGbk(state.get("title")), record::toGbk(state.get("award")));
    setStatLine();
    showLevelBackground(st.currentLevel, true);
    showPrizePicture(st.currentLevel, m_options.awardPicinPop);
    st.currentIndex = m_random.below(static_cast<uint32_t>(st.drawList.size()));
    // A finished temporary level goes back at the next key, as it would have.
    if (st.levelRemaining <= 0 && st.currentLevel > 0 && !st.temporaryLevel) {
        if (m_options.mode == 2)
            st.levelDone = true;
        else
            advanceLevel(AdvanceKind::BetweenPresses);
    }
    if (m_options.mode == 2)
        showRollingLabels(std::min(st.levelRemaining, st.perPress));
    else if (m_options.mode == 4)
        setUpPictureArea();
    else if (!st.drawList.empty())
        showRandomEntry(Label::GdArea1);  // not a name from the list as it was before the draw
    m_host.resultsChanged(st.results);
    noteState();
    // After a crash the operator starts the roll again, in front of the audience.
    st.stopped = true;
    halt();
}

}  // namespace lotavo
