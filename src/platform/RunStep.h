#pragma once

namespace platform {

// Runs one step of a handler whose steps stand each on its own: a step that throws is
// skipped so that the handler can go on with the next one. True when the step completed.
template <typename Step>
bool RunStep(Step&& step) {
    try {
        step();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace platform
