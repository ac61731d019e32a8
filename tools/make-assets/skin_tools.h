// The skin tools of make-assets:
//   make-assets --check <skin folder>
//   make-assets --compose <skin folder> --state off|on|all|demo|phase4 --out FILE.png [--fullscreen WxH]
#pragma once

namespace vx::assets {

// Starts the offscreen GUI application that fonts need (once).
void ensure_gui();

// Runs the tool named by argv[1]; the process exit status.
int run_skin_tool(int argc, char** argv);

}  // namespace vx::assets
