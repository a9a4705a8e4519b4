#include "app/termination.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>

#include "core/screen.h"

namespace trelvo {

namespace {

int signal_pipe[2] = {-1, -1};
bool requested = false;

// Only async-signal-safe calls here: one byte down the pipe, read back by the event loop.
void on_signal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signal_pipe[0], &byte, 1);
    errno = saved;
}

}  // namespace

void on_termination_signal(std::function<void()> action) {
    if (signal_pipe[0] < 0 &&
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signal_pipe) != 0)
        return;
    auto* notifier =
        new QSocketNotifier(signal_pipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [action] {
        char bytes[16];
        while (::read(signal_pipe[1], bytes, sizeof bytes) > 0) {
        }
        requested = true;
        action();
    });
    struct sigaction sa {};
    sa.sa_handler = on_signal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(sig, &sa, nullptr);
}

bool termination_requested() {
    return requested;
}

void end_on_termination(const std::function<void()>& quit) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* screen = qobject_cast<Screen*>(w)) screen->save_before_the_end();
    }
    quit();
}

}  // namespace trelvo
