#include "app/RehearsalHost.h"

#include "app/RehearsalPictures.h"
#include "draw/Gbk.h"

#include <iostream>

namespace lotavo {

RehearsalHost::RehearsalHost(bool saveListAtClose, bool resume) : m_saveListAtClose(saveListAtClose), m_resume(resume)
{
    // As on the draw screen: one rolling label, the texts around it.
    m_visible.fill(true);
    for (int i = 1; i < kRollingLabels; ++i)
        m_visible[static_cast<size_t>(rollingLabel(i))] = false;
}

MessageAnswer RehearsalHost::showMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                                         MessageIcon icon, int)
{
    std::string shown = gbk::toUtf8(text);
    for (char& c : shown)
        if (c == '\r')
            c = '\n';
    std::cerr << "[" << gbk::toUtf8(caption) << "] " << shown << "\n";
    if (icon == MessageIcon::Warning || icon == MessageIcon::Error)
        ++m_problems;
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        // Automatic drawing is the rehearsal's own job.
        return MessageAnswer::Cancel;
    case MessageButtons::YesNo:
        if (icon == MessageIcon::Question) {
            // The only question with 是/否: whether to continue the draw that ended without its close.
            m_resumeOffered = true;
            std::cerr << "  -> " << (m_resume ? "是" : "否") << "\n";
            return m_resume ? MessageAnswer::Yes : MessageAnswer::No;
        }
        [[fallthrough]];
    case MessageButtons::YesNoCancel:
        std::cerr << "  -> " << (m_saveListAtClose ? "是" : "否") << "\n";
        return m_saveListAtClose ? MessageAnswer::Yes : MessageAnswer::No;
    }
    return MessageAnswer::Ok;
}

void RehearsalHost::setLabelText(Label, std::string_view) {}

void RehearsalHost::setLabelVisible(Label label, bool visible)
{
    m_visible[static_cast<size_t>(label)] = visible;
}

bool RehearsalHost::isLabelVisible(Label label) const
{
    return m_visible[static_cast<size_t>(label)];
}

// A picture the screen cannot show is reported once; the draw goes on as on the screen: the
// roll skips it, and as a winner it is recorded by its name.
bool RehearsalHost::showable(const std::string& path)
{
    auto known = m_showable.find(path);
    if (known != m_showable.end())
        return known->second;
    std::string reason;
    bool ok = canShowPicture(path, reason);
    if (!ok)
        std::cerr << "[提示] 图片无法显示,滚动时跳过: " << reason << "\n";
    m_showable.emplace(path, ok);
    return ok;
}

PictureShown RehearsalHost::showRollingPicture(const std::string& path)
{
    return showable(path) ? PictureShown::Shown : PictureShown::Undecodable;
}

void RehearsalHost::showAreaPicture(const std::string& path)
{
    if (!path.empty())
        showable(path);
}

}  // namespace lotavo
