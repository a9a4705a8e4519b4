// Buttons, answer keys and list tiles.
#include <optional>

#include "paint_kit.h"
#include "skins.h"

using namespace kit;

namespace {

// What lies behind a control: a plain colour or the painted screen it sits on.
struct Backdrop {
    QColor color = pal::paper;
    const QImage& (*screen)(qreal) = nullptr;
    QPoint at;
};

void paintBackdrop(QPainter& p, const QSize& s, const Backdrop& b) {
    if (b.screen)
        drawScreenPart(p, b.screen(p.device()->devicePixelRatioF()), QRect(b.at, s));
    else
        fillBackdrop(p, s, b.color);
}

const QImage& mainScreen(qreal ratio) {
    return mainMenuScreen(ratio);
}
// Every main-menu button stands on the white panel; the title, the category
// button and the feedback button have their own places.
const Backdrop onMenuPanel{pal::paper, &mainScreen, QPoint(312, 136)};
const Backdrop onMenuTitle{pal::paper, &mainScreen, QPoint(74, 40)};
const Backdrop onMenuCategory{pal::paper, &mainScreen, QPoint(74, 136)};
const Backdrop onMenuAbout{pal::paper, &mainScreen, QPoint(548, 596)};
const Backdrop onMenuFeedback{pal::paper, &mainScreen, QPoint(74, 603)};
const Backdrop onWhite{};

qreal radiusFor(const QSize& s) {
    return std::clamp<qreal>(s.height() / 5.5, 4, 9);
}

// Icon and label side by side, the pair centred on the face.
void labelButton(QPainter& p, const QSize& s, Look look, const Backdrop& back, const QString& text,
                 std::optional<Icon> ic, int fontPx) {
    paintBackdrop(p, s, back);
    const QRectF face(0, 0, s.width(), s.height());
    buttonFace(p, face, look, radiusFor(s));
    const QRectF inner = face.adjusted(6, 3, -6, -3);
    const qreal iconW = ic ? std::min<qreal>(20, std::round(s.height() * 0.46)) : 0;
    const qreal gap = ic ? std::clamp<qreal>(s.height() * 0.14, 4, 6) : 0;
    const QFont f =
        fitFont(sans(fontPx), text, QSizeF(inner.width() - iconW - gap, inner.height()));
    const qreal groupW = iconW + gap + textWidth(f, text);
    const qreal x0 = std::round(inner.center().x() - groupW / 2);
    if (ic) icon(p, QRectF(x0, face.center().y() - iconW / 2, iconW, iconW), *ic, Qt::white);
    fittedText(p, QRectF(x0 + iconW + gap, inner.top(), groupW - iconW - gap + 1, inner.height()),
               text, f, Qt::white, Qt::AlignLeft | Qt::AlignVCenter, true);
}

// The large main-menu buttons: an icon disc at the left, the label beside it.
void menuButton(QPainter& p, const QSize& s, Look look, const QString& text, Icon ic) {
    paintBackdrop(p, s, onMenuPanel);
    const QRectF face(0, 0, s.width(), s.height());
    buttonFace(p, face, look, radiusFor(s));
    const QPointF c(29, s.height() / 2.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.2));
    p.setBrush(QColor(255, 255, 255, 45));
    p.drawEllipse(c, 16, 16);
    p.restore();
    icon(p, QRectF(c.x() - 10.5, c.y() - 10.5, 21, 21), ic, Qt::white);
    fittedText(p, QRectF(52, 4, s.width() - 60, s.height() - 8), text, sans(22), Qt::white,
               Qt::AlignCenter, true);
}

// Category switch on the main menu: vehicle, category name and a small hint.
void typeButton(QPainter& p, const QSize& s, Look look, Vehicle v, const QString& name) {
    paintBackdrop(p, s, onMenuCategory);
    const QRectF face(0, 0, s.width(), s.height());
    buttonFace(p, face, look, radiusFor(s));
    vehicle(p, QRectF(9, 10, 42, s.height() - 20), v, Qt::white, Qt::transparent);
    fittedText(p, QRectF(55, 7, s.width() - 62, 19), name, sans(18), Qt::white, Qt::AlignCenter,
               true);
    const QColor hint = isHover(look) ? QColor(0xff, 0xf4, 0xe2) : QColor(0xd4, 0xe6, 0xfb);
    fittedText(p, QRectF(55, 31, s.width() - 62, 12), QStringLiteral("切换车型 ▸"), sans(12, false),
               hint, Qt::AlignCenter);
}

void titleWordmark(QPainter& p, const QSize& s) {
    paintBackdrop(p, s, onMenuTitle);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(1, 2, 31, 31);
    p.setPen(Qt::NoPen);
    p.setBrush(vGradient(disc, pal::blueTop, pal::blueBottom));
    p.drawEllipse(disc);
    p.restore();
    icon(p, disc.adjusted(5, 5, -5, -5), Icon::Wheel, Qt::white);
    fittedText(p, QRectF(37, 3, s.width() - 38, s.height() - 6), QStringLiteral("驾考理论训练"),
               sans(23), pal::blueDeep, Qt::AlignLeft | Qt::AlignVCenter);
}

// Answer keys of the practice screen. A chosen key is filled deep blue: it says "this is my
// answer" and nothing about right or wrong, which only the marks beside the answer field show.
void answerKey(QPainter& p, const QSize& s, Look look, const QString& glyph) {
    fillBackdrop(p, s, pal::paper);
    const QRectF face(0, 0, s.width(), s.height());
    const qreal radius = 16;
    QColor ink = pal::blueInk;
    if (isSelected(look)) {
        buttonFace(p, face, Look::Normal, radius);
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x0a, 0x24, 0x48, 70));  // a shade darker than a plain button
        p.drawPath(rounded(face.adjusted(3, 3, -3, -3), radius - 1));
        if (isHover(look)) {
            // Chosen and pointed at: the orange hover rim around the filled face.
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(pal::hoverTop, 2.5));
            p.drawPath(rounded(face.adjusted(5, 5, -5, -5), radius - 3));
        }
        p.restore();
        ink = Qt::white;
    } else {
        tileFace(p, face, look, radius);
        // A blue rim marks the key as pressable; hover turns it orange.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(isHover(look) ? pal::hoverBottom : pal::blue, 2.0));
        p.drawPath(rounded(face.adjusted(4, 4, -4, -4), radius - 2));
        p.restore();
        if (isHover(look)) ink = pal::hoverBorder;
    }
    const bool latin = glyph.at(0).unicode() < 0x80;
    fittedText(p, QRectF(8, 8, s.width() - 16, s.height() - 16), glyph, latin ? sans(42) : sans(36),
               ink, Qt::AlignCenter, isSelected(look));
}

void smallMark(QPainter& p, const QSize& s, bool check) {
    fillBackdrop(p, s, pal::paper);
    const QRectF box(s.width() / 2.0 - 9, s.height() / 2.0 - 8, 18, 16);
    if (check)
        checkMark(p, box.adjusted(0, 0, 0, 0), pal::blueDeep, 3.0);
    else
        crossMark(p, box.adjusted(2, 1, -2, -1), pal::blueDeep, 3.0);
}

// Category tile of the category selection screen; the program writes three
// labels from x 160, so that part stays a calm light fill.
void categoryTile(QPainter& p, const QSize& s, Look look, Vehicle v) {
    fillBackdrop(p, s, pal::paper);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(0, 0, s.width(), s.height()).adjusted(2.5, 2.5, -2.5, -2.5);
    const qreal radius = 9;
    const bool sel = isSelected(look), hov = isHover(look);
    if (hov)
        glowRing(p, r, radius, pal::glow, 2);
    else
        softShadow(p, r, radius, 2);

    QColor calm = QColor(0xf5, 0xf9, 0xfe);
    if (sel) calm = QColor(0xef, 0xf9, 0xef);
    if (hov) calm = QColor(0xff, 0xf8, 0xec);
    const QPainterPath shape = rounded(r, radius);
    p.fillPath(shape, calm);

    // Coloured panel with the pictogram.
    QColor top = pal::blueTop, bottom = pal::blueBottom;
    if (sel) {
        top = pal::greenTop;
        bottom = pal::greenBottom;
    } else if (hov) {
        top = pal::hoverTop;
        bottom = pal::hoverBottom;
    }
    const QRectF panel(r.left(), r.top(), 150 - r.left(), r.height());
    p.save();
    p.setClipPath(shape);
    p.fillRect(panel, vGradient(panel, top, bottom));
    QLinearGradient gloss(panel.topLeft(), QPointF(panel.left(), panel.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 70));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(panel.left(), panel.top(), panel.width(), panel.height() / 2), gloss);
    p.restore();
    p.setPen(QPen(QColor(255, 255, 255, 180), 1.0));
    p.drawLine(QPointF(150.5, r.top() + 1), QPointF(150.5, r.bottom() - 1));
    const QRectF pict = v == Vehicle::Safe ? QRectF(45, 12, 60, 60) : QRectF(17, 12, 116, 60);
    vehicle(p, pict, v, Qt::white, Qt::transparent);

    // Frame: thin blue normally, green when chosen, orange when pointed at.
    QColor frame = pal::tileBorder;
    qreal w = 1.0;
    if (sel) {
        frame = pal::greenBorder;
        w = 2.5;
    }
    if (hov) {
        frame = pal::hoverBottom;
        w = 2.5;
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(frame, w));
    p.drawPath(rounded(r, radius));
    p.restore();
    if (sel) checkBadge(p, QPointF(418, 30), 15);
}

// Unit of sequence practice: the program writes the unit number at (112, 11),
// a blue count at (76, 43) and a red count at (130, 43).
void unitTile(QPainter& p, const QSize& s, Look look) {
    fillBackdrop(p, s, pal::paper);
    const QRectF face(0, 0, s.width(), s.height());
    tileFace(p, face.adjusted(0, 0, 0, 1), look, 7);
    const QColor disc = isHover(look) ? pal::hoverBottom : pal::blue;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(QPointF(25, 21), 13, 13);
    p.restore();
    icon(p, QRectF(16.5, 12.5, 17, 17), Icon::Sequence, Qt::white);
    fittedText(p, QRectF(46, 11, 58, 22), QStringLiteral("单元"), song(22, true), pal::blueDeep,
               Qt::AlignRight | Qt::AlignVCenter);
    p.save();
    p.setPen(QPen(QColor(0x9d, 0xbb, 0xe0), 1.0, Qt::DotLine));
    p.drawLine(QPointF(12, 40.5), QPointF(s.width() - 12, 40.5));
    p.restore();
    // Twelve pixels at the least: the captions must stay readable beside the program's counts.
    const QFont small = sans(12, false);
    fittedText(p, QRectF(46, 43, 28, 13), QStringLiteral("题量"), small, pal::muted,
               Qt::AlignRight | Qt::AlignVCenter);
    fittedText(p, QRectF(100, 43, 28, 13), QStringLiteral("未做"), small, pal::muted,
               Qt::AlignRight | Qt::AlignVCenter);
}

// Chapter entry: number at (91, 6), description at (67, 50), total at
// (199, 19), unanswered at (270, 19).
void chapterTile(QPainter& p, const QSize& s, Look look) {
    fillBackdrop(p, s, pal::paper);
    const QRectF face(0, 0, s.width(), s.height());
    tileFace(p, face, look, 9);
    const QColor disc = isHover(look) ? pal::hoverBottom : pal::blue;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(vGradient(QRectF(12, 14, 42, 42), disc.lighter(125), disc));
    p.drawEllipse(QRectF(12, 14, 42, 42));
    p.restore();
    icon(p, QRectF(20, 22, 26, 26), Icon::Chapter, Qt::white);
    const QFont big = song(21, true);
    fittedText(p, QRectF(64, 8, 24, 24), QStringLiteral("第"), big, pal::blueDeep,
               Qt::AlignRight | Qt::AlignVCenter);
    fittedText(p, QRectF(115, 8, 24, 24), QStringLiteral("章"), big, pal::blueDeep,
               Qt::AlignLeft | Qt::AlignVCenter);
    const QFont small = sans(12, false);
    fittedText(p, QRectF(182, 21, 15, 12), QStringLiteral("共"), small, pal::muted,
               Qt::AlignRight | Qt::AlignVCenter);
    fittedText(p, QRectF(228, 21, 14, 12), QStringLiteral("题"), small, pal::muted,
               Qt::AlignLeft | Qt::AlignVCenter);
    fittedText(p, QRectF(243, 21, 25, 12), QStringLiteral("未做"), small, pal::red,
               Qt::AlignRight | Qt::AlignVCenter);
    p.save();
    p.setPen(QPen(QColor(0x9d, 0xbb, 0xe0), 1.0, Qt::DotLine));
    p.drawLine(QPointF(66, 44.5), QPointF(s.width() - 14, 44.5));
    p.restore();
}

// Special-topic entry: title at (101, 17), total at (52, 65), red at (125, 65).
void specialTile(QPainter& p, const QSize& s, Look look) {
    fillBackdrop(p, s, pal::paper);
    const QRectF face(0, 0, s.width(), s.height());
    tileFace(p, face, look, 10);
    const QColor disc = isHover(look) ? pal::hoverBottom : pal::teal;
    const QRectF d(26, 8, 44, 44);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(vGradient(d, disc.lighter(130), disc));
    p.drawEllipse(d);
    p.restore();
    icon(p, d.adjusted(10, 10, -10, -10), Icon::Special, Qt::white);
    p.save();
    p.setPen(QPen(QColor(0x9d, 0xbb, 0xe0), 1.0, Qt::DotLine));
    p.drawLine(QPointF(14, 58.5), QPointF(s.width() - 14, 58.5));
    p.restore();
    const QFont small = sans(12, false);
    fittedText(p, QRectF(34, 67, 15, 12), QStringLiteral("共"), small, pal::muted,
               Qt::AlignRight | Qt::AlignVCenter);
    fittedText(p, QRectF(84, 67, 14, 12), QStringLiteral("题"), small, pal::muted,
               Qt::AlignLeft | Qt::AlignVCenter);
    fittedText(p, QRectF(99, 67, 24, 12), QStringLiteral("未做"), small, pal::red,
               Qt::AlignRight | Qt::AlignVCenter);
}

// Adds name.jpg and name_move.jpg painted by `paint(look)`.
void addPair(std::vector<Picture>& out, const QString& base, QSize size,
             std::function<void(QPainter&, const QSize&, Look)> paint) {
    out.push_back({base + ".jpg", Folder::Imgs, Format::Jpg, size,
                   [paint](QPainter& p, const QSize& s) { paint(p, s, Look::Normal); }});
    out.push_back({base + "_move.jpg", Folder::Imgs, Format::Jpg, size,
                   [paint](QPainter& p, const QSize& s) { paint(p, s, Look::Hover); }});
}

}  // namespace

void addButtonSkins(std::vector<Picture>& out) {
    out.push_back(
        {QStringLiteral("title.jpg"), Folder::Imgs, Format::Jpg, {156, 35}, titleWordmark});

    struct Menu {
        const char* base;
        const char* text;
        Icon icon;
    };
    const Menu menus[] = {
        {"btn_sequence", "顺序练习", Icon::Sequence}, {"btn_chapter", "章节练习", Icon::Chapter},
        {"btn_special", "专项练习", Icon::Special},   {"btn_error", "错题练习", Icon::Error},
        {"btn_exam", "模拟考试", Icon::Exam},         {"btn_strong", "强化练习", Icon::Strong},
    };
    for (const Menu& m : menus) {
        const QString text = QString::fromUtf8(m.text);
        const Icon ic = m.icon;
        addPair(out, QString::fromLatin1(m.base), {169, 51},
                [text, ic](QPainter& p, const QSize& s, Look l) { menuButton(p, s, l, text, ic); });
    }

    struct Type {
        const char* prefix;
        const char* name;
        Vehicle v;
    };
    const Type types[] = {
        {"xiaoche", "小车类", Vehicle::Car}, {"huoche", "货车类", Vehicle::Truck},
        {"keche", "客车类", Vehicle::Bus},   {"motuoche", "摩托车类", Vehicle::Motorcycle},
        {"safe", "安全文明", Vehicle::Safe},
    };
    for (const Type& t : types) {
        const QString name = QString::fromUtf8(t.name);
        const Vehicle v = t.v;
        addPair(out, QStringLiteral("btn_type_") + QString::fromLatin1(t.prefix), {131, 51},
                [name, v](QPainter& p, const QSize& s, Look l) { typeButton(p, s, l, v, name); });

        const QString pre = QString::fromLatin1(t.prefix);
        const std::pair<const char*, Look> states[] = {
            {"select_car_not_selected_", Look::Normal},
            {"select_car_not_selected_move_", Look::Hover},
            {"select_car_selected_", Look::Selected},
            {"select_car_selected_move_", Look::SelectedHover},
        };
        for (const auto& [stem, look] : states) {
            const Look lk = look;
            out.push_back({QString::fromLatin1(stem) + pre + ".jpg",
                           Folder::Imgs,
                           Format::Jpg,
                           {447, 84},
                           [v, lk](QPainter& p, const QSize& s) { categoryTile(p, s, lk, v); }});
        }
    }

    struct Plain {
        const char* base;
        QSize size;
        const char* text;
        std::optional<Icon> icon;
        int px;
        const Backdrop* back;
    };
    const Plain plains[] = {
        {"btn_about", {109, 31}, "关于软件", Icon::Info, 15, &onMenuAbout},
        {"btn_exit", {117, 33}, "退出系统", Icon::Power, 16, &onWhite},
        {"qq", {81, 24}, "意见反馈", Icon::Chat, 13, &onMenuFeedback},
        {"btn_return", {117, 33}, "返回主页", Icon::Home, 16, &onWhite},
        {"btn_clean_record", {117, 33}, "清除记录", Icon::Reset, 16, &onWhite},
        {"btn_delete_error", {117, 33}, "删除错题", Icon::Trash, 16, &onWhite},
        {"btn_prev", {107, 51}, "上一题", Icon::Left, 19, &onWhite},
        {"btn_next", {107, 51}, "下一题", Icon::Right, 19, &onWhite},
        {"btn_set_error", {107, 53}, "设为错题", Icon::Flag, 18, &onWhite},
        {"btn_end", {107, 53}, "返回主页", Icon::Home, 18, &onWhite},
        {"btn_start_exam", {91, 29}, "开始考试", Icon::Pen, 14, &onWhite},
    };
    for (const Plain& b : plains) {
        const QString text = QString::fromUtf8(b.text);
        const std::optional<Icon> ic = b.icon;
        const int px = b.px;
        const Backdrop back = *b.back;
        addPair(out, QString::fromLatin1(b.base), b.size, [=](QPainter& p, const QSize& s, Look l) {
            labelButton(p, s, l, back, text, ic, px);
        });
    }

    addPair(out, QStringLiteral("unit_chapter"), {225, 57}, unitTile);
    addPair(out, QStringLiteral("select_chapter"), {394, 71}, chapterTile);
    addPair(out, QStringLiteral("select_special"), {240, 93}, specialTile);

    const std::pair<const char*, const char*> keys[] = {{"a", "A"}, {"b", "B"},  {"c", "C"},
                                                        {"d", "D"}, {"y", "对"}, {"n", "错"}};
    const std::pair<const char*, Look> keyStates[] = {{"", Look::Normal},
                                                      {"_select", Look::Selected},
                                                      {"_move", Look::Hover},
                                                      {"_select_move", Look::SelectedHover}};
    for (const auto& [letter, glyph] : keys)
        for (const auto& [suffix, look] : keyStates) {
            const QString g = QString::fromUtf8(glyph);
            const Look lk = look;
            out.push_back({QStringLiteral("btn_single_%1%2.jpg")
                               .arg(QString::fromLatin1(letter), QString::fromLatin1(suffix)),
                           Folder::Imgs,
                           Format::Jpg,
                           {73, 73},
                           [g, lk](QPainter& p, const QSize& s) { answerKey(p, s, lk, g); }});
        }

    out.push_back({QStringLiteral("answer_exam_right.jpg"),
                   Folder::Imgs,
                   Format::Jpg,
                   {35, 27},
                   [](QPainter& p, const QSize& s) { smallMark(p, s, true); }});
    out.push_back({QStringLiteral("answer_exam_error.jpg"),
                   Folder::Imgs,
                   Format::Jpg,
                   {35, 27},
                   [](QPainter& p, const QSize& s) { smallMark(p, s, false); }});

    out.push_back(
        {QStringLiteral("harrow.cur"), Folder::Imgs, Format::Cursor, {32, 32}, paintHandCursor});
}
