// Key handling of the draw screen: the start/stop key, pause, unlock, design mode and the
// keys that open other windows.
#include "draw/DrawEngine.h"

#include "draw/DisplayText.h"
#include "draw/Gbk.h"
#include "main/settings/IniStore.h"

#include <algorithm>

namespace lotavo {

void DrawEngine::keyDown(int key)
{
    if (m_state.drawOver) {
        keyDownAfterDraw(key);
        return;
    }
    const KeyOptions& keys = m_options.keys;
    SessionState& st = m_state;
    if (!st.keysEnabled)
        return;

    if (key == vk::Control && !st.design)
        enterDesign(true);

    bool startStop = key == keys.space1;
    bool haltingMode = m_options.mode == 2 || m_options.mode == 4;
    if (haltingMode && st.temporaryLevel) {
        if (m_options.mode == 2)
            showRollingLabels(std::min(st.levelRemaining, st.perPress));
        if (st.levelTotal == st.levelDrawn && !returnFromTemporaryLevel())
            return;
    }
    if (haltingMode && !st.design && !st.temporaryLevel && startStop && st.keysUnlocked) {
        sizeRollingLabels();
        if (st.currentLevel == 0)
            return;
        if (m_options.mode == 2)
            showRollingLabels(std::min(st.levelRemaining, st.perPress));
        if (st.levelDone) {
            advanceLevel(AdvanceKind::BetweenPresses);
            st.levelDone = false;
            removeEarlierWinnersByEnding(false);
        }
    }

    if (key == keys.allKey && m_settings.readBool("Option", "AllKeyOpen", false)) {
        st.keysUnlocked = true;
        st.stopped = false;
        resume();
        return;
    }
    if (key == keys.pauseKey) {
        togglePause();
        return;
    }
    if (st.keysUnlocked && startStop && !st.design) {
        if (st.pauseShown)
            return;
        if (st.stopped) {
            st.stopped = false;
            resume();
            return;
        }
        m_host.setLabelVisible(Label::Hint, false);
        if (st.levelDrawn == 0)
            st.levelList.clear();
        press();
    }
    // The prize draw comes back like the regular draw, right after the last winner.
    bool rollingMode = m_options.mode == 1 || m_options.mode == 3;
    if (rollingMode && st.temporaryLevel && st.levelTotal == st.levelDrawn && !returnFromTemporaryLevel())
        return;

    if (key == keys.awardScreenKeyS)
        fillAwardScreen(true);
    if (key == keys.fullScreen)
        m_host.toggleFullScreen();
    if (key == vk::End)
        fillAwardScreen(false);
    if (key == keys.hotkey1)
        m_host.launch(gbk::toUtf8(m_settings.readString("Launcher", "Program1", "")),
                      gbk::toUtf8(m_settings.readString("Launcher", "params1", "")));
    if (key == keys.hotkey2)
        m_host.launchSlideShow(gbk::toUtf8(m_settings.readString("Launcher", "Program2", "")),
                               gbk::toUtf8(m_settings.readString("Launcher", "params2", "/s")));

    if (m_options.stepToStep && (m_options.mode == 1 || m_options.mode == 3) && startStop && st.keysUnlocked) {
        if (!st.stopped && m_options.mode == 1)
            m_host.setLabelText(Label::GdArea1, "");
        st.stopped = true;
        halt();
    }

    st.keysEnabled = (m_options.mode == 2 || m_options.mode == 4) && m_options.affirmOne;
}

void DrawEngine::keyUp(int key)
{
    m_state.keysEnabled = true;
    if (key != vk::Control)
        return;
    bool wasDesign = m_state.design;
    m_state.design = false;
    if (wasDesign)
        m_host.leaveDesignMode();
    resume();
    if (wasDesign && m_options.mode == 2 && m_state.currentLevel != 0)
        m_host.saveRollingLabelPositions(m_state.currentLevel);
}

void DrawEngine::keyDownAfterDraw(int key)
{
    const KeyOptions& keys = m_options.keys;
    if (key == keys.pauseKey)
        togglePause();
    if (key == vk::Control && !m_state.design)
        enterDesign(false);
    if (key == vk::End)
        fillAwardScreen(false);
    if (key == keys.fullScreen)
        m_host.toggleFullScreen();
    if (key == keys.awardScreenKeyS)
        fillAwardScreen(true);
    if (key == keys.space1)
        message("所有奖项已全部抽取完毕", "提示", MessageButtons::Ok, MessageIcon::Information);
}

void DrawEngine::setKeyboardLock(bool locked)
{
    m_options.allKeyOpen = locked;
    m_state.keysUnlocked = !locked;
    if (locked)
        m_state.stopped = true;
}

void DrawEngine::enterDesign(bool showInsideTexts)
{
    m_state.design = true;
    m_host.enterDesignMode(showInsideTexts);
    halt();
}

}  // namespace lotavo
