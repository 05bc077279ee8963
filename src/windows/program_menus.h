#pragma once

#include <functional>

class QAction;
class QMenuBar;
class QObject;

namespace tivora {

class Platform;

// The Help menu and the switched-off "Make Money Online" entry that the main
// window and the result window both carry. The web entries open their vendor
// pages through platform; About runs the window's own about action. Returns
// the "Make Money Online" entry.
QAction* AddHelpMenus(QMenuBar& bar, QObject& context, Platform& platform,
                      const std::function<void()>& about);

} // namespace tivora
