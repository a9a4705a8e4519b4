#include "app/navigation.h"

#include "core/app_context.h"
#include "core/screen.h"
#include "menu/main_control.h"

namespace trelvo {

void install_navigation(AppContext& app) {
    app.open_main_menu = [&app](QWidget* opener) { open_screen(opener, new MainControl(app)); };
}

}  // namespace trelvo
