#pragma once

#include <string_view>

namespace corvide {

// Default is the plain beep; Information and Exclamation the system's
// sounds of those names.
enum class CSound { Default, Information, Exclamation };

// The sounds and the status bar, on the user-interface thread.
class CUserFeedback {
public:
    virtual ~CUserFeedback() = default;
    virtual void beep(CSound sound) = 0;
    virtual void showStatus(std::string_view text) = 0;
};

} // namespace corvide
