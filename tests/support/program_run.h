// The real program run as a child process for a test: its own temporary settings
// folder, SDL's silent driver, offscreen (or with no display at all), ended by
// force if it runs on; on a "full disk" when asked (no file it writes may grow
// beyond a few bytes). The test target defines VORNIX_SIMULATOR, its path.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <csignal>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "support/picture_writers.h"
#include "support/temp_dir.h"

namespace vx::test {

struct Outcome {
  int status = -1;  // -1: it crashed or had to be ended
  std::string out, err;
};

class Program : public testing::Test {
 protected:
  TempDir config;  // the child's own settings folder
  // When set, the child's files cannot grow beyond this many bytes: a write past
  // it fails as on a full disk.
  std::optional<rlim_t> disk_room;
  // Set in the child's environment beyond the above (and over them).
  QProcessEnvironment more_environment;

  QProcessEnvironment environment(bool display) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(config.path().string()));
    env.insert("SDL_AUDIODRIVER", "dummy");
    if (display) {
      env.insert("QT_QPA_PLATFORM", "offscreen");
    } else {
      for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);
    }
    for (const QString& name : more_environment.keys()) env.insert(name, more_environment.value(name));
    return env;
  }
  Outcome run(const QString& program, const QStringList& args, bool display = true) {
    QProcess p;
    p.setProcessEnvironment(environment(display));
    if (disk_room)
      p.setChildProcessModifier([room = *disk_room] {
        const rlimit limit{room, room};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the program
      });
    p.start(program, args);
    Outcome r;
    if (!p.waitForFinished(60000)) {
      p.kill();
      p.waitForFinished();
      ADD_FAILURE() << "the program did not end";
      return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
  }
  Outcome simulator(const QStringList& args, bool display = true) { return run(VORNIX_SIMULATOR, args, display); }
  // Settings the child finds at its start.
  void store_for_child(const std::string& lines) {
    write_text(config / "Brimlock/Vornix50.conf", "[General]\n" + lines);
  }
  std::string stored_by_child() {
    std::ifstream in(config / "Brimlock/Vornix50.conf");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
};

}  // namespace vx::test
