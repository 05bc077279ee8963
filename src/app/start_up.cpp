#include "app/start_up.h"

#include "app/application.h"
#include "links/advert_draw.h"
#include "links/single_instance.h"
#include "links/update_reminder.h"

namespace tivora {

bool StartProgram(Platform& platform, Application& application, SingleInstanceGuard& instance,
                  double draw) {
    if (RefuseSecondInstance(platform, instance))
        return false;
    // Asked before any window shows, so the question stands alone.
    UpdateReminder(platform);
    frmMain* window = application.showMainWindow();
    // Drawn once per run; a main window made later by Back keeps the design
    // order, with the full-brand label in front.
    switch (DrawAdvert(draw)) {
    case AdvertLabel::CoBrand:
        window->bringCobrandToFront();
        break;
    case AdvertLabel::FullBrand:
        window->bringFullBrandToFront();
        break;
    case AdvertLabel::Unchanged:
        break;
    }
    return true;
}

} // namespace tivora
