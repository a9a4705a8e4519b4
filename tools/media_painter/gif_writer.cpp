#include "gif_writer.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

namespace trelvo::media {

namespace {

constexpr int max_colours = 256;
constexpr int max_lzw_bits = 12;
constexpr int max_lzw_codes = 1 << max_lzw_bits;

struct ColourCount {
    quint32 rgb;  // 0x00RRGGBB
    quint64 count;
};

int channel(quint32 rgb, int c) {
    return int((rgb >> (16 - 8 * c)) & 0xff);
}

// Frames as opaque 32-bit pixels, so that every pixel is read the same way.
QImage opaque(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

std::vector<ColourCount> histogram(const QList<GifFrame>& frames) {
    std::unordered_map<quint32, quint64> counts;
    for (const GifFrame& frame : frames) {
        const QImage image = opaque(frame.image);
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) ++counts[line[x] & 0xffffff];
        }
    }
    std::vector<ColourCount> result;
    result.reserve(counts.size());
    for (const auto& [rgb, count] : counts) result.push_back({rgb, count});
    // The hash order is not part of the output: sort so that the palette is reproducible.
    std::sort(result.begin(), result.end(),
              [](const ColourCount& a, const ColourCount& b) { return a.rgb < b.rgb; });
    return result;
}

struct Box {
    std::size_t begin;
    std::size_t end;
    double error = 0;  // weighted squared deviation from the mean, all channels
    int widest = 0;    // channel with the largest deviation
};

void measure(Box& box, const std::vector<ColourCount>& colours) {
    std::array<double, 3> sum{}, sum_sq{};
    double weight = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        const double w = double(colours[i].count);
        weight += w;
        for (int c = 0; c < 3; ++c) {
            const double v = channel(colours[i].rgb, c);
            sum[c] += w * v;
            sum_sq[c] += w * v * v;
        }
    }
    box.error = 0;
    double widest_error = -1;
    for (int c = 0; c < 3; ++c) {
        const double e = sum_sq[c] - sum[c] * sum[c] / weight;
        box.error += e;
        if (e > widest_error) {
            widest_error = e;
            box.widest = c;
        }
    }
}

QRgb representative(const Box& box, const std::vector<ColourCount>& colours) {
    quint64 weight = 0;
    std::size_t top = box.begin;
    std::array<double, 3> sum{};
    for (std::size_t i = box.begin; i < box.end; ++i) {
        weight += colours[i].count;
        if (colours[i].count > colours[top].count) top = i;
        for (int c = 0; c < 3; ++c) sum[c] += double(colours[i].count) * channel(colours[i].rgb, c);
    }
    if (2 * colours[top].count >= weight) return 0xff000000u | colours[top].rgb;
    auto mean = [&](int c) { return int(sum[c] / double(weight) + 0.5); };
    return qRgb(mean(0), mean(1), mean(2));
}

QVector<QRgb> median_cut(std::vector<ColourCount> colours) {
    std::vector<Box> boxes{{0, colours.size()}};
    measure(boxes[0], colours);
    while (int(boxes.size()) < max_colours) {
        int pick = -1;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            if (pick < 0 || boxes[i].error > boxes[pick].error) pick = i;
        }
        if (pick < 0) break;
        Box box = boxes[pick];
        const int c = box.widest;
        std::sort(colours.begin() + box.begin, colours.begin() + box.end,
                  [c](const ColourCount& a, const ColourCount& b) {
                      const int va = channel(a.rgb, c), vb = channel(b.rgb, c);
                      return va != vb ? va < vb : a.rgb < b.rgb;
                  });
        quint64 total = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) total += colours[i].count;
        quint64 running = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            running += colours[i].count;
            if (2 * running >= total) {
                split = i + 1;
                break;
            }
        }
        split = std::clamp(split, box.begin + 1, box.end - 1);
        Box low{box.begin, split}, high{split, box.end};
        measure(low, colours);
        measure(high, colours);
        boxes[pick] = low;
        boxes.push_back(high);
    }
    QVector<QRgb> palette;
    for (const Box& box : boxes) palette.push_back(representative(box, colours));
    return palette;
}

int distance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

// Writes LZW codes least significant bit first, as GIF wants them.
class BitSink {
  public:
    void put(int code, int width) {
        buffer_ |= quint32(code) << filled_;
        filled_ += width;
        while (filled_ >= 8) {
            bytes_.append(char(buffer_ & 0xff));
            buffer_ >>= 8;
            filled_ -= 8;
        }
    }
    QByteArray finish() {
        if (filled_ > 0) bytes_.append(char(buffer_ & 0xff));
        buffer_ = 0;
        filled_ = 0;
        return bytes_;
    }

  private:
    QByteArray bytes_;
    quint32 buffer_ = 0;
    int filled_ = 0;
};

// String table of the encoder: (prefix code, next index) -> code, open addressing.
class CodeTable {
  public:
    CodeTable() { clear(); }
    void clear() { keys_.fill(-1); }
    int find(int prefix, int index) const {
        const int key = (prefix << 8) | index;
        for (int slot = hash(key);; slot = (slot + 1) % size) {
            if (keys_[slot] == key) return codes_[slot];
            if (keys_[slot] < 0) return -1;
        }
    }
    void insert(int prefix, int index, int code) {
        const int key = (prefix << 8) | index;
        int slot = hash(key);
        while (keys_[slot] >= 0) slot = (slot + 1) % size;
        keys_[slot] = key;
        codes_[slot] = code;
    }

  private:
    static constexpr int size = 5003;  // prime, comfortably above 4096 entries
    static int hash(int key) { return int((quint32(key) * 2654435761u) % size); }
    std::array<int, size> keys_;
    std::array<int, size> codes_;
};

QByteArray lzw(const std::vector<quint8>& indices, int min_code_size) {
    const int clear_code = 1 << min_code_size;
    const int end_code = clear_code + 1;
    CodeTable table;
    BitSink sink;
    int width = min_code_size + 1;
    int next = end_code + 1;
    sink.put(clear_code, width);
    int prefix = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const int index = indices[i];
        const int found = table.find(prefix, index);
        if (found >= 0) {
            prefix = found;
            continue;
        }
        sink.put(prefix, width);
        if (next < max_lzw_codes) {
            table.insert(prefix, index, next++);
            // The decoder learns each entry one code later, so it widens its reads once the
            // entry numbered 2^width exists; the code we write next must already fit that width.
            if (next > (1 << width) && width < max_lzw_bits) ++width;
        } else {
            sink.put(clear_code, width);
            table.clear();
            width = min_code_size + 1;
            next = end_code + 1;
        }
        prefix = index;
    }
    sink.put(prefix, width);
    sink.put(end_code, width);
    return sink.finish();
}

void put_u16(QByteArray& out, int value) {
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void put_sub_blocks(QByteArray& out, const QByteArray& data) {
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - at);
        out.append(char(n));
        out.append(data.constData() + at, n);
    }
    out.append(char(0));
}

bool check_frames(const QList<GifFrame>& frames, QString* error) {
    auto fail = [error](const QString& text) {
        if (error) *error = text;
        return false;
    };
    if (frames.isEmpty()) return fail(QStringLiteral("动画没有帧"));
    const QSize size = frames.first().image.size();
    if (size.isEmpty() || size.width() > 0xffff || size.height() > 0xffff)
        return fail(QStringLiteral("动画尺寸无效：%1×%2").arg(size.width()).arg(size.height()));
    for (int i = 0; i < frames.size(); ++i) {
        if (frames[i].image.size() != size)
            return fail(QStringLiteral("第%1帧的尺寸与第1帧不同").arg(i + 1));
        if (frames[i].delay_cs < 0 || frames[i].delay_cs > 0xffff)
            return fail(QStringLiteral("第%1帧的延时无效：%2").arg(i + 1).arg(frames[i].delay_cs));
    }
    return true;
}

}  // namespace

QVector<QRgb> build_palette(const QList<GifFrame>& frames) {
    std::vector<ColourCount> colours = histogram(frames);
    if (colours.size() <= std::size_t(max_colours)) {
        QVector<QRgb> palette;
        for (const ColourCount& c : colours) palette.push_back(0xff000000u | c.rgb);
        return palette;
    }
    return median_cut(std::move(colours));
}

QByteArray encode_gif(const QList<GifFrame>& frames, QString* error) {
    if (!check_frames(frames, error)) return {};
    const QSize size = frames.first().image.size();

    QVector<QRgb> palette = build_palette(frames);
    int table_bits = 1;  // the colour table holds 2^table_bits entries, at least 2
    while ((1 << table_bits) < palette.size()) ++table_bits;
    std::unordered_map<quint32, quint8> index_of;
    auto lookup = [&](quint32 rgb) {
        const auto it = index_of.find(rgb);
        if (it != index_of.end()) return it->second;
        int best = 0;
        for (int i = 1; i < palette.size(); ++i)
            if (distance(palette[i], rgb) < distance(palette[best], rgb)) best = i;
        return index_of[rgb] = quint8(best);
    };
    for (int i = 0; i < palette.size(); ++i) index_of.emplace(palette[i] & 0xffffff, quint8(i));
    palette.resize(1 << table_bits, qRgb(0, 0, 0));

    QByteArray out("GIF89a");
    put_u16(out, size.width());
    put_u16(out, size.height());
    out.append(char(0x80 | 0x70 | (table_bits - 1)));  // global table, 8-bit colour resolution
    out.append(char(0));                               // background colour index
    out.append(char(0));                               // square pixels
    for (QRgb c : palette) {
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append("\x21\xff\x0bNETSCAPE2.0\x03\x01", 16);
    put_u16(out, 0);  // loop forever
    out.append(char(0));

    const int min_code_size = std::max(2, table_bits);
    std::vector<quint8> indices(std::size_t(size.width()) * std::size_t(size.height()));
    for (const GifFrame& frame : frames) {
        const QImage image = opaque(frame.image);
        std::size_t at = 0;
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) indices[at++] = lookup(line[x] & 0xffffff);
        }
        out.append("\x21\xf9\x04", 3);
        out.append(char(1 << 2));  // disposal: leave the frame in place; no transparency
        put_u16(out, frame.delay_cs);
        out.append(char(0));
        out.append(char(0));

        out.append(char(0x2c));
        put_u16(out, 0);
        put_u16(out, 0);
        put_u16(out, size.width());
        put_u16(out, size.height());
        out.append(char(0));  // no local table, not interlaced
        out.append(char(min_code_size));
        put_sub_blocks(out, lzw(indices, min_code_size));
    }
    out.append(char(0x3b));
    return out;
}

bool write_gif(const QString& path, const QList<GifFrame>& frames, QString* error) {
    const QByteArray bytes = encode_gif(frames, error);
    if (bytes.isEmpty()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) *error = QStringLiteral("无法写入 %1：%2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace trelvo::media
