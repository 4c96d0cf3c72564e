#pragma once

class QAbstractButton;

namespace forms {

// The disk picture of a graphical save button, 16 by 16 pixels, from the desktop's style.
void showSavePicture(QAbstractButton* button);

}  // namespace forms
