#pragma once

#include "draw/DrawList.h"
#include "draw/ListFile.h"

#include <cstdint>
#include <string>

namespace lotavo {

// The state of one pass through the prize levels, owned by the engine for the whole run.
struct SessionState {
    int currentLevel = 0;  // N down to 1; 0 once the draw is over
    int32_t levelTotal = 0;
    int32_t levelDrawn = 0;
    int32_t levelRemaining = 0;
    int32_t perPress = 1;
    size_t currentIndex = 0;
    int serialCounter = 0;

    std::string currentListFile;   // path of this system the draw list was last loaded from
    std::string resultsFileName;   // GBK, e.g. 09日14时05分中奖名单.txt
    bool resultsFileClaimed = false;  // this session has written (or restored) its results file

    bool stopped = false;
    bool keysEnabled = true;
    bool keysUnlocked = true;
    bool design = false;
    bool temporaryLevel = false;
    bool temporaryListPutAside = false;  // the interrupted level's list waits in List/sy.txt
    bool levelDone = false;
    bool struckOut = false;
    bool multiList = false;
    bool exclusionEnabled = false;
    int exclusionThreshold = 0;
    bool drawOver = false;      // the end-of-draw key handling is installed
    bool rollTimerOn = false;
    bool pauseShown = false;

    std::string levelCaption;   // the texts lblLevel and lblAward show
    std::string awardCaption;

    DrawList drawList;
    EntryList pressList;        // display lines of the latest press
    EntryList pressRecord;      // the same winners as drawn, until recorded
    EntryList results;
    EntryList levelList;
    EntryList winners;
};

}  // namespace lotavo
