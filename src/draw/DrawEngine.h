#pragma once

#include "draw/Clock.h"
#include "draw/DrawHost.h"
#include "draw/DrawOptions.h"
#include "draw/DrawRecord.h"
#include "draw/ProgramFolder.h"
#include "draw/RandomGenerator.h"
#include "draw/SessionState.h"

#include <string>
#include <string_view>
#include <vector>

namespace lotavo {

class IniStore;
class RecordReplay;

enum class CloseDecision { Close, StayOpen };

// The draw: prize levels, the roll, the presses, the recording of winners and the results
// file. It owns the session state and talks to the screen only through DrawHost, so the same
// engine runs behind the draw screen, in the rehearsal command and in tests.
class DrawEngine {
public:
    DrawEngine(IniStore& settings, ProgramFolder folder, DrawHost& host, Clock& clock);

    // Start-up: the engine's share of loading the settings (sounds, run-time copies, results
    // file name, automatic drawing), then a fresh session, then a saved draw when one waits.
    void startUp();
    // The picture startUp() shows first (the main background, or the default one), which the
    // screen can start decoding before.
    std::string mainBackground() const;

    // Key handling of the draw screen, with Windows virtual-key codes.
    void keyDown(int key);
    void keyUp(int key);
    // The roll timer's tick.
    void rollTick();
    // The pause command of the menus.
    void togglePause();

    // Halts (true) or resumes (false) the roll.
    void pauseSw(bool halt);

    CloseDecision closeRequest();
    void redraw();
    // After the setup wizard: the levels and the list are loaded again from the settings and
    // the draw starts over with the normal key handling and the numbering at 0.
    void startNewSession();
    // Opening the wizard puts the draw back on the first level drawn.
    void returnToFirstLevel();
    // The per-level extras were changed while the draw runs (DrawEngineExtras.cpp).
    void levelExtrasChanged();
    // The control panel's start options take effect on the running draw.
    void setStoppedFlag(bool stopped) { m_state.stopped = stopped; }
    // The list file was edited and saved: the draw goes on with what it holds now.
    void reloadDrawList();
    void setKeyboardLock(bool locked);
    void fillAwardScreen(bool all);
    // The statistics line's prefix or unit (options().lblStarFirst, lblStarTwo) changed: the
    // line shows them now, while a level is being drawn.
    void statisticsWordsChanged();
    // The temporary-level dialog was confirmed: the draw switches to the level it describes
    // and comes back to the interrupted level after its last winner.
    void startTemporaryLevel();
    // The list editor closed in the prize draw: the level is the list as it is now.
    void prizeListEdited();

    const SessionState& state() const { return m_state; }
    const DrawOptions& options() const { return m_options; }
    DrawOptions& options() { return m_options; }
    const ProgramFolder& folder() const { return m_folder; }
    IniStore& settings() { return m_settings; }
    RandomGenerator& random() { return m_random; }
    // The draw record of this session (temporary levels note their events in it).
    DrawRecord& record() { return m_record; }

    // The results file of this session, as a path of this system.
    std::string resultsFilePath() const;
    // Writes the results list to it; false (reported) when it cannot be written.
    bool saveResults();

private:
    // Levels (DrawEngineLevels.cpp)
    void startSession();
    void loadLevel(int level);
    enum class AdvanceKind { BetweenPresses, InsidePress };
    void advanceLevel(AdvanceKind kind);
    void endDraw();
    void computeExclusionThreshold();
    bool levelQualifiesForRemoval() const;
    void removeEarlierWinnersByEnding(bool requireEntries);
    void scanPerLevelLists();
    void showLevelPicture(int level);
    void showLevelBackground(int level, bool orMainBackground);
    void showTipCaption(bool drawing);
    void showPrizePicture(int level, bool inPopup);
    bool loadOwnList(int level);
    void applyExclusionList(int level);
    void sizeRollingLabels();
    void restoreState();
    bool saveStateAtExit();

    // Resuming after a crash (DrawEngineResume.cpp)
    bool offerResume();
    void resumeFrom(const RecordReplay& replay, const std::string& recordPath);
    void noteState();
    void noteRemovedEarlierWinners();

    // Roll and keys (DrawEngine.cpp, DrawEngineKeys.cpp)
    void halt();
    void resume();
    void startRollDirectly();
    void showRollingLabels(int32_t count);
    void showRandomEntry(Label label);
    void setStatLine();
    void setLevelTexts(std::string level, std::string award);
    void keyDownAfterDraw(int key);
    void enterDesign(bool showInsideTexts);

    // Presses (DrawEnginePress.cpp)
    void press();
    void pressRegular();
    void pressMultiLine();
    bool checkCandidates(int32_t& count, bool& lastPress, bool regular);
    bool drawFromStoppedRoll(bool& lastPress);
    bool confirmPress(size_t drawn, size_t shown, bool lastPress);
    void closeLevelAfterPress();
    void pickWinners(int32_t count);
    void processStrikeOut(const std::vector<size_t>& struck);
    bool confirmOrUndo(size_t count, bool lastPress);
    void setRemaining(int32_t remaining);

    // Prize and picture draws (DrawEngineModes.cpp)
    void pressPrize();
    void pressPicture();
    void rollPicture();
    void setUpPictureArea();
    void recordPictureNames();
    std::string pictureName(std::string_view entry) const;
    std::string picturePath(std::string_view entry) const;

    // Temporary level (DrawEngineTemporary.cpp)
    bool returnFromTemporaryLevel();
    void restorePutAsideList();

    // Recording (DrawEngineResults.cpp)
    void recordPress();
    bool saveResultsOfPress(size_t winners);
    std::string resultsSuffix() const;
    std::string claimResultsFileName();
    std::string newResultsFileName() const;
    bool readCurrentListCount(size_t& count);
    bool saveDrawList();
    CloseDecision closeRequestAsked();

    // Messages of the program (GBK from UTF-8 source text).
    MessageAnswer message(std::string_view utf8Text, std::string_view utf8Caption, MessageButtons buttons,
                          MessageIcon icon, int defaultButton = 0);
    void reportError(const std::string& utf8Reason);

    IniStore& m_settings;
    ProgramFolder m_folder;
    DrawHost& m_host;
    Clock& m_clock;
    DrawOptions m_options;
    RandomGenerator m_random;
    SessionState m_state;
    // The pictures the picture draw's roll shows next, drawn ahead so they can be decoded
    // ahead; each with the entry it was drawn for, as the list changes under it.
    struct PlannedPicture {
        size_t index;
        std::string entry;
        uint64_t position;  // of the generator when it drew the index
    };
    std::vector<PlannedPicture> m_picturePlan;
    DrawRecord m_record;
};

}  // namespace lotavo
