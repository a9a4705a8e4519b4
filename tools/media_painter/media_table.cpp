#include "media_table.h"

namespace trelvo::media {

QList<PictureEntry> all_pictures() {
    QList<PictureEntry> all;
    all << sign_pictures() << marking_pictures() << hand_signal_pictures() << dashboard_pictures()
        << scene_pictures();
    return all;
}

QList<AnimationEntry> all_animations() {
    return road_animations();
}

}  // namespace trelvo::media
