#include "practice/tile_list.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>

#include "core/app_context.h"
#include "core/picture_box.h"
#include "core/screen.h"
#include "core/twips.h"

namespace trelvo {

namespace {

constexpr TileLabelSpec unit_labels[] = {
    {"label_unit", 0.5, 0.2, 855, 525, TileLabelColor::window_text, TileLabelFont::song_large},
    {"label_num", 0.34, 0.75, 675, 525, TileLabelColor::blue, TileLabelFont::screen},
    {"label_num_not", 0.58, 0.75, 675, 525, TileLabelColor::red, TileLabelFont::screen},
};

constexpr TileLabelSpec chapter_labels[] = {
    {"label_index", 0.23, 0.09, 225, 435, TileLabelColor::window_text,
     TileLabelFont::song_large_bold},
    {"lable_select_chapter", 0.17, 0.7, 4635, 255, TileLabelColor::blue, TileLabelFont::song_small},
    {"label_num_total", 0.505, 0.27, 375, 255, TileLabelColor::window_text, TileLabelFont::screen},
    {"label_num_not", 0.685, 0.27, 285, 195, TileLabelColor::red, TileLabelFont::screen},
};

constexpr TileLabelSpec special_labels[] = {
    {"label_title", 0.42, 0.18, 1905, 585, TileLabelColor::window_text,
     TileLabelFont::kai_large_bold},
    {"label_num_total", 0.215, 0.7, 345, 255, TileLabelColor::window_text, TileLabelFont::screen},
    {"label_num_not", 0.52, 0.7, 345, 255, TileLabelColor::red, TileLabelFont::screen},
};

constexpr TileListLayout unit_layout{
    .tile_name = "img_unit",
    .picture = "imgs/unit_chapter.jpg",
    .hover_picture = "imgs/unit_chapter_move.jpg",
    .left = 1110,
    .top = 390,
    .width = 3375,
    .height = 855,
    .columns = 3,
    .dx = 4600,
    .dy = 2300,
    .area_bottom = 9300,
    .hover = HoverStyle::unit_list,
    .labels = unit_labels,
};

constexpr TileListLayout chapter_layout{
    .tile_name = "img_select_chapter",
    .picture = "imgs/select_chapter.jpg",
    .hover_picture = "imgs/select_chapter_move.jpg",
    .left = 4830,
    .top = 1230,
    .width = 5910,
    .height = 1065,
    .columns = 1,
    .dx = 7300,
    .dy = 1800,
    .area_bottom = 9300,
    .hover = HoverStyle::selection,
    .labels = chapter_labels,
};

constexpr TileListLayout special_layout{
    .tile_name = "img_select_special",
    .picture = "imgs/select_special.jpg",
    .hover_picture = "imgs/select_special_move.jpg",
    .left = 960,
    .top = 570,
    .width = 3600,
    .height = 1395,
    .columns = 3,
    .dx = 4600,
    .dy = 2000,
    .area_bottom = 9210,
    .hover = HoverStyle::selection,
    .labels = special_labels,
};

QFont label_font(TileLabelFont font, const QFont& screen_font) {
    switch (font) {
        case TileLabelFont::song_large:
            return song_font(21.75);
        case TileLabelFont::song_large_bold:
            return song_font(21.75, true);
        case TileLabelFont::song_small:
            return song_font(10.5);
        case TileLabelFont::kai_large_bold:
            return kai_font(21.75, true);
        case TileLabelFont::screen:
            break;
    }
    return screen_font;
}

QColor label_color(TileLabelColor color, const QWidget* screen) {
    switch (color) {
        case TileLabelColor::blue:
            return QColor(0, 0, 255);
        case TileLabelColor::red:
            return QColor(255, 0, 0);
        case TileLabelColor::window_text:
            break;
    }
    return screen->palette().color(QPalette::WindowText);
}

QString element_name(const char* array, int i) {
    return QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i);
}

// Drawn over the tile the keyboard is on; the pointer goes through it to the tile.
class FocusRing final : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paint_focus_ring(p, rect());
    }
};

}  // namespace

const TileListLayout& unit_list_tiles() {
    return unit_layout;
}

TileListLayout chapter_list_tiles(CarType car_type) {
    TileListLayout layout = chapter_layout;
    if (car_type == 5) layout.columns = 2;
    return layout;
}

const TileListLayout& special_list_tiles() {
    return special_layout;
}

TileList::TileList(AppContext& app, const TileListLayout& layout, QWidget* screen)
    : QObject(screen), app_(app), layout_(layout), left_(layout.left), top_(layout.top) {
    setObjectName(QStringLiteral("tile_list"));
    area_ = new QScrollArea(screen);
    area_->setObjectName(QStringLiteral("tile_area"));
    area_->setFrameShape(QFrame::NoFrame);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setGeometry(twips_rect(0, 0, 14910, layout_.area_bottom));
    area_->setWidgetResizable(true);
    content_ = new QWidget;
    content_->setObjectName(QStringLiteral("tile_content"));
    area_->setWidget(content_);
    // The screen's own white shows through; nothing here paints a background.
    area_->viewport()->setAutoFillBackground(false);
    content_->setAutoFillBackground(false);
    content_->setMouseTracking(true);
    content_->installEventFilter(this);
    area_->lower();

    labels_.resize(qsizetype(layout_.labels.size()));
    tiles_.append(make_tile(0));
    for (int a = 0; a < int(layout_.labels.size()); ++a) labels_[a].append(make_label(a, 0));
    tiles_[0]->setGeometry(twips_rect(left_, top_, layout_.width, layout_.height));
    place_labels(0, layout_.width, layout_.height);
    fit_content();

    focus_ring_ = new FocusRing(content_);
    focus_ring_->setObjectName(QStringLiteral("tile_focus"));
    focus_ring_->setAttribute(Qt::WA_TransparentForMouseEvents);
    focus_ring_->hide();
    install_keys(screen);
}

void TileList::install_keys(QWidget* screen) {
    for (int key : {int(Qt::Key_Left), int(Qt::Key_Right), int(Qt::Key_Up), int(Qt::Key_Down)}) {
        auto* shortcut = new QShortcut(QKeySequence(key), screen);
        connect(shortcut, &QShortcut::activated, this, [this, key] { move_focus(key); });
    }
    for (QKeySequence open : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
                              QKeySequence(Qt::KeypadModifier | Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(open, screen);
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (focus_index_ >= 0 && focus_index_ < count_ && tiles_[focus_index_]->isVisible())
                emit opened(focus_index_);
        });
    }
    auto* back = new QShortcut(QKeySequence(Qt::Key_Escape), screen);
    connect(back, &QShortcut::activated, this, [this, screen] { app_.open_main_menu(screen); });
}

void TileList::move_focus(int key) {
    if (count_ == 0 || !tiles_[0]->isVisible()) return;
    const int c = layout_.columns;
    int next = focus_index_;
    if (focus_index_ < 0) {
        next = 0;
    } else if (key == Qt::Key_Left) {
        next = std::max(0, focus_index_ - 1);
    } else if (key == Qt::Key_Right) {
        next = std::min(count_ - 1, focus_index_ + 1);
    } else if (key == Qt::Key_Up) {
        if (focus_index_ - c >= 0) next = focus_index_ - c;
    } else if (key == Qt::Key_Down) {
        // Into a shorter last row: its last tile.
        if (focus_index_ + c < count_)
            next = focus_index_ + c;
        else if ((count_ - 1) / c > focus_index_ / c)
            next = count_ - 1;
    }
    focus_index_ = next;
    const QRect tile = tiles_[next]->geometry();
    focus_ring_->setGeometry(tile.adjusted(-3, -3, 3, 3));
    focus_ring_->raise();
    focus_ring_->show();
    area_->ensureWidgetVisible(tiles_[next], 0, px(300));
}

PictureBox* TileList::make_tile(int i) {
    auto* tile = new PictureBox(element_name(layout_.tile_name, i), content_);
    tile->set_stretch(false);
    tile->installEventFilter(this);
    connect(tile, &PictureBox::mouse_moved, this, [this, i] { hover_tile(i); });
    connect(tile, &PictureBox::clicked, this, [this, i] { emit opened(i); });
    return tile;
}

TextLabel* TileList::make_label(int array, int i) {
    const TileLabelSpec& s = layout_.labels[array];
    QWidget* screen = area_->parentWidget();
    auto* label = new TextLabel(element_name(s.name, i), content_);
    label->setFont(label_font(s.font, screen->font()));
    label->set_color(label_color(s.color, screen));
    label->installEventFilter(this);
    connect(label, &TextLabel::mouse_moved, this, [this, label] { hover_label(label); });
    connect(label, &TextLabel::clicked, this, [this, i] { emit opened(i); });
    return label;
}

QPointF TileList::tile_origin(int i) const {
    return QPointF(left_ + (i % layout_.columns) * layout_.dx,
                   top_ + (i / layout_.columns) * layout_.dy);
}

void TileList::place_labels(int i, double tile_width, double tile_height) {
    // Tile i's position and tile 0's size, in single precision as the layout rule has it.
    const QPointF origin = tile_origin(i);
    for (int a = 0; a < int(layout_.labels.size()); ++a) {
        const TileLabelSpec& s = layout_.labels[a];
        const float left = float(s.fx) * float(tile_width) + float(origin.x());
        const float top = float(s.fy) * float(tile_height) + float(origin.y());
        labels_[a][i]->setGeometry(twips_rect(left, top, s.width, s.height));
    }
}

void TileList::move_first_tile(int left, int top) {
    left_ = left;
    top_ = top;
    tiles_[0]->setGeometry(twips_rect(left_, top_, layout_.width, layout_.height));
    place_labels(0, layout_.width, layout_.height);
}

int TileList::label_array(const char* name) const {
    for (int a = 0; a < int(layout_.labels.size()); ++a)
        if (qstrcmp(layout_.labels[a].name, name) == 0) return a;
    return -1;
}

void TileList::set_columns(int columns) {
    Q_ASSERT(count_ == 0 && columns > 0);
    layout_.columns = columns;
}

void TileList::build(int n, const std::function<QString(int, int)>& caption) {
    Q_ASSERT(count_ == 0);
    if (n <= 0) {
        hide_entries();
        return;
    }
    count_ = n;
    set_tile_picture(0, false);
    const double tile_width = twips(tiles_[0]->width());
    const double tile_height = twips(tiles_[0]->height());
    place_labels(0, tile_width, tile_height);
    for (int a = 0; a < int(labels_.size()); ++a) labels_[a][0]->set_text(caption(a, 0));

    for (int i = 1; i < n; ++i) {
        PictureBox* tile = make_tile(i);
        tiles_.append(tile);
        tile->set_picture(tiles_[0]->picture(), tiles_[0]->picture_path());
        const QPointF origin = tile_origin(i);
        tile->move(px(origin.x()), px(origin.y()));
        tile->show();
        for (int a = 0; a < int(labels_.size()); ++a) labels_[a].append(make_label(a, i));
        place_labels(i, tile_width, tile_height);
        for (int a = 0; a < int(labels_.size()); ++a) {
            TextLabel* label = labels_[a][i];
            label->set_text(caption(a, i));
            label->raise();
            label->show();
        }
    }
    fit_content();
}

void TileList::fit_content() {
    // Room below the last row as much as above the first, so the last labels never touch the
    // buttons once scrolled into view.
    int bottom = 0;
    for (QWidget* child : content_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        bottom = std::max(bottom, child->geometry().bottom() + 1);
    content_->setMinimumHeight(bottom + px(top_));
}

void TileList::hide_entries() {
    focus_index_ = -1;
    focus_ring_->hide();
    for (PictureBox* tile : tiles_) tile->hide();
    for (const QList<TextLabel*>& array : labels_)
        for (TextLabel* label : array) label->hide();
}

void TileList::set_tile_picture(int i, bool hover) {
    const QString file = QLatin1String(hover ? layout_.hover_picture : layout_.picture);
    tiles_[i]->set_picture(app_.pictures().skin(file), file);
}

void TileList::hover_tile(int i) {
    if (layout_.hover == HoverStyle::unit_list) {
        set_tile_picture(hover_index_, false);
        tiles_[i]->setCursor(app_.pictures().hand_cursor());
    } else {
        tiles_[i]->setCursor(app_.pictures().hand_cursor());
        set_tile_picture(hover_index_, false);
    }
    set_tile_picture(i, true);
    hover_restored_ = false;
    hover_index_ = i;
}

void TileList::hover_label(TextLabel* label) {
    label->setCursor(app_.pictures().hand_cursor());
    hover_restored_ = false;
}

void TileList::restore_hovered_tile() {
    if (layout_.hover == HoverStyle::selection && hover_restored_) return;
    set_tile_picture(hover_index_, false);
    hover_restored_ = true;
}

bool TileList::eventFilter(QObject* watched, QEvent* event) {
    // Between the tiles is the screen's background, whose handler restores the pictures.
    if (watched == content_ && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        QWidget* screen = area_->parentWidget();
        QMouseEvent forwarded(
            QEvent::MouseMove, content_->mapTo(screen, move->position().toPoint()),
            move->globalPosition(), move->button(), move->buttons(), move->modifiers());
        QCoreApplication::sendEvent(screen, &forwarded);
        return true;
    }
    // Tiles and labels keep pointer events to themselves; the wheel still scrolls the list.
    if (watched != content_ && event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(area_->verticalScrollBar(), event);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

TextLabel* empty_list_note(QWidget* screen, const QString& text) {
    auto* note = new TextLabel(QStringLiteral("label_empty"), screen);
    note->setGeometry(twips_rect(1110, 3900, 12690, 900));
    note->setFont(song_font(12));
    note->set_color(QColor(0x60, 0x60, 0x60));
    note->set_alignment(Qt::AlignCenter);
    note->set_word_wrap(true);
    note->set_text(text);
    note->hide();
    return note;
}

}  // namespace trelvo
