#pragma once

class QWidget;

namespace trelvo {

class AppContext;

// Once the main menu has painted, does in idle moments what the first opening of the next
// screens would otherwise pay for: the fonts and their glyphs, the styles of the controls, and the
// skin pictures of the unit list and the practice screen, the questions' pages of the bank.
// Nothing is shown or written; a file that cannot be read now still fails when it is really
// needed.
void warm_up_after_first_paint(AppContext& app, QWidget* main_menu);

}  // namespace trelvo
