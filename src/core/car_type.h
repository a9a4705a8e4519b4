#pragma once

#include <QString>
#include <array>

namespace trelvo {

// Licence category code: 0 small car, 1 truck, 2 bus, 3 motorcycle, 5 safe driving (4 unused).
using CarType = qint16;

inline constexpr std::array<CarType, 5> known_car_types{0, 1, 2, 3, 5};

// The program-wide current category; 0 until the main menu has read table car.
CarType get_car_type();
void set_car_type(CarType code);

// Per-code names; the empty text for a code outside the table.
QString table_prefix(CarType code);
QString car_type_name(CarType code);

// The same lookups for the current category.
QString car_type_name();
QString sequence_table_name();
QString chapter_list_table_name();
QString special_list_table_name();
QString error_table_name();

// "第1章节", "第2章节", … for 0, 1, …; empty for a negative index.
QString chapter_caption(qint16 index);
// "第" + (index + 1) + "单元"; index 32767 overflows.
QString unit_caption(qint16 index);

QString product_title();

}  // namespace trelvo
