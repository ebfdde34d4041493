// A header one folder down that includes the window: beans.includes.below
// expects the include check to find it.
#pragma once

#include "app/corvane/mainform.h"
