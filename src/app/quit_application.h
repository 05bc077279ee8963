#pragma once

namespace tivora {

// Ending the program: run() closes every shown top-level window, modal
// dialogs first, so each runs its own close handling, then ends the event
// loop even if a window refused to close. A window whose close calls back
// into the same object's run() is not closed twice. Run before the event
// loop starts, it ends the loop as soon as it starts.
class QuitApplication final {
public:
    void run();
    bool running() const { return running_; }

private:
    bool running_ = false;
};

} // namespace tivora
