#pragma once

#include "platform/forms/Picture.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>

namespace tests {

// The labels of a window whose caption, wrapped as the label wraps it, does not fit the label's
// designed size: a colon lost at the edge, a caption broken over more lines than the label holds.
inline QStringList labelsThatDoNotFit(const QWidget& window) {
    QStringList cut;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (qobject_cast<const forms::Picture*>(label) || label->text().isEmpty()) continue;
        QString caption = label->text();
        caption.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
        caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        const QRect needed = QFontMetrics(label->font()).boundingRect(
            QRect(0, 0, label->width(), 100000), int(label->alignment()) | Qt::TextWordWrap, caption);
        if (needed.width() > label->width() || needed.height() > label->height()) {
            cut << QStringLiteral("%1 \"%2\" needs %3x%4 in %5x%6")
                       .arg(label->objectName(), label->text())
                       .arg(needed.width()).arg(needed.height()).arg(label->width()).arg(label->height());
        }
    }
    return cut;
}

}  // namespace tests
