#pragma once

#include <QString>

#include "core/picture_layout.h"

namespace trelvo {

// Stored question pictures: tr/<name> holds one leading byte before the picture; the readable copy
// is rs/<name>. When rs/ cannot be written (a read-only program folder), the copies go to a
// folder private to the user, made for this run and removed when the program ends. A name that is
// not a plain file name is refused.
bool is_plain_media_name(const QString& name);
// Writes the readable copy; false (and no copy) when the stored file is missing, empty of picture
// bytes, the name is unsafe, or no copy could be written anywhere.
bool copy_picture(const QString& program_folder, const QString& name);
void delete_temp_picture(const QString& program_folder, const QString& name);
QString temp_picture_path(const QString& program_folder, const QString& name);
// The copy's path as the picture loader takes it: relative to the program folder while copies go
// to rs/ ("rs/<name>"), else the full path of the private copy.
QString temp_picture_source(const QString& program_folder, const QString& name);

}  // namespace trelvo
