#pragma once

namespace trelvo {

class AppContext;

// The screens form layers: core at the bottom, then the picture viewer and about screen (info),
// practice, the exam, and the main menu as the hub that opens them all. A screen includes only
// what lies below it; the way back up to the main menu is wired here, above every screen.
void install_navigation(AppContext& app);

}  // namespace trelvo
