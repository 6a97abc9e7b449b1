// The application's hint handler for list boxes, one for every window: a
// list-box item wider than its box shows its whole caption as a hint over the
// item.
#pragma once

namespace remont {

// Installs the handler once; later calls do nothing.
void InstallListItemHints();

}  // namespace remont
