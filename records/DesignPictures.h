#pragma once

#include <QPixmap>

namespace records {

// The picture that the photo image holds at design: a neutral grey silhouette.
QPixmap designPhoto();

}  // namespace records
