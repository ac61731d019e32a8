// A decoded picture, independent of any toolkit: 32-bit ARGB pixels, row by row.
// Pictures are shared and immutable once made; sprites hold them by shared pointer.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vx {

// A picture's pixels: its own, or read in place from memory something else keeps
// (a mapped file), which they keep alive. Pixels read in place are never written:
// the first change makes them the picture's own. New pixels a resize adds are
// left unset, for the decoder that writes them all; `assign` sets them.
class Pixels {
 public:
  Pixels() = default;
  Pixels(const std::uint32_t* at, std::size_t count, std::shared_ptr<const void> keeper)
      : in_place_(at), in_place_count_(count), keeper_(std::move(keeper)) {}

  const std::uint32_t* data() const { return keeper_ ? in_place_ : own_.data(); }
  std::uint32_t* data() { return own().data(); }
  std::size_t size() const { return keeper_ ? in_place_count_ : own_.size(); }
  bool empty() const { return size() == 0; }
  bool in_place() const { return keeper_ != nullptr; }

  const std::uint32_t& operator[](std::size_t i) const { return data()[i]; }
  std::uint32_t& operator[](std::size_t i) { return own()[i]; }
  const std::uint32_t* begin() const { return data(); }
  const std::uint32_t* end() const { return data() + size(); }

  void resize(std::size_t count) { own().resize(count); }
  void reserve(std::size_t count) { own().reserve(count); }
  void assign(std::size_t count, std::uint32_t value) { own().assign(count, value); }
  void push_back(std::uint32_t value) { own().push_back(value); }

  friend bool operator==(const Pixels& a, const Pixels& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
  }

 private:
  // Leaves a new element unset (resize() is followed by writing every pixel).
  template <typename T>
  struct Unset : std::allocator<T> {
    template <typename U>
    struct rebind {
      using other = Unset<U>;
    };
    template <typename U>
    void construct(U* p) noexcept {
      ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
      ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
  };
  using Own = std::vector<std::uint32_t, Unset<std::uint32_t>>;

  Own& own() {
    if (keeper_) {
      own_.assign(in_place_, in_place_ + in_place_count_);
      keeper_.reset();
      in_place_ = nullptr;
      in_place_count_ = 0;
    }
    return own_;
  }

  Own own_;
  const std::uint32_t* in_place_ = nullptr;
  std::size_t in_place_count_ = 0;
  std::shared_ptr<const void> keeper_;
};

struct Picture {
  int width = 0;
  int height = 0;
  bool has_alpha = false;
  Pixels argb;        // width * height, 0xAARRGGBB
  std::string label;  // where it came from (file name or element name)

  std::uint32_t pixel(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
};

using PictureRef = std::shared_ptr<const Picture>;

// The stand-in for a picture that is missing or cannot be decoded:
// 10 x 10, filled red, with a black one-pixel outline.
PictureRef placeholder_picture();

}  // namespace vx
