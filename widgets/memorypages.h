// Advice to the system about the pages of a large buffer: take them in large
// pages while it is filled, hand back those no longer needed while it lives.
#pragma once

// Gives the whole pages that lie in [Begin, End) back to the system. Their
// bytes read as zero afterwards and cost nothing until written again. Where
// the system has no such call, nothing happens.
void ReleasePages(char* Begin, char* End);

// Asks for the memory in [Begin, End), not yet written, to come in large
// pages where the system offers them, so that filling a large buffer costs
// a few page faults instead of one per small page.
void PreferLargePages(char* Begin, char* End);
