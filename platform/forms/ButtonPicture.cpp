#include "ButtonPicture.h"

#include <QAbstractButton>
#include <QStyle>

namespace forms {

void showSavePicture(QAbstractButton* button) {
    button->setIcon(button->style()->standardIcon(QStyle::SP_DialogSaveButton, nullptr, button));
    button->setIconSize(QSize(16, 16));
}

}  // namespace forms
