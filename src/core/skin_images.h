#pragma once

#include <QPixmap>
#include <array>
#include <optional>

#include "core/car_type.h"

namespace trelvo {

class PictureLoader;

// The fourteen main-menu pictures kept for the program's life. A slot is filled by its first
// request and then handed out unchanged; a slot whose file is missing fails on every request.
class SkinImages final {
  public:
    enum Slot {
        title,
        about,
        exit,
        sequence,
        chapter,
        strong,
        error,
        special,
        exam,
        type_xiaoche,
        type_huoche,
        type_keche,
        type_motuoche,
        type_safe,
        slot_count
    };

    explicit SkinImages(PictureLoader& loader) : loader_(loader) {}

    QPixmap cached_picture(Slot slot);
    bool is_filled(Slot slot) const { return slots_[slot].has_value(); }

    static QString file_of(Slot slot);  // "imgs/title.jpg"
    static std::optional<Slot> category_slot(CarType code);

  private:
    PictureLoader& loader_;
    std::array<std::optional<QPixmap>, slot_count> slots_;
};

}  // namespace trelvo
