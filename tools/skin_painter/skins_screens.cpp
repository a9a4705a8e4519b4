// Screen backgrounds, panels, exam pages and dialogs, and the small design
// pictures. Coordinates are those of the screens' controls, so that the
// program's own labels and buttons land on calm areas.
#include <map>

#include "paint_kit.h"
#include "skins.h"

using namespace kit;

namespace {

const QSize kScreen(994, 676);
const QColor kCardBorder(0xc6, 0xd8, 0xed);
const QColor kRule(0xd0, 0xdd, 0xec);

// Light sky gradient, soft shapes, a thin accent at the top and a white
// footer strip where the screens keep their bottom buttons.
void screenBase(QPainter& p, const QSize& s, int footerTop) {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, s.width(), s.height());
    p.fillRect(all, vGradient(all, QColor(0xd3, 0xe5, 0xf7), QColor(0xf0, 0xf6, 0xfd)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(QPointF(s.width() - 90, 30), 210, 210);
    p.setBrush(QColor(255, 255, 255, 55));
    p.drawEllipse(QPointF(s.width() - 260, -60), 150, 150);
    p.setBrush(QColor(0x1f, 0x5f, 0xa8, 14));
    p.drawEllipse(QPointF(-40, footerTop - 40), 190, 190);
    const QRectF band(0, 0, s.width(), 5);
    QLinearGradient accent(band.topLeft(), band.topRight());
    accent.setColorAt(0, pal::blue);
    accent.setColorAt(1, pal::teal);
    p.fillRect(band, accent);
    const QRectF footer(0, footerTop, s.width(), s.height() - footerTop);
    p.fillRect(footer, pal::paper);
    p.setPen(QPen(kRule, 1));
    p.drawLine(QPointF(0, footerTop + 0.5), QPointF(s.width(), footerTop + 0.5));
}

void card(QPainter& p, const QRectF& r, qreal radius = 12) {
    softShadow(p, r, radius, 6);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kCardBorder, 1));
    p.setBrush(pal::paper);
    p.drawPath(rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), radius));
    p.restore();
}

void screenHeading(QPainter& p, const QString& text) {
    fittedText(p, QRectF(40, 18, 220, 32), text, song(28, true), pal::blueDeep,
               Qt::AlignLeft | Qt::AlignVCenter);
    p.fillRect(QRectF(41, 56, 44, 3), pal::teal);
    p.fillRect(QRectF(85, 56, 28, 3), QColor(0x1a, 0x94, 0x96, 90));
}

void footerNote(QPainter& p, const QSize& s) {
    fittedText(p, QRectF(s.width() - 190, s.height() - 26, 176, 16),
               QStringLiteral("仅供学习练习使用"), sans(12, false), QColor(0x8a, 0x9a, 0xad),
               Qt::AlignRight | Qt::AlignVCenter);
}

// A quiet road: grey-blue lane with white edge and centre dashes.
void road(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, vGradient(r, QColor(0xb9, 0xc8, 0xda), QColor(0xa9, 0xba, 0xcf)));
    p.setPen(QPen(QColor(255, 255, 255, 200), 2));
    p.drawLine(QPointF(r.left(), r.top() + 4), QPointF(r.right(), r.top() + 4));
    p.drawLine(QPointF(r.left(), r.bottom() - 4), QPointF(r.right(), r.bottom() - 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    for (qreal x = r.left() + 10; x < r.right(); x += 56)
        p.drawRect(QRectF(x, r.center().y() - 1.5, 30, 3));
    p.restore();
}

void paintMainMenu(QPainter& p, const QSize& s) {
    screenBase(p, s, 566);
    card(p, QRectF(50, 112, 204, 366));
    card(p, QRectF(288, 112, 482, 366));
    // Faint emblem in the empty part of the left card.
    p.save();
    p.setOpacity(0.09);
    icon(p, QRectF(82, 236, 140, 140), Icon::Wheel, pal::blue);
    p.restore();
    fittedText(p, QRectF(60, 402, 184, 20), QStringLiteral("安全驾驶  从学习开始"), song(16, true),
               QColor(0x9f, 0xb6, 0xd0), Qt::AlignCenter);
    // Free grid cell: a faint car keeps the panel balanced.
    p.save();
    p.setOpacity(0.10);
    vehicle(p, QRectF(322, 398, 150, 60), Vehicle::Car, pal::blue, Qt::transparent);
    p.restore();
    road(p, QRectF(0, 498, s.width(), 52));
    vehicle(p, QRectF(826, 502, 92, 44), Vehicle::Car, QColor(0x2f, 0x6d, 0xb5), Qt::transparent);
    vehicle(p, QRectF(150, 502, 92, 44), Vehicle::Bus, QColor(0x6f, 0x94, 0xbf), Qt::transparent);
    footerNote(p, s);
}

void paintSelectCar(QPainter& p, const QSize& s) {
    screenBase(p, s, 580);
    screenHeading(p, QStringLiteral("选择驾照类型"));
    fittedText(p, QRectF(41, 66, 200, 16), QStringLiteral("点击一种车型开始练习"), sans(13, false),
               pal::muted, Qt::AlignLeft | Qt::AlignVCenter);
    card(p, QRectF(254, 40, 487, 536));
    // Column of small pictograms on the left, very light.
    const Vehicle kinds[] = {Vehicle::Car, Vehicle::Truck, Vehicle::Bus, Vehicle::Motorcycle};
    p.save();
    p.setOpacity(0.13);
    for (int i = 0; i < 4; ++i)
        vehicle(p, QRectF(60, 150 + i * 90, 130, 56), kinds[i], pal::blue, Qt::transparent);
    p.restore();
    footerNote(p, s);
}

void paintAboutScreen(QPainter& p, const QSize& s) {
    screenBase(p, s, 580);
    screenHeading(p, QStringLiteral("关于软件"));
    softShadow(p, QRectF(112, 108, 759, 389), 12, 8);
}

// The about panel: labels are drawn over most of it, so only a soft fill, a
// thin frame and a discreet road motif in the bottom-right corner.
void paintAboutPanel(QPainter& p, const QSize& s, bool hover) {
    drawScreenPart(p, aboutScreen(p.device()->devicePixelRatioF()), QRect(QPoint(112, 108), s));
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(0, 0, s.width(), s.height()).adjusted(1, 1, -1, -1);
    const QPainterPath shape = rounded(r, 12);
    p.fillPath(shape, vGradient(r, hover ? QColor(0xff, 0xfd, 0xf8) : QColor(0xff, 0xff, 0xff),
                                hover ? QColor(0xfe, 0xf3, 0xe4) : QColor(0xea, 0xf2, 0xfb)));
    p.save();
    p.setClipPath(shape);
    // Road sweeping in from the corner, with a small car on it.
    QPainterPath lane;
    lane.moveTo(s.width() - 250, s.height() + 4);
    lane.cubicTo(s.width() - 150, s.height() - 60, s.width() - 90, s.height() - 70, s.width() + 4,
                 s.height() - 80);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(hover ? QColor(0xf3, 0xd9, 0xb4) : QColor(0xd3, 0xe1, 0xf1), 34, Qt::SolidLine,
                  Qt::FlatCap));
    p.drawPath(lane);
    p.setPen(QPen(QColor(255, 255, 255, 230), 2.5, Qt::CustomDashLine, Qt::FlatCap));
    QPen dash = p.pen();
    dash.setDashPattern({6, 5});
    p.setPen(dash);
    p.drawPath(lane);
    // The car rides on the lane, tilted with it.
    const qreal at = 0.72;
    const QPointF on = lane.pointAtPercent(at);
    p.translate(on);
    p.rotate(-lane.angleAtPercent(at));
    vehicle(p, QRectF(-31, -24, 62, 30), Vehicle::Car,
            hover ? QColor(0xe8, 0x9a, 0x40) : QColor(0x8f, 0xb0, 0xd8), Qt::transparent);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(hover ? pal::hoverBottom : kCardBorder.darker(108), hover ? 2.0 : 1.0));
    p.drawPath(rounded(hover ? r.adjusted(0.5, 0.5, -0.5, -0.5) : r, 12));
    if (!hover) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
        p.drawPath(rounded(r.adjusted(1.5, 1.5, -1.5, -1.5), 11));
    }
}

// A title band for dialogs and result cards, with a close mark.
void titleBand(QPainter& p, const QSize& s, int height, const QString& title, const QColor& top,
               const QColor& bottom, const QRectF& closeBox) {
    const QRectF band(0, 0, s.width(), height);
    p.fillRect(band, vGradient(band, top, bottom));
    p.fillRect(QRectF(0, height - 1, s.width(), 1), bottom.darker(125));
    fittedText(p, QRectF(14, 0, s.width() / 2.0, height), title, sans(16), Qt::white,
               Qt::AlignLeft | Qt::AlignVCenter, true);
    closeMark(p, closeBox, Qt::white);
}

void dialogFrame(QPainter& p, const QSize& s) {
    p.save();
    p.setPen(QPen(pal::blueBorder, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1));
    p.restore();
}

void numberedLine(QPainter& p, QPointF at, int n, const QString& text, const QFont& f,
                  qreal width) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::teal);
    p.drawEllipse(QRectF(at.x(), at.y() + 2, 18, 18));
    p.restore();
    fittedText(p, QRectF(at.x(), at.y() + 2, 18, 18), QString::number(n), sans(12), Qt::white);
    fittedText(p, QRectF(at.x() + 26, at.y(), width - 26, 22), text, f, pal::text,
               Qt::AlignLeft | Qt::AlignVCenter);
}

void silhouette(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, vGradient(r, QColor(0xee, 0xf1, 0xf5), QColor(0xdd, 0xe3, 0xea)));
    p.setClipRect(r);
    const qreal w = r.width(), h = r.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9b, 0xa7, 0xb4));
    p.drawEllipse(QPointF(r.left() + w / 2, r.top() + h * 0.37), w * 0.2, w * 0.22);
    QPainterPath body;
    body.moveTo(r.left() + w * 0.08, r.bottom() + 1);
    body.cubicTo(r.left() + w * 0.10, r.top() + h * 0.68, r.left() + w * 0.30, r.top() + h * 0.62,
                 r.left() + w / 2, r.top() + h * 0.62);
    body.cubicTo(r.left() + w * 0.70, r.top() + h * 0.62, r.left() + w * 0.90, r.top() + h * 0.68,
                 r.left() + w * 0.92, r.bottom() + 1);
    body.closeSubpath();
    p.drawPath(body);
    p.restore();
    p.save();
    p.setPen(QPen(QColor(0xa9, 0xb5, 0xc2), 1));
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

void panelTitle(QPainter& p, const QRectF& cardRect, const QString& title, Icon ic) {
    const QRectF bar(cardRect.left() + 1, cardRect.top() + 1, cardRect.width() - 2, 34);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip = rounded(cardRect.adjusted(1, 1, -1, -1), 11);
    p.setClipPath(clip);
    p.fillRect(bar, vGradient(bar, QColor(0xe9, 0xf2, 0xfc), QColor(0xd6, 0xe6, 0xf7)));
    p.fillRect(QRectF(bar.left(), bar.bottom(), bar.width(), 1), kCardBorder);
    p.restore();
    icon(p, QRectF(bar.left() + 14, bar.top() + 8, 18, 18), ic, pal::blue);
    fittedText(p, QRectF(bar.left() + 40, bar.top(), 200, bar.height()), title, sans(17),
               pal::blueDeep, Qt::AlignLeft | Qt::AlignVCenter);
}

void paintExamInit(QPainter& p, const QSize& s) {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, s.width(), s.height());
    p.fillRect(all, vGradient(all, QColor(0xe6, 0xef, 0xf9), QColor(0xf3, 0xf7, 0xfc)));
    const QRectF head(0, 0, s.width(), 72);
    p.fillRect(head, vGradient(head, pal::blueTop, pal::blueBottom));
    p.fillRect(QRectF(0, 72, s.width(), 3), pal::teal);
    const QFont hf = sans(30);
    const QString heading = QStringLiteral("机动车驾驶人理论考试系统");
    const qreal hw = textWidth(hf, heading);
    const qreal hx = (s.width() - hw - 46) / 2;
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 160), 1.5));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(QRectF(hx, 17, 38, 38));
    p.restore();
    icon(p, QRectF(hx + 7, 24, 24, 24), Icon::Wheel, Qt::white);
    fittedText(p, QRectF(hx + 48, 0, hw + 4, 72), heading, hf, Qt::white,
               Qt::AlignLeft | Qt::AlignVCenter, true);

    // Examinee information.
    const QRectF info(24, 94, 290, 322);
    card(p, info);
    panelTitle(p, info, QStringLiteral("考生信息"), Icon::Info);
    silhouette(p, QRectF(info.center().x() - 50, 140, 100, 122));
    const char* fields[] = {"考    号：", "姓    名：", "证件号码：", "考试车型：", "考试科目："};
    const QFont ff = sans(14, false);
    for (int i = 0; i < 5; ++i) {
        const qreal y = 276 + i * 27;
        fittedText(p, QRectF(44, y, 80, 20), QString::fromUtf8(fields[i]), ff, pal::muted,
                   Qt::AlignLeft | Qt::AlignVCenter);
        p.setPen(QPen(kRule, 1));
        p.drawLine(QPointF(122, y + 19.5), QPointF(294, y + 19.5));
    }

    // Rules of the examination room.
    const QRectF rules(334, 94, 443, 246);
    card(p, rules);
    panelTitle(p, rules, QStringLiteral("考场纪律"), Icon::Flag);
    const char* lines[] = {
        "考试开始后请独立答题，不得交谈、喧哗。",   "不得携带手机等电子设备和参考资料。",
        "不得替考、代考，不得偷看他人答题。",       "答题期间请勿离开座位，勿随意操作计算机。",
        "设备出现故障请举手示意，听从考试员安排。", "交卷后请按指引有序离开考场。",
    };
    for (int i = 0; i < 6; ++i)
        numberedLine(p, QPointF(352, 142 + i * 32), i + 1, QString::fromUtf8(lines[i]),
                     sans(15, false), 410);

    // Start strip: the real confirm button sits exactly on the drawn face.
    const QRectF start(334, 350, 443, 63);
    card(p, start, 10);
    const QFont pf = sans(14, false);
    fittedText(p, QRectF(354, 358, 150, 22), QStringLiteral("核对考生信息无误后，"), pf, pal::text,
               Qt::AlignLeft | Qt::AlignVCenter);
    fittedText(p, QRectF(354, 382, 150, 22), QStringLiteral("请点击确认开始考试"), pf, pal::text,
               Qt::AlignLeft | Qt::AlignVCenter);
    icon(p, QRectF(490, 372, 18, 18), Icon::Right, pal::hoverBottom);
    paintConfirmFace(p, QRectF(516, 366, 82, 31));
    fittedText(p, QRectF(612, 358, 150, 22), QStringLiteral("考试计时从确认后开始"),
               sans(13, false), pal::muted, Qt::AlignLeft | Qt::AlignVCenter);
    fittedText(p, QRectF(612, 382, 150, 22), QStringLiteral("请合理安排答题时间"), sans(13, false),
               pal::muted, Qt::AlignLeft | Qt::AlignVCenter);

    // Three notes about the paper.
    struct Note {
        Icon icon;
        const char* title;
        const char* text;
    };
    const Note notes[] = {
        {Icon::Sequence, "题型", "判断题、单项选择题和多项选择题"},
        {Icon::Exam, "合格标准", "满分 100 分，成绩 90 分及以上合格"},
        {Icon::Flag, "交卷", "交卷后立即显示本次考试成绩"},
    };
    for (int i = 0; i < 3; ++i) {
        const QRectF r(24 + i * 255, 436, 243, 130);
        card(p, r, 10);
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(
            vGradient(QRectF(r.left() + 16, r.top() + 16, 40, 40), pal::blueTop, pal::blueBottom));
        p.drawEllipse(QRectF(r.left() + 16, r.top() + 16, 40, 40));
        p.restore();
        icon(p, QRectF(r.left() + 25, r.top() + 25, 22, 22), notes[i].icon, Qt::white);
        fittedText(p, QRectF(r.left() + 68, r.top() + 20, r.width() - 80, 32),
                   QString::fromUtf8(notes[i].title), sans(18), pal::blueDeep,
                   Qt::AlignLeft | Qt::AlignVCenter);
        fittedText(p, QRectF(r.left() + 16, r.top() + 72, r.width() - 32, 40),
                   QString::fromUtf8(notes[i].text), sans(14, false), pal::text,
                   Qt::AlignLeft | Qt::AlignVCenter);
    }
    fittedText(p, QRectF(0, 578, s.width(), 24),
               QStringLiteral("本系统用于驾驶理论学习练习，模拟考试成绩仅供参考"), sans(12, false),
               QColor(0x8a, 0x9a, 0xad), Qt::AlignCenter);
}

// Result card; the program writes the score at (442, 136), 69 x 29, and puts
// a real close button at x 248..343, y 384..429.
void paintExamResult(QPainter& p, const QSize& s, bool pass) {
    p.setRenderHint(QPainter::Antialiasing);
    const QColor accent = pass ? pal::greenBottom : QColor(0xb8, 0x2e, 0x2e);
    const QColor accentTop = pass ? pal::greenTop : QColor(0xd9, 0x55, 0x4d);
    const QRectF all(0, 0, s.width(), s.height());
    p.fillRect(all, vGradient(all, QColor(0xff, 0xff, 0xff),
                              pass ? QColor(0xea, 0xf6, 0xea) : QColor(0xf1, 0xee, 0xee)));
    titleBand(p, s, 30, QStringLiteral("考试成绩"), accentTop, accent, QRectF(579, 8, 13, 13));

    // Badge.
    const QPointF c(140, 170);
    p.setPen(Qt::NoPen);
    p.setBrush(pass ? QColor(0x2a, 0x8c, 0x34, 30) : QColor(0x90, 0x90, 0x90, 30));
    p.drawEllipse(c, 88, 88);
    const QRectF disc(c.x() - 66, c.y() - 66, 132, 132);
    p.setBrush(vGradient(disc, accentTop, accent));
    p.drawEllipse(disc);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), 3));
    p.drawEllipse(disc.adjusted(7, 7, -7, -7));
    if (pass)
        checkMark(p, disc.adjusted(34, 38, -30, -36), Qt::white, 11);
    else
        crossMark(p, disc.adjusted(42, 42, -42, -42), Qt::white, 11);

    // Score line.
    const QFont sf = sans(22);
    fittedText(p, QRectF(250, 136, 188, 29), QStringLiteral("本次考试成绩："), sf, pal::text,
               Qt::AlignRight | Qt::AlignVCenter);
    fittedText(p, QRectF(518, 136, 40, 29), QStringLiteral("分"), sf, pal::text,
               Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(QPen(accent, 2));
    p.drawLine(QPointF(442, 169), QPointF(512, 169));

    const QString msg = pass ? QStringLiteral("恭喜您，考试合格！")
                             : QStringLiteral("很遗憾，考试不合格，请继续努力！");
    fittedText(p, QRectF(250, 192, 330, 36), msg, sans(26), accent,
               Qt::AlignLeft | Qt::AlignVCenter);
    const QFont nf = sans(15, false);
    fittedText(p, QRectF(252, 244, 320, 22), QStringLiteral("合格标准：满分 100 分，90 分及格"), nf,
               pal::muted, Qt::AlignLeft | Qt::AlignVCenter);
    fittedText(p, QRectF(252, 272, 320, 22),
               pass ? QStringLiteral("请保持良好状态，坚持安全文明驾驶。")
                    : QStringLiteral("建议回顾错题，巩固薄弱章节后再试。"),
               nf, pal::muted, Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(QPen(kRule, 1));
    p.drawLine(QPointF(30, 355.5), QPointF(s.width() - 30, 355.5));
    dialogFrame(p, s);
}

void paintCommitDialog(QPainter& p, const QSize& s) {
    p.setRenderHint(QPainter::Antialiasing);
    fillBackdrop(p, s, pal::paper);
    titleBand(p, s, 28, QStringLiteral("考试确认窗口"), pal::blueTop, pal::blueBottom,
              QRectF(579, 6, 15, 15));
    const QRectF disc(40, 76, 44, 44);
    p.setPen(Qt::NoPen);
    p.setBrush(vGradient(disc, pal::hoverTop, pal::hoverBottom));
    p.drawEllipse(disc);
    icon(p, disc.adjusted(9, 9, -9, -9), Icon::Info, Qt::white);
    fittedText(p, QRectF(100, 82, 300, 32), QStringLiteral("操作提示："), sans(22), pal::blueDeep,
               Qt::AlignLeft | Qt::AlignVCenter);
    const QFont lf = sans(17, false);
    fittedText(p, QRectF(100, 140, 470, 26),
               QStringLiteral("点击【确认交卷】，将提交考试成绩，结束本次考试；"), lf, pal::text,
               Qt::AlignLeft | Qt::AlignVCenter);
    fittedText(p, QRectF(100, 178, 470, 26),
               QStringLiteral("点击【继续考试】，将关闭本窗口，继续考试。"), lf, pal::text,
               Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(QPen(kRule, 1));
    p.drawLine(QPointF(30, 345.5), QPointF(s.width() - 30, 345.5));
    dialogFrame(p, s);
}

void paintErrorDialog(QPainter& p, const QSize& s) {
    p.setRenderHint(QPainter::Antialiasing);
    fillBackdrop(p, s, pal::paper);
    titleBand(p, s, 28, QStringLiteral("答题提示"), pal::blueTop, pal::blueBottom,
              QRectF(778, 6, 15, 15));
    fittedText(p, QRectF(250, 236, 176, 25), QStringLiteral("正确答案："), sans(20), pal::red,
               Qt::AlignRight | Qt::AlignVCenter);
    p.setPen(QPen(kRule, 1));
    p.drawLine(QPointF(40, 300.5), QPointF(s.width() - 40, 300.5));
    fittedText(p, QRectF(60, 388, s.width() - 120, 26),
               QStringLiteral("以上正确答案确认无误后点击“继续考试”按钮开始下一题答题。"),
               sans(17, false), pal::text, Qt::AlignCenter);
    p.setPen(QPen(kRule, 1));
    p.drawLine(QPointF(40, 524.5), QPointF(s.width() - 40, 524.5));
    const QFont cf = sans(16, false);
    fittedText(p, QRectF(200, 544, 134, 19), QStringLiteral("页面将在"), cf, pal::muted,
               Qt::AlignRight | Qt::AlignVCenter);
    fittedText(p, QRectF(352, 544, 300, 19), QStringLiteral("秒后自动关闭，回到考试主界面"), cf,
               pal::muted, Qt::AlignLeft | Qt::AlignVCenter);
    dialogFrame(p, s);
}

void judgeFace(QPainter& p, const QSize& s, bool yes) {
    fillBackdrop(p, s, pal::paper);
    tileFace(p, QRectF(0, 0, s.width(), s.height()), Look::Normal, 7);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal::blue, 1.5));
    p.drawRoundedRect(QRectF(4, 4, s.width() - 8, s.height() - 8), 5, 5);
    p.restore();
    const QRectF box(s.width() / 2.0 - 12, s.height() / 2.0 - 10, 24, 20);
    if (yes)
        checkMark(p, box, pal::blueDeep, 4);
    else
        crossMark(p, box.adjusted(3, 1, -3, -1), pal::blueDeep, 4);
}

void add(std::vector<Picture>& out, const char* file, Folder folder, Format format, QSize size,
         std::function<void(QPainter&, const QSize&)> paint) {
    out.push_back({QString::fromLatin1(file), folder, format, size, std::move(paint)});
}

}  // namespace

namespace {

const QImage& paintedScreen(std::map<qreal, QImage>& cache, qreal ratio,
                            void (*paint)(QPainter&, const QSize&)) {
    auto it = cache.find(ratio);
    if (it == cache.end()) {
        QImage i(kScreen * ratio, QImage::Format_RGB32);
        i.setDevicePixelRatio(ratio);
        i.fill(Qt::white);
        QPainter p(&i);
        paint(p, kScreen);
        p.end();
        it = cache.emplace(ratio, i).first;
    }
    return it->second;
}

}  // namespace

const QImage& mainMenuScreen(qreal ratio) {
    static std::map<qreal, QImage> cache;
    return paintedScreen(cache, ratio, paintMainMenu);
}

const QImage& aboutScreen(qreal ratio) {
    static std::map<qreal, QImage> cache;
    return paintedScreen(cache, ratio, paintAboutScreen);
}

void drawScreenPart(QPainter& p, const QImage& screen, const QRect& area) {
    const qreal k = screen.devicePixelRatio();
    p.drawImage(QRectF(QPointF(0, 0), area.size()), screen,
                QRectF(area.x() * k, area.y() * k, area.width() * k, area.height() * k));
}

void paintConfirmFace(QPainter& p, const QRectF& r) {
    buttonFace(p, r, Look::Normal, 5, 0.5);
    fittedText(p, r.adjusted(4, 2, -4, -2), QStringLiteral("确认"), sans(17), Qt::white,
               Qt::AlignCenter, true);
}

void addScreenPictures(std::vector<Picture>& out) {
    const auto copyOf = [](const QImage& (*screen)(qreal)) {
        return [screen](QPainter& p, const QSize&) {
            p.drawImage(0, 0, screen(p.device()->devicePixelRatioF()));
        };
    };
    add(out, "about.jpg", Folder::Imgs, Format::Jpg, {759, 389},
        [](QPainter& p, const QSize& s) { paintAboutPanel(p, s, false); });
    add(out, "about_move.jpg", Folder::Imgs, Format::Jpg, {759, 389},
        [](QPainter& p, const QSize& s) { paintAboutPanel(p, s, true); });
    add(out, "exam_init.jpg", Folder::Imgs, Format::Jpg, {801, 609}, paintExamInit);
    add(out, "exam_pass.jpg", Folder::Imgs, Format::Jpg, {601, 500},
        [](QPainter& p, const QSize& s) { paintExamResult(p, s, true); });
    add(out, "exam_pass_not.jpg", Folder::Imgs, Format::Jpg, {601, 500},
        [](QPainter& p, const QSize& s) { paintExamResult(p, s, false); });

    add(out, "main_control.jpg", Folder::Design, Format::Jpg, kScreen, copyOf(mainMenuScreen));
    add(out, "select_car.jpg", Folder::Design, Format::Jpg, kScreen, paintSelectCar);
    add(out, "about.jpg", Folder::Design, Format::Jpg, kScreen, copyOf(aboutScreen));
    add(out, "tick.png", Folder::Design, Format::PngAlpha, {18, 19},
        [](QPainter& p, const QSize& s) {
            checkMark(p, QRectF(1, 2, s.width() - 2, s.height() - 4), pal::greenBottom, 3.2);
        });
    add(out, "cross.png", Folder::Design, Format::PngAlpha, {20, 20},
        [](QPainter& p, const QSize& s) {
            crossMark(p, QRectF(3.5, 3.5, s.width() - 7, s.height() - 7), pal::red, 3.4);
        });
    add(out, "kaosheng.png", Folder::Design, Format::Png, {100, 122},
        [](QPainter& p, const QSize& s) { silhouette(p, QRectF(0, 0, s.width(), s.height())); });
    add(out, "judge_yes.png", Folder::Design, Format::Png, {53, 41},
        [](QPainter& p, const QSize& s) { judgeFace(p, s, true); });
    add(out, "judge_no.png", Folder::Design, Format::Png, {53, 41},
        [](QPainter& p, const QSize& s) { judgeFace(p, s, false); });
    add(out, "start_exam_face.png", Folder::Design, Format::Png, {82, 31},
        [](QPainter& p, const QSize& s) {
            fillBackdrop(p, s, pal::paper);
            paintConfirmFace(p, QRectF(0, 0, s.width(), s.height()));
        });
    add(out, "exam_dialog_commit.png", Folder::Design, Format::Png, {601, 500}, paintCommitDialog);
    add(out, "exam_dialog_error.png", Folder::Design, Format::Png, {800, 600}, paintErrorDialog);
}
