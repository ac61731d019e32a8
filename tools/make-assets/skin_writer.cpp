#include "skin_writer.h"

#include <fstream>
#include <stdexcept>

#include "compose.h"
#include "image_io.h"
#include "manual_pages.h"
#include "paint.h"
#include "platform/data_folder.h"
#include "segments.h"
#include "skin_file.h"

namespace vx::assets {
namespace {

constexpr const char* kSkinFile = "Skin.ini";
constexpr const char* kPreviewFile = "SkinPreview.png";
constexpr const char* kBackdropFile = "Backdrop.jpg";
constexpr const char* kLogoFile = "Logo.png";

// INI text as made on Windows: CRLF line ends.
class IniText {
 public:
  void comment(const std::string& text) { line("; " + text); }
  void section(const std::string& name) {
    if (!text_.empty()) line("");
    line("[" + name + "]");
  }
  void key(const std::string& k, const std::string& v) { line(k + "=" + v); }
  void key(const std::string& k, int v) { key(k, std::to_string(v)); }
  void save(const std::filesystem::path& file) const {
    std::ofstream out(file, std::ios::binary);
    if (!(out << text_)) throw std::runtime_error("cannot write " + file.string());
  }

 private:
  void line(const std::string& s) { text_ += s + "\r\n"; }
  std::string text_;
};

struct ElementPicture {
  QImage image;
  bool with_alpha = true;
};

QImage crop(const QImage& frame, const QRect& box) { return frame.copy(box); }

// The picture of every element of the skin, in skin order.
std::vector<ElementPicture> element_pictures(const SkinDesign& d) {
  using Stick = ControlState::Stick;
  const ScreenLayout& layout = d.screen;
  const Controls& c = d.controls;
  const QImage base = case_frame(d, {.stick = Stick::None});
  const QImage upright = case_frame(d, {.stick = Stick::Up});
  auto frame_with = [&](ControlState s) {
    s.stick = Stick::None;
    return case_frame(d, s);
  };
  std::vector<ElementPicture> pics(kSkinElementCount);
  pics[im_background] = {base, false};
  pics[im_background_screen_top] = {screen_picture(false, layout, d.display), true};
  pics[im_background_screen_on] = {screen_picture(true, layout, d.display), true};
  pics[btn_power_top] = {crop(base, c.power), false};
  pics[btn_power_on] = {crop(frame_with({.power_on = true}), c.power), false};
  pics[btn_select_top] = {crop(base, c.select), false};
  pics[btn_select_down] = {crop(frame_with({.select_down = true}), c.select), false};
  pics[btn_start_top] = {crop(base, c.start), false};
  pics[btn_start_down] = {crop(frame_with({.start_down = true}), c.start), false};
  pics[btn_fire_top] = {crop(base, c.fire), false};
  pics[btn_fire_down] = {crop(frame_with({.fire_down = true}), c.fire), false};
  pics[btn_joystick_top] = {crop(upright, c.joystick), false};
  pics[btn_joystick_placeholder] = {canvas(c.joystick.size()), true};  // shows nothing until tilted
  pics[btn_joystick_left] = {crop(case_frame(d, {.stick = Stick::Left}), c.joystick), false};
  pics[btn_joystick_right] = {crop(case_frame(d, {.stick = Stick::Right}), c.joystick), false};
  pics[btn_ctrlr_overlay_left] = {overlay_arrow(c.overlay_left.size(), true, d.display.main.glow), true};
  pics[btn_ctrlr_overlay_right] = {overlay_arrow(c.overlay_right.size(), false, d.display.main.glow), true};
  for (ElementId id = im_panel_digit_pos_1; id < kSkinElementCount; ++id) {
    const QRect box = layout.box_of(id);
    const Phosphor& ph = element_filtered(id, d.display) ? d.display.filtered : d.display.main;
    pics[id] = {lit_picture(segment_shape(id, layout), box.size(), box.topLeft(), ph, d.display.mesh), true};
  }
  return pics;
}

QRect element_box(const SkinDesign& d, ElementId id) {
  const Controls& c = d.controls;
  switch (id) {
    case im_background:
      return {QPoint(0, 0), d.size};
    case im_background_screen_top:
    case im_background_screen_on:
      return d.screen.glass;
    case btn_power_on:
    case btn_power_top:
      return c.power;
    case btn_select_down:
    case btn_select_top:
      return c.select;
    case btn_start_down:
    case btn_start_top:
      return c.start;
    case btn_joystick_placeholder:
    case btn_joystick_top:
    case btn_joystick_left:
    case btn_joystick_right:
      return c.joystick;
    case btn_fire_down:
    case btn_fire_top:
      return c.fire;
    case btn_ctrlr_overlay_left:
      return c.overlay_left;
    case btn_ctrlr_overlay_right:
      return c.overlay_right;
    default:
      return d.screen.box_of(id);
  }
}

}  // namespace

QImage case_frame(const SkinDesign& d, const ControlState& state) {
  QImage art = canvas(d.size);
  {
    QPainter p(&art);
    d.paint_case(p, d, state);
    p.end();
    // A fine grain gives the plastic and the print some life.
    QPainterPath all;
    all.addRect(art.rect());
    add_grain(art, all, 0.035, static_cast<std::uint32_t>(d.number));
    p.begin(&art);
    p.drawImage(d.screen.glass.topLeft(), screen_picture(false, d.screen, d.display));
  }
  // A hard outline: a pixel is the case's (over near-black) or exactly the key.
  QImage out(d.size, QImage::Format_RGB32);
  for (int y = 0; y < d.size.height(); ++y) {
    const auto* s = reinterpret_cast<const QRgb*>(art.constScanLine(y));
    auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < d.size.width(); ++x) {
      const int a = qAlpha(s[x]);
      const int under = (255 - a) * 8 / 255;
      o[x] = a >= 110 ? qRgb(qRed(s[x]) + under, qGreen(s[x]) + under, qBlue(s[x]) + under) : d.key.rgb();
    }
  }
  return out;
}

void write_skin(const std::filesystem::path& data_dir, const SkinDesign& d) {
  const std::filesystem::path dir = resolve_path(skin_path(d), data_dir);
  std::filesystem::create_directories(dir);
  const std::vector<ElementPicture> pics = element_pictures(d);

  IniText ini;
  ini.comment("Vornix (Orvane) Simulator skin: " + d.name);
  ini.comment("Every picture is drawn at its natural size from the top-left corner of its box.");
  ini.section("Common");
  ini.key("GameWidth", d.size.width());
  ini.key("GameHeight", d.size.height());
  ini.section("Fullscreen");
  ini.key("BackdropFile", kBackdropFile);
  ini.key("BackdropStretch", 0);
  ini.key("BgColor", colour_text(d.bg_color));
  ini.key("GameOffsetX", "Center");
  ini.key("GameOffsetY", "Center");
  ini.key("LogoFile", kLogoFile);
  ini.key("LogoPosition", d.logo_position);
  ini.section("Shaped");
  ini.key("TranspColor", colour_text(d.key));
  for (ElementId id = 0; id < kSkinElementCount; ++id) {
    const std::string name(element_name(id));
    const QRect box = element_box(d, id);
    if (pics[id].image.size() != box.size()) throw std::logic_error(name + ": picture and box differ in size");
    write_png(dir / (name + ".png"), pics[id].image, pics[id].with_alpha);
    ini.section("Image" + std::to_string(id + 1));
    ini.comment(name);
    ini.key("Filename", name + ".png");
    ini.key("Left", box.left());
    ini.key("Top", box.top());
    ini.key("Width", box.width());
    ini.key("Height", box.height());
  }
  ini.save(dir / kSkinFile);
  write_jpeg(dir / kBackdropFile, d.backdrop(d), 90);
  write_png(dir / kLogoFile, d.logo(d), true);

  // The launcher's preview: the console powered on and in play.
  write_png(dir / kPreviewFile, fit_into(installed_console(data_dir, d, ComposeState::Demo), kPreviewBox), true);
}

QImage installed_console(const std::filesystem::path& data_dir, const SkinDesign& d, ComposeState state) {
  std::string error;
  const auto skin = read_skin_file(resolve_path(skin_path(d), data_dir), kSkinFile, error);
  if (!skin) throw std::runtime_error(error);
  ComposeReport report;
  const QImage frame = compose_window(*skin, state, &report);
  if (!report.problems.empty()) throw std::runtime_error(report.problems.front());
  return key_as_transparent(frame, d.key);
}

void write_config_ini(const std::filesystem::path& data_dir) {
  IniText ini;
  ini.comment("Vornix (Orvane) Simulator: the installed skins and the manual.");
  ini.comment("Paths are relative to the program's folder.");
  ini.section("Common");
  ini.key("Skins", static_cast<int>(skin_designs().size()));
  for (const SkinDesign& d : skin_designs()) {
    ini.section("Skin" + std::to_string(d.number));
    ini.key("Path", skin_path(d));
    ini.key("Name", d.name);
    ini.key("SkinFile", kSkinFile);
    ini.key("SkinPreviewImg", kPreviewFile);
  }
  ini.section("Manual");
  ini.key("ManualDir", kManualDir);
  ini.key("ManualHeight", kManualPageSize.height());
  ini.key("ManualWidth", kManualPageSize.width());
  ini.save(data_dir / "Config.ini");
}

}  // namespace vx::assets
