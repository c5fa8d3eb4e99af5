#pragma once

#include "grading/ItemList.h"

#include <QIcon>

#include <array>

// The four 16 x 16 pictures of the item review list, indexed by ItemIcon: a white square in a dark
// frame holding a red "!", a blue tick, a red "M" or a red cross.
std::array<QIcon, 4> itemIcons();
