#include "records/DesignPictures.h"

#include <QString>

// The records library is static: its resources are registered by hand before the first use.
static void registerRecordsResources() { Q_INIT_RESOURCE(records); }

namespace records {

QPixmap designPhoto() {
    static const bool registered = (registerRecordsResources(), true);
    (void)registered;
    return QPixmap(QStringLiteral(":/records/placeholder-photo.png"));
}

}  // namespace records
