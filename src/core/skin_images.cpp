#include "core/skin_images.h"

#include "core/picture_loader.h"

namespace trelvo {

QString SkinImages::file_of(Slot slot) {
    static const char* const files[slot_count] = {"title.jpg",
                                                  "btn_about.jpg",
                                                  "btn_exit.jpg",
                                                  "btn_sequence.jpg",
                                                  "btn_chapter.jpg",
                                                  "btn_strong.jpg",
                                                  "btn_error.jpg",
                                                  "btn_special.jpg",
                                                  "btn_exam.jpg",
                                                  "btn_type_xiaoche.jpg",
                                                  "btn_type_huoche.jpg",
                                                  "btn_type_keche.jpg",
                                                  "btn_type_motuoche.jpg",
                                                  "btn_type_safe.jpg"};
    return QStringLiteral("imgs/") + QLatin1String(files[slot]);
}

std::optional<SkinImages::Slot> SkinImages::category_slot(CarType code) {
    switch (code) {
        case 0:
            return type_xiaoche;
        case 1:
            return type_huoche;
        case 2:
            return type_keche;
        case 3:
            return type_motuoche;
        case 5:
            return type_safe;
        default:
            return std::nullopt;
    }
}

QPixmap SkinImages::cached_picture(Slot slot) {
    if (!slots_[slot]) slots_[slot] = loader_.skin(file_of(slot));
    return *slots_[slot];
}

}  // namespace trelvo
