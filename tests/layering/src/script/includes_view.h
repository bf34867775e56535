// The interpreter reaching up into the view.
#include "view/page.h"
