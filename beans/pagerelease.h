// Handing memory that a large buffer no longer needs back to the system while
// the buffer itself lives on.
#pragma once

// Gives the whole pages that lie in [Begin, End) back to the system. Their
// bytes read as zero afterwards and cost nothing until written again. Where
// the system has no such call, nothing happens.
void ReleasePages(char* Begin, char* End);
