#pragma once

// The two executables are one program: PravelKvo2 differs only in that its picture windows keep
// the picture of their design instead of loading the picture file. Chosen once at start-up.
bool keepsDesignPictures();
void setKeepsDesignPictures(bool keeps);
