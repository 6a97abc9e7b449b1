// The viewer ends as if its main window were closed when the system asks it
// to (SIGTERM at logout or shutdown, SIGINT, SIGHUP), so that window positions
// and favourites are saved.
#pragma once

namespace remont {

// Installs the handlers; the application quits its event loop on the signal.
void QuitOnTerminationSignals();

}  // namespace remont
