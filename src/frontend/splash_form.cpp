#include "frontend/splash_form.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>

#include "display/console_window.h"
#include "frontend/picture_label.h"
#include "frontend/project_links.h"
#include "platform/data_folder.h"
#include "platform/key_codes.h"
#include "platform/picture_file.h"
#include "platform/qt_picture.h"
#include "platform/shell.h"
#include "platform/termination.h"

namespace vx {
namespace {

QLabel* make_label(QWidget* parent, const QString& text, QRect box, Qt::Alignment align, bool bold) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(box);
  l->setAlignment(align | Qt::AlignTop);
  if (bold) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
  }
  return l;
}

// A link label: underlined with a hand pointer when it has somewhere to go,
// greyed otherwise.
PictureLabel* make_link(QWidget* parent, const ProjectLink& link, QPoint at, std::function<void()> click) {
  auto* l = new PictureLabel(parent, QRect(at, QSize(280, 15)), false);
  l->setText(QString::fromUtf8(link.text.data(), static_cast<qsizetype>(link.text.size())));
  if (link.address.empty()) {
    l->setEnabled(false);
  } else {
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
    l->setCursor(Qt::PointingHandCursor);
    l->clicked = std::move(click);
  }
  return l;
}

}  // namespace

TSplashForm::TSplashForm(TForm1& console_form) : QWidget(nullptr), form1_(console_form) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowTitle(QStringLiteral("About this game..."));
  setFixedSize(800, 450);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  setAutoFillBackground(true);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(11);
  setFont(font);

  auto* im_background = new PictureLabel(this, QRect(0, 0, 800, 450), false);
  set_picture(im_background, "im_background");
  la_game_title = make_label(this, {}, QRect(0, 12, 460, 15), Qt::AlignHCenter, true);
  la_version = make_label(this, {}, QRect(0, 28, 460, 15), Qt::AlignHCenter, true);
  auto* im_box_picture = new PictureLabel(this, QRect(0, 56, 460, 160), true);
  set_picture(im_box_picture, "im_box_picture");
  la_release_date = make_label(this, {}, QRect(0, 236, 460, 15), Qt::AlignHCenter, false);
  make_label(this, QStringLiteral("website:"), QRect(118, 259, 56, 15), Qt::AlignLeft, false);
  la_website_2 = make_link(this, kWebsiteLink, QPoint(174, 259), [this] { la_website_2Click(); });
  make_label(this, QStringLiteral("email:"), QRect(118, 282, 56, 15), Qt::AlignLeft, false);
  la_email_2 = make_link(this, kEmailLink, QPoint(174, 282), [this] { la_email_2Click(); });

  make_label(this, QStringLiteral("Select skin/theme:"), QRect(50, 311, 119, 15), Qt::AlignLeft, false);
  cb_skin = new QComboBox(this);
  cb_skin->setGeometry(169, 308, 240, 21);
  cb_skin->setMaxVisibleItems(3);
  make_label(this, QStringLiteral("Select sound driver:"), QRect(50, 341, 119, 15), Qt::AlignLeft, false);
  cb_sound = new QComboBox(this);
  cb_sound->setGeometry(169, 338, 240, 21);
  cb_sound->setMaxVisibleItems(3);
  for (const SoundOutput& output : kSoundOutputs) {  // entry i is SoundMode i
    cb_sound->addItem(QString::fromLatin1(output.choice.data(), static_cast<qsizetype>(output.choice.size())));
    cb_sound->setItemData(cb_sound->count() - 1,
                          QString::fromLatin1(output.hint.data(), static_cast<qsizetype>(output.hint.size())),
                          Qt::ToolTipRole);
  }

  btn_play = new PictureLabel(this, QRect(116, 370, 107, 30), false);
  set_picture(btn_play, "btn_play");
  btn_play->setCursor(Qt::PointingHandCursor);
  btn_play->clicked = [this] { btn_playClick(); };
  btn_play_disabled = new PictureLabel(this, QRect(116, 370, 107, 30), false);
  set_picture(btn_play_disabled, "btn_play_disabled");
  btn_play_disabled->setCursor(Qt::WhatsThisCursor);
  btn_play_disabled->setToolTip(QStringLiteral("please select sound driver first"));
  btn_paypal = new PictureLabel(this, QRect(237, 370, 107, 30), false);
  if (kDonationLink.address.empty()) {
    set_picture(btn_paypal, "btn_paypal_disabled");
    btn_paypal->setEnabled(false);
  } else {
    set_picture(btn_paypal, "btn_paypal");
    btn_paypal->setCursor(Qt::PointingHandCursor);
    btn_paypal->clicked = [this] { btn_paypalClick(); };
  }

  im_skin_preview = new PictureLabel(this, QRect(460, 52, 340, 358), true);
  make_label(this, QStringLiteral("SKIN PREVIEW"), QRect(585, 392, 100, 15), Qt::AlignLeft, false);
  // Under the preview, never over it: the best score per skill level.
  la_high_scores = make_label(this, {}, QRect(460, 412, 340, 34), Qt::AlignHCenter, false);
  la_high_scores->setObjectName(QStringLiteral("la_high_scores"));
  chb_splashscreen = new QCheckBox(QStringLiteral("Display this splash screen at startup"), this);
  chb_splashscreen->setGeometry(12, 421, 444, 17);
  chb_splashscreen->setChecked(true);

  setTabOrder(cb_sound, chb_splashscreen);
  setTabOrder(chb_splashscreen, cb_skin);
  // The form sees every key before its controls do.
  for (QWidget* control :
       {static_cast<QWidget*>(cb_skin), static_cast<QWidget*>(cb_sound), static_cast<QWidget*>(chb_splashscreen)})
    control->installEventFilter(this);

  connect(cb_skin, &QComboBox::currentIndexChanged, this, [this] { cb_skinChange(); });
  connect(cb_sound, &QComboBox::currentIndexChanged, this, [this] { cb_soundChange(); });
  form1_.launcher_splash_checked = [this] { return chb_splashscreen->isChecked(); };

  FormCreate();
}

void TSplashForm::set_picture(QLabel* label, const char* element) { pictures_.emplace_back(label, element); }

void TSplashForm::show_picture(QLabel* label, const std::string& configured, bool check_only) {
  const auto path = resolve_path(configured, form1_.data_folder());
  if (check_only)
    picture_file_decodes_or_say(path, configured);
  else
    label->setPixmap(QPixmap::fromImage(to_qimage(*load_picture_or_placeholder(path, configured))));
}

void TSplashForm::FormCreate() {
  la_game_title->setText(QStringLiteral("Vornix (Orvane) Simulator"));
  la_version->setText(QStringLiteral("Version 5.01 * Multi-skin System + bug fix *"));
  la_release_date->setText(QStringLiteral("Released by the Vornix (Orvane) Simulator project, 2025"));

  const QSignalBlocker quiet_skins(cb_skin), quiet_sound(cb_sound);
  cb_skin->clear();
  const SkinList& skins = form1_.skin_table();
  for (int n = 1; n <= skins.SkinCount; ++n) cb_skin->addItem(QString::fromStdString(skins.at(n)->Name));
  SettingsStore& settings = form1_.settings();
  const int skin = settings.read_int(SettingKey::Skin);
  cb_skin->setCurrentIndex(skin >= 1 && skin <= cb_skin->count() ? skin - 1 : -1);
  const int sound = settings.read_int(SettingKey::SoundMode);
  cb_sound->setCurrentIndex(sound >= 0 && sound < cb_sound->count() ? sound : -1);
  cb_sound->setToolTip(cb_sound->currentData(Qt::ToolTipRole).toString());
  chb_splashscreen->setChecked(settings.read_bool(SettingKey::SplashScreen));
  // A launcher that skips itself is never seen: its pictures are only checked, so
  // that a broken one is said all the same.
  const bool skip = cb_sound->currentIndex() >= 0 && cb_skin->currentIndex() >= 0 && !chb_splashscreen->isChecked();
  for (const auto& [label, element] : pictures_) show_picture(label, form_picture("TSplashForm", element), skip);
  pictures_.clear();
  Vid_im_skin_preview(skip);
  la_high_scores->setText(QStringLiteral("HIGH SCORES\n") +
                          high_scores_text(form1_.host().best_scores(), QStringLiteral("    ")));

  if (skip) {
    move(-width(), -height());
    form1_.FirstActivate = false;
    skipped_ = true;
    btn_playClick();
    return;
  }
  const QSize screen = form1_.screen_size();
  move(centred_position(screen.width(), width()), centred_position(screen.height(), height()));
  apply_play_rule();
}

void TSplashForm::apply_play_rule() {
  const bool allowed = !cb_skin->currentText().isEmpty() && !cb_sound->currentText().isEmpty();
  btn_play->setEnabled(allowed);
  btn_play->setVisible(allowed);
  btn_play_disabled->setVisible(!allowed);
}

void TSplashForm::Vid_im_skin_preview(bool check_only) {
  const SkinRecord* skin = form1_.skin_table().at(cb_skin->currentIndex() + 1);
  if (skin && configured_file_exists(skin->Path + skin->PreviewImg, form1_.data_folder())) {
    show_picture(im_skin_preview, skin->Path + skin->PreviewImg, check_only);
  } else {
    im_skin_preview->clear();
  }
}

void TSplashForm::cb_skinChange() {
  apply_play_rule();
  Vid_im_skin_preview();
}

void TSplashForm::cb_soundChange() {
  cb_sound->setToolTip(cb_sound->currentData(Qt::ToolTipRole).toString());  // what the chosen output opens
  apply_play_rule();
}

void TSplashForm::btn_playClick() {
  // A failed start-up has said so, written its settings and requested termination.
  if (!form1_.start_play(cb_skin->currentIndex() + 1, cb_sound->currentText().toStdString())) return;
  form1_.settings().write_bool(SettingKey::SplashScreen, chb_splashscreen->isChecked());
  form1_.menu().entry(MenuEntry::pm_11_splashscreen)->setChecked(chb_splashscreen->isChecked());
  played_ = true;
  hide();
}

void TSplashForm::FormKeyDown(int key_code) {
  if ((key_code == 13 || key_code == 49) && btn_play->isEnabled()) btn_playClick();
  if (key_code == 27) request_termination();
}

bool TSplashForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int code = windows_key_code(static_cast<QKeyEvent*>(event)->key(),
                                      static_cast<QKeyEvent*>(event)->modifiers() & Qt::KeypadModifier);
    if (code == 13 || code == 27 || code == 49) {
      FormKeyDown(code);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TSplashForm::keyPressEvent(QKeyEvent* event) {
  FormKeyDown(windows_key_code(event->key(), event->modifiers() & Qt::KeypadModifier));
}

bool TSplashForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) cb_skin->setFocus();  // FormActivate
  return QWidget::event(event);
}

// The launcher has no close button; a close the desktop forces is taken as Escape.
void TSplashForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (isVisible()) FormKeyDown(27);
}

void TSplashForm::la_website_2Click() { shell_open(kWebsiteLink.address); }
void TSplashForm::la_email_2Click() { shell_open(kEmailLink.address); }
void TSplashForm::btn_paypalClick() { shell_open(kDonationLink.address); }

}  // namespace vx
