// The addresses the launcher (and the about box) hand to the desktop shell, and
// the texts they show. This project has no web page, mail address or donation
// page of its own yet: an empty address shows its link greyed, doing nothing.
#pragma once

#include <string_view>

namespace vx {

struct ProjectLink {
  std::string_view text;     // what the label shows
  std::string_view address;  // what the shell opens; empty: nowhere to go
};

inline constexpr ProjectLink kWebsiteLink{"no web page yet", ""};
inline constexpr ProjectLink kEmailLink{"no mail address yet", ""};
inline constexpr ProjectLink kDonationLink{"", ""};

}  // namespace vx
