// The window's pictures are compiled into the program; this makes sure they
// are registered before anything draws them.
#pragma once

void LoadCorvaneResources();
