#include "store/StepGuard.h"

#include "platform/MessageBox.h"
#include "store/PersonStore.h"

namespace store {

StepGuard::Outcome StepGuard::Run(const std::function<bool(Error&)>& step) {
    for (;;) {
        Error error;
        if (step(error)) return Outcome::Done;
        lastErrorText_ = modAgeCalc::StoreErrorText(error);
        switch (platform::MsgBox(lastErrorText_, kStyle, platform::Translate("store", kTitle))) {
            case platform::MsgAnswer::Retry:
                continue;
            case platform::MsgAnswer::Ignore:
                unresolved_ = true;
                return Outcome::Ignored;
            default:  // Abort, and anything else a box might answer
                unresolved_ = true;
                return Outcome::Aborted;
        }
    }
}

}  // namespace store
