// display_scale.h - the program-wide display scale lives with the drawing layer, which needs it
// for connector sizes; the filters and rows keep including it from here.
#pragma once

#include "views/draw/display_scale.h"
