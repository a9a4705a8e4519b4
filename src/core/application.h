#pragma once

#include <QApplication>

namespace trelvo {

// The application object: the one place where a run-time failure raised inside any event handler
// is caught and reported before the program ends.
class TrelvoApplication final : public QApplication {
  public:
    TrelvoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Fonts and the compiled-in design pictures; every program (and test) that shows screens calls it.
void init_screens();

}  // namespace trelvo
