#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

#include "core/message.h"
#include "core/picture_loader.h"
#include "core/question_bank.h"
#include "core/skin_images.h"
#include "core/ticker.h"

namespace trelvo {

// What every screen shares: the program folder, the question bank opened in it, the picture
// loader with its caches, and the seams to the desktop that tests replace.
class AppContext final {
  public:
    explicit AppContext(QString program_folder);

    const QString& folder() const { return folder_; }
    QuestionBank& bank() { return bank_; }
    PictureLoader& pictures() { return pictures_; }
    SkinImages& skins() { return skins_; }

    // Hands an address to the desktop (browser, mail or messenger); the result is not relied on.
    std::function<bool(const QUrl&)> open_url;
    // Ends the program at once (the exit buttons).
    std::function<void()> end_program;
    // Opens a new main menu and closes the opener. The screens below the main menu reach it only
    // through here; the application layer wires it (app/navigation.h).
    std::function<void(QWidget* opener)> open_main_menu;
    // Makes the screens' timers (the short confirmation notes, the exam clock).
    TickerFactory make_ticker;
    // Every message box goes through here, so that tests answer them.
    MessagePresenter show_message;

    // Writes the learner's progress. A write that fails keeps everything in memory: the learner is
    // told the file and the cause and chooses 重试 or 取消. True once written, false when the
    // learner gave up; `what` names the write ("保存答题记录").
    bool save(QWidget* parent, const QString& what, const std::function<void()>& write);

    // Said once at start when the bank can be read but not written: practice still runs, but
    // nothing can be kept.
    void warn_when_read_only(QWidget* parent);

  private:
    QString folder_;
    QuestionBank bank_;
    PictureLoader pictures_;
    SkinImages skins_;
};

// The maker's addresses, kept in this one place. The web address is the user guide shipped in
// the program folder, a page every learner has.
QUrl feedback_address();
QUrl web_address(const QString& program_folder);

// The address as a learner would type or paste it: the mail address itself for mailto.
QString address_text(const QUrl& url);

// Hands a web (http, https), mail or local-file address to the desktop; anything else is refused.
// Whatever goes wrong (no address, a file that is missing, no program to open it) is told in a
// message over parent that shows the address to copy; it never stops the program.
// `what` names the address in that message ("使用说明", "意见反馈邮箱").
void open_address(AppContext& app, QWidget* parent, const QUrl& url, const QString& what);

}  // namespace trelvo
