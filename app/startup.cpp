// startup.cpp - the application object and the toolkit's main loop.

#include "app/startup.h"

#include "app/VarnholtApp.h"

namespace varnholt {

int RunVarnholtReader(int argc, char** argv) {
    wxApp::SetInstance(new VarnholtApp);  // the toolkit deletes it at the end
    return wxEntry(argc, argv);
}

}  // namespace varnholt
