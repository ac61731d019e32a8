// The addresses the launcher and the about box hand to the desktop shell, and the
// texts they show. The web page is the simulator's own guide beside the program
// (opened like the menu's documents); the mail address is the fictional author's,
// under the reserved .example domain so it can never reach a stranger. There is no
// donation page: an empty address shows its link greyed, doing nothing.
#pragma once

#include <string_view>

namespace vx {

struct ProjectLink {
  std::string_view text;     // what the label shows
  std::string_view address;  // what the shell opens; empty: nowhere to go
};

inline constexpr ProjectLink kWebsiteLink{"Readme.txt (the guide)", "Readme.txt"};
inline constexpr ProjectLink kEmailLink{"merrin@vornix.example", "mailto:merrin@vornix.example"};
inline constexpr ProjectLink kDonationLink{"", ""};

}  // namespace vx
