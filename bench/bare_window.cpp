// The floor of this machine for the whole-program figures: a bare Qt window that
// does nothing. At the end of its first paint it prints "first-paint <t>" (t in
// microseconds since the epoch, as the simulator's --trace-input does), then
// ends at once, or after --stay MS.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

class BareWindow : public QWidget {
 public:
  int stay_ms = 0;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), Qt::black);
    if (painted_) return;
    painted_ = true;
    using namespace std::chrono;
    std::printf("first-paint %lld\n",
                static_cast<long long>(duration_cast<microseconds>(system_clock::now().time_since_epoch()).count()));
    std::fflush(stdout);
    QTimer::singleShot(stay_ms, qApp, &QCoreApplication::quit);
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  BareWindow window;
  if (argc == 3 && std::strcmp(argv[1], "--stay") == 0) window.stay_ms = std::atoi(argv[2]);
  window.resize(528, 747);
  window.show();
  return app.exec();
}
