#include "practice/study.h"

#include "core/app_context.h"

namespace trelvo {

Study::Study(AppContext& app) : Screen(QStringLiteral("study")), app_(app) {}
Study::~Study() = default;

void Study::init(const QString&, qint16, qint16) {}

}  // namespace trelvo
