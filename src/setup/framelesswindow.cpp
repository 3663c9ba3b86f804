#include "framelesswindow.h"
