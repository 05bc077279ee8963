#pragma once

namespace tivora {

// Makes screen readers see the program's own widgets for what they are:
// the tab strip as a list of page tabs and the link labels as links, both
// with a press action. Idempotent; the widgets call it themselves.
void InstallAccessibleInterfaces();

} // namespace tivora
