// vornix-simulator: the command line, the data folder, then start-up in its
// order: the console window TForm1 (out of sight), the secondary forms (hidden),
// the launcher (which may play at once, unseen), and the event loop.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "app/command_line.h"
#include "app/script_player.h"
#include "app/traces.h"
#include "display/console_window.h"
#include "display/window_shot.h"
#include "frontend/app_icon.h"
#include "frontend/secondary_forms.h"
#include "frontend/splash_form.h"
#include "platform/data_folder.h"
#include "platform/picture_cache.h"
#include "platform/qt_message_box.h"
#include "platform/settings.h"
#include "platform/startup_trace.h"
#include "platform/termination.h"
#include "platform/x11_key_repeat.h"
#include "skin/drawing_order.h"

namespace {

std::filesystem::path executable_folder(const char* argv0) {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path();
}

// The console window as the screen shows it (where the platform can read the
// screen back), else as it draws itself, written whole or not at all; then, on
// standard output, every element shown at that moment, one "shown <name>" line
// each, in drawing order.
bool save_screenshot(vx::TForm1& form1, const std::filesystem::path& file, std::string& error) {
  if (!vx::save_png(vx::window_as_shown(form1), file, error)) return false;
  const vx::SpriteBoard& board = form1.host().console().board;
  for (vx::ElementId id : vx::drawing_order())
    if (board[id].visible && board[id].picture) std::printf("shown %s\n", std::string(vx::element_name(id)).c_str());
  std::fflush(stdout);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  auto cl = vx::parse_command_line(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!cl) {
    std::fprintf(stderr, "vornix-simulator: %s\n%s", error.c_str(), vx::kUsage);
    return 2;
  }
  if (cl->help) {
    std::fputs(vx::kUsage, stdout);
    return 0;
  }
  if (cl->version) {
    std::printf("vornix-simulator %s\n", VORNIX_VERSION);
    return 0;
  }

  // A script is read and checked before anything starts.
  std::vector<std::string> script;
  if (cl->script) {
    std::ifstream in(*cl->script);
    if (!in) error = "the script cannot be read";
    if (!in || !vx::read_script(in, script, error)) {
      std::fprintf(stderr, "vornix-simulator: %s: %s\n", cl->script->c_str(), error.c_str());
      return 2;
    }
  }
  vx::TraceFile timer_trace, input_trace, startup_trace;
  if ((cl->trace_timers && !timer_trace.open(*cl->trace_timers, error)) ||
      (cl->trace_input && !input_trace.open(*cl->trace_input, error)) ||
      (cl->trace_startup && !startup_trace.open(*cl->trace_startup, error))) {
    std::fprintf(stderr, "vornix-simulator: %s\n", error.c_str());
    return 2;
  }
  vx::trace_startup_to(startup_trace.get());
  vx::startup_phase("main");  // the process started, its libraries loaded

  // The program's folder is the working directory: skins, sounds and documents
  // are found relative to it. Files named on the command line stay where the
  // player meant them.
  std::error_code ec;
  if (cl->screenshot) cl->screenshot = std::filesystem::absolute(*cl->screenshot, ec);
  const std::filesystem::path program_folder = executable_folder(argv[0]);
  std::filesystem::path data = std::filesystem::absolute(vx::find_data_folder(cl->data_dir, program_folder), ec);
  std::filesystem::current_path(data, ec);
  if (ec)
    std::fprintf(stderr, "vornix-simulator: %s: the data folder cannot be opened (%s)\n", data.c_str(),
                 ec.message().c_str());
  // A portable installation keeps its settings beside its data and leaves nothing
  // behind on the computer; any other keeps decoded pictures for the next start.
  if (cl->portable || std::filesystem::exists(program_folder / "portable.ini", ec))
    vx::use_settings_file(data / "Vornix50.ini");
  else
    vx::use_picture_cache(vx::default_picture_cache_folder());

  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QString());
  QGuiApplication::setDesktopFileName(QStringLiteral(VORNIX_APP_ID));  // its installed desktop entry
  vx::use_detectable_auto_repeat();  // a held key is released once, also on a busy machine
  if (!cl->no_dialogs) vx::install_qt_error_box();
  // A fault of the installation ends the program with status 1, however it ends.
  vx::set_termination_hook([] { QCoreApplication::exit(vx::exit_status()); });
  vx::startup_phase("qt");

  vx::TForm1 form1({data, cl->seed});
  // Drawn once sound has begun starting on its own thread; every window takes it
  // when it is first shown.
  QApplication::setWindowIcon(vx::app_icon());
  // Measurement: the traces and the script start with the console window.
  if (timer_trace.get()) vx::trace_timers(form1, timer_trace.get());
  std::optional<vx::InputTrace> input_watch;
  if (input_trace.get()) input_watch.emplace(form1, input_trace.get());
  std::optional<vx::ScriptPlayer> player;
  if (cl->script) player.emplace(form1, std::move(script), [] { vx::request_termination(); });
  form1.on_paint_end = [&input_watch, &player, &form1, first = true]() mutable {
    if (first && vx::tracing_startup()) vx::trace_first_paint(form1);
    first = false;
    if (input_watch) input_watch->painted();
    if (player) player->start();  // the script plays on the shown console
  };
  // The about box, the key form and the manual viewer, hidden.
  const vx::SecondaryForms forms = vx::create_secondary_forms(form1);
  vx::startup_phase("forms");
  vx::TSplashForm launcher(form1);

  // A termination requested before the event loop ends the program as the loop starts.
  if (vx::termination_requested()) return vx::exit_status();

  form1.on_first_activate = [&launcher] {
    if (launcher.played()) return;  // skipped, or already played before this activation
    launcher.show();
    launcher.raise();
    launcher.activateWindow();
  };
  form1.show();
  if (!launcher.skipped()) launcher.show();

  if (cl->quit_after_ms) {
    QTimer::singleShot(*cl->quit_after_ms, &form1, [&form1, shot = cl->screenshot] {
      std::string error;
      if (shot && !save_screenshot(form1, *shot, error)) {
        std::fprintf(stderr, "vornix-simulator: %s\n", error.c_str());
        QCoreApplication::exit(1);
        return;
      }
      vx::request_termination();
    });
  }
  const int status = app.exec();
  return status != 0 ? status : vx::exit_status();
}
