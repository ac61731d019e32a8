#include "frontend/keys_form.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "frontend/form_look.h"
#include "game/console_state.h"
#include "platform/gamepad.h"
#include "platform/key_codes.h"
#include "platform/settings.h"

namespace vx {
namespace {

constexpr int kKeyCount = 44;

int key_code(const QKeyEvent& e) { return windows_key_code(e.key(), e.modifiers() & Qt::KeypadModifier); }

SettingKey key_setting(int n) { return static_cast<SettingKey>(static_cast<int>(SettingKey::Key1) + n - 1); }

struct ControlPlace {
  const char* caption;
  int list_left, list_top;
  int label_left, label_top;
  bool label_right_aligned;
};
// The six controls in the order power, select, start, left, right, fire.
constexpr ControlPlace kPlaces[7] = {
    {},
    {"Power On/Off", 8, 29, 136, 33, false},
    {"Select", 8, 61, 136, 65, false},
    {"Start", 8, 93, 136, 97, false},
    {"Left", 320, 29, 216, 33, true},
    {"Right", 320, 61, 216, 65, true},
    {"Fire", 320, 93, 216, 97, true},
};
constexpr int kListWidth = 120;
constexpr int kLabelWidth = 96;
constexpr int kGamepadLineHeight = 36;  // room for the gamepad line, two lines if need be
const QColor kLabelWhite(255, 255, 255);
const QColor kLabelRed(255, 0, 0);

QLabel* make_label(QWidget* parent, const char* text, QRect box, Qt::Alignment align, bool underline) {
  auto* l = new QLabel(QString::fromLatin1(text), parent);
  QFont f = l->font();
  f.setBold(true);
  f.setUnderline(underline);
  l->setFont(f);
  l->setGeometry(box);
  l->setAlignment(align | Qt::AlignTop);
  set_text_colour(*l, kLabelWhite);
  return l;
}

}  // namespace

// The list text is the key's display name without its quotes and the word "key":
// one character stands alone ("'A'" -> "A"), a word is capitalised in angle
// brackets ("'left arrow' key" -> "<LEFT ARROW>").
QString key_list_text(int key_index) {
  if (key_index < 1 || key_index > kKeyCount) return {};
  QString name = QString::fromLatin1(KeyName[key_index].name.data(), KeyName[key_index].name.size());
  if (name.endsWith(QLatin1String(" key"))) name.chop(4);
  name.remove(QLatin1Char('\''));
  return name.size() == 1 ? name : QLatin1Char('<') + name.toUpper() + QLatin1Char('>');
}

TKeysForm::TKeysForm(Console& console, SettingsStore& settings, QWidget* console_window)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      console_(console),
      settings_(settings),
      console_window_(console_window) {
  setObjectName(QStringLiteral("TKeysForm"));
  setWindowTitle(QStringLiteral("Key settings"));
  // The original form is 448 by 163; the line about gamepads below it is ours.
  setFixedSize(448, 163 + kGamepadLineHeight);
  set_form_look(*this, kFormBlue);

  la_main_ = make_label(this, "Main operations", QRect(8, 8, 120, 14), Qt::AlignLeft, true);
  la_controls_ = make_label(this, "Game controls", QRect(336, 8, 104, 14), Qt::AlignRight, true);
  for (int n = 1; n <= 6; ++n) {
    const ControlPlace& p = kPlaces[n];
    cb_[n] = new QComboBox(this);
    cb_[n]->setObjectName(QStringLiteral("cb_%1").arg(n));
    cb_[n]->setGeometry(p.list_left, p.list_top, kListWidth, 21);
    cb_[n]->installEventFilter(this);
    la_[n] = make_label(this, p.caption, QRect(p.label_left, p.label_top, kLabelWidth, 14),
                        p.label_right_aligned ? Qt::AlignRight : Qt::AlignLeft, false);
    la_[n]->setObjectName(QStringLiteral("la_%1").arg(n));
  }
  btn_accept_ = new QPushButton(QStringLiteral("- ACCEPT -"), this);
  btn_accept_->setObjectName(QStringLiteral("btn_accept"));
  btn_accept_->setGeometry(183, 130, 82, 25);
  btn_accept_->setCursor(Qt::PointingHandCursor);
  btn_accept_->setAutoDefault(false);
  btn_accept_->installEventFilter(this);
  la_gamepad_ = new QLabel(QStringLiteral("Gamepad: ") + QString::fromStdString(pad_controls_text()), this);
  la_gamepad_->setObjectName(QStringLiteral("la_gamepad"));
  la_gamepad_->setGeometry(8, 163, 432, kGamepadLineHeight - 6);
  la_gamepad_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  la_gamepad_->setWordWrap(true);
  set_text_colour(*la_gamepad_, kLabelWhite);
  for (int n = 1; n < 6; ++n) setTabOrder(cb_[n], cb_[n + 1]);
  setTabOrder(cb_[6], btn_accept_);
  connect(btn_accept_, &QPushButton::clicked, this, &TKeysForm::btn_acceptClick);

  FormCreate();
}

void TKeysForm::FormCreate() {
  for (int k = 1; k <= kKeyCount; ++k) cb_[1]->addItem(key_list_text(k));
  for (int n = 2; n <= 6; ++n)
    for (int i = 0; i < cb_[1]->count(); ++i) cb_[n]->addItem(cb_[1]->itemText(i));
  for (int n = 1; n <= 6; ++n) {
    // A key index from outside the list (edited by hand) selects nothing.
    const int idx = console_.KeyAssign[n].KeyIndex;
    cb_[n]->setCurrentIndex(idx >= 1 && idx <= kKeyCount ? idx - 1 : -1);
    connect(cb_[n], &QComboBox::currentIndexChanged, this, &TKeysForm::cbChange);
  }
  btn_accept_->setEnabled(!CheckKeys());
}

void TKeysForm::FormActivate() { cb_[1]->setFocus(Qt::ActiveWindowFocusReason); }

void TKeysForm::cbChange() { btn_accept_->setEnabled(!CheckKeys()); }

bool TKeysForm::CheckKeys() {
  for (int n = 1; n <= 6; ++n) set_text_colour(*la_[n], kLabelWhite);
  bool duplicate = false;
  for (int j = 1; j <= 6; ++j)
    for (int k = 1; k <= 6; ++k)
      if (j != k && cb_[j]->currentText() == cb_[k]->currentText()) {
        set_text_colour(*la_[j], kLabelRed);
        set_text_colour(*la_[k], kLabelRed);
        duplicate = true;
      }
  return duplicate;
}

void TKeysForm::btn_acceptClick() {
  // Only six different keys are ever stored.
  if (CheckKeys()) return;
  std::array<int, 7> chosen{};
  std::array<std::pair<SettingKey, int>, 6> stored;
  for (int n = 1; n <= 6; ++n) {
    chosen[n] = cb_[n]->currentIndex() + 1;
    stored[n - 1] = {key_setting(n), chosen[n]};
  }
  settings_.write_ints(stored);  // all six in one save
  console_.assign_keys(chosen);  // the key codes, then the seven hints
  leave();
}

bool TKeysForm::FormKeyDown(int key_code) {
  if (key_code == 13) {
    if (btn_accept_->isEnabled()) btn_acceptClick();
    return true;
  }
  if (key_code == 27) {
    leave();
    return true;
  }
  return false;
}

void TKeysForm::leave() {
  if (console_window_) console_window_->setEnabled(true);
  hide();
}

bool TKeysForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && FormKeyDown(key_code(*static_cast<QKeyEvent*>(event)))) return true;
  return QWidget::eventFilter(watched, event);
}

void TKeysForm::keyPressEvent(QKeyEvent* event) {
  if (!FormKeyDown(key_code(*event))) QWidget::keyPressEvent(event);
}

void TKeysForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
  QWidget::changeEvent(event);
}

void TKeysForm::closeEvent(QCloseEvent* event) {
  // Closed by the window manager: the same way out as Escape, so the console is
  // never left disabled.
  if (console_window_) console_window_->setEnabled(true);
  QWidget::closeEvent(event);
}

}  // namespace vx
