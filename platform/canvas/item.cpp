#include "canvas/item.h"

// Out of line so that the vtable lives in one object file.
Item::~Item() = default;
