#pragma once

#include "core/screen.h"

namespace trelvo {

class AppContext;

// The practice screen: one question at a time from a block of at most 100 rows of a practice table.
class Study final : public Screen {
    Q_OBJECT
public:
    explicit Study(AppContext& app);
    ~Study() override;

    void init(const QString& table_name, qint16 first_id, qint16 last_id);

private:
    AppContext& app_;
};

}  // namespace trelvo
