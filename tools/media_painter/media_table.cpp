#include "media_table.h"

namespace trelvo::media {

QList<PictureSpec> all_pictures() {
    QList<PictureSpec> all;
    all << sign_pictures() << marking_pictures() << hand_signal_pictures() << dashboard_pictures()
        << scene_pictures();
    return all;
}

QList<AnimationSpec> all_animations() {
    return road_animations();
}

}  // namespace trelvo::media
