#include "core/car_type.h"

#include "core/app_error.h"

namespace trelvo {

namespace {

CarType current_car_type = 0;

QString table_of_current(const char* suffix) {
    const QString prefix = table_prefix(current_car_type);
    return prefix.isEmpty() ? QString() : prefix + QLatin1String(suffix);
}

}  // namespace

CarType get_car_type() {
    return current_car_type;
}
void set_car_type(CarType code) {
    current_car_type = code;
}

QString table_prefix(CarType code) {
    switch (code) {
        case 0:
            return QStringLiteral("xiaoche");
        case 1:
            return QStringLiteral("huoche");
        case 2:
            return QStringLiteral("keche");
        case 3:
            return QStringLiteral("motuoche");
        case 5:
            return QStringLiteral("safe");
        default:
            return {};
    }
}

QString car_type_name(CarType code) {
    switch (code) {
        case 0:
            return QStringLiteral("小车类");
        case 1:
            return QStringLiteral("货车类");
        case 2:
            return QStringLiteral("客车类");
        case 3:
            return QStringLiteral("摩托车类");
        case 5:
            return QStringLiteral("安全文明驾驶常识类");
        default:
            return {};
    }
}

QString car_type_name() {
    return car_type_name(current_car_type);
}
QString sequence_table_name() {
    return table_of_current("_sequence");
}
QString chapter_list_table_name() {
    return table_of_current("_chapter");
}
QString special_list_table_name() {
    return table_of_current("_special");
}
QString error_table_name() {
    return table_of_current("_error");
}

QString chapter_caption(qint16 index) {
    if (index < 0) return {};
    return QStringLiteral("第%1章节").arg(int(index) + 1);
}

QString unit_caption(qint16 index) {
    const qint16 number = checked_int16(qlonglong(index) + 1, QStringLiteral("单元序号"));
    return QStringLiteral("第%1单元").arg(number);
}

QString product_title() {
    return QStringLiteral(" Trelvo驾考软件 v2013.03");
}

}  // namespace trelvo
