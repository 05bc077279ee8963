#pragma once

namespace tivora {

// Closes every shown top-level window, modal dialogs first, so each runs its
// own close handling, then ends the event loop even if a window refused to
// close. A window whose close calls back in here is not closed twice.
// Called before the event loop runs, the loop ends as soon as it starts.
void QuitApplication();

} // namespace tivora
