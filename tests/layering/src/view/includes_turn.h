// A handler that includes a shell header other than the state header.
#include "shell/turn.h"
