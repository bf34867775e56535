// The engine drawing widgets.
#include <QWidget>
