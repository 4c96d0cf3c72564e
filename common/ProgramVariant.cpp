#include "common/ProgramVariant.h"

namespace {
bool keepsDesign = false;
}

bool keepsDesignPictures() { return keepsDesign; }

void setKeepsDesignPictures(bool keeps) { keepsDesign = keeps; }
