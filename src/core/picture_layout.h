#pragma once

namespace trelvo {

// Sizes here are in twips.
struct PictureSize {
    double width = 0;
    double height = 0;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// The practice screen's picture box and the exam screen's.
inline constexpr PictureSize practice_picture_box{6240, 3400};
inline constexpr PictureSize exam_picture_box{8750, 3500};

// A picture at least as wide or as high as its box is scaled into it, keeping its proportions
// (fit_inside); smaller pictures keep their size.
bool is_large_for(PictureSize picture, PictureSize box);
PictureSize fit_into_box(PictureSize picture, PictureSize box);

// The enlarged viewer: the image size and the window's outer size for a picture opened from a
// screen whose picture box is `box`.
struct ViewerLayout {
    PictureSize image;
    PictureSize window;
    bool stretched = false;
};
ViewerLayout viewer_layout(PictureSize picture, PictureSize box);

}  // namespace trelvo
