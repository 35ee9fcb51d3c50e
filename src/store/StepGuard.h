#pragma once

#include <functional>
#include <string>

#include "platform/MessageBox.h"
#include "platform/Translate.h"
#include "store/Error.h"

namespace store {

// Runs the guarded steps of one store routine: a failed step is shown in the
// Abort/Retry/Ignore dialog and the answer decides whether it runs again, is passed
// over or ends the routine. It keeps the outcome the routine reports.
class StepGuard {
public:
    enum class Outcome { Done, Ignored, Aborted };

    static constexpr const char* kTitle = MARROWTIDE_TRANSLATE_NOOP("store", "An Error Occured!");
    static constexpr platform::MsgStyle kStyle = platform::Buttons::AbortRetryIgnore |
                                                 platform::Icon::Exclamation |
                                                 platform::DefaultButton::Second;

    Outcome Run(const std::function<bool(Error&)>& step);

    // The routine's result: empty when every failure met was retried until the step
    // succeeded; else the store error text of the last failure. A retried success
    // must read as success, or the caller keeps its editor open and the user's
    // natural second try stores the person twice.
    std::string Result() const { return unresolved_ ? lastErrorText_ : std::string(); }

private:
    std::string lastErrorText_;
    bool unresolved_ = false;
};

}  // namespace store
