// Plays every tests/scenarios/*.vxs with the real vornix-script and checks what it
// prints against the expectations written in the script itself:
//   #> LINE   the next line of standard output; a line that starts with '{' is a
//             JSON object whose keys must all be present with these values
//             (nested objects compare the same way, key by key, except
//             "timers", which must list exactly the timers that run; a key
//             given as null must be absent, and {} expects an empty object)
//   #? LINE   the next line of standard error
//   #= N      the exit status (0 when absent)
//   #@ ARGS   arguments before the file name (default: --seed 1)
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

struct Expectations {
  std::vector<std::string> out, err;
  int status = 0;
  std::string args = "--seed 1";
};

Expectations read_expectations(const fs::path& file) {
  Expectations e;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    auto tail = [&] { return line.size() > 3 ? line.substr(3) : std::string(); };
    if (line.rfind("#> ", 0) == 0 || line == "#>")
      e.out.push_back(tail());
    else if (line.rfind("#? ", 0) == 0)
      e.err.push_back(tail());
    else if (line.rfind("#= ", 0) == 0)
      e.status = std::stoi(tail());
    else if (line.rfind("#@ ", 0) == 0)
      e.args = tail();
  }
  return e;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> v;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) v.push_back(line);
  return v;
}

// Every key of `want` must be in `got` with an equal value; objects recurse. A key
// expected as null must be absent, and an empty object expects an empty one.
void expect_subset(const json& want, const json& got, const std::string& where, std::vector<std::string>& faults) {
  if (want.empty() && !got.empty()) faults.push_back(where + ": want {}, got " + got.dump());
  for (auto it = want.begin(); it != want.end(); ++it) {
    const std::string key = where + "." + it.key();
    if (it->is_null()) {
      if (got.contains(it.key())) faults.push_back(key + ": want absent, got " + got[it.key()].dump());
    } else if (!got.contains(it.key())) {
      faults.push_back(key + " missing");
    } else if (it.key() == "timers") {
      json running = *it;  // exactly these run; a timer given as null is one that does not
      for (auto t = it->begin(); t != it->end(); ++t)
        if (t->is_null()) running.erase(t.key());
      if (running != got[it.key()])
        faults.push_back(key + ": want " + running.dump() + ", got " + got[it.key()].dump());
    } else if (it->is_object() && got[it.key()].is_object()) {
      expect_subset(*it, got[it.key()], key, faults);
    } else if (*it != got[it.key()]) {
      faults.push_back(key + ": want " + it->dump() + ", got " + got[it.key()].dump());
    }
  }
}

class Scenario : public testing::TestWithParam<fs::path> {};

TEST_P(Scenario, PrintsWhatItExpects) {
  const fs::path file = GetParam();
  const Expectations e = read_expectations(file);
  const fs::path err_file = fs::temp_directory_path() / ("vxs-" + std::to_string(::getpid()) + ".err");
  const std::string cmd =
      std::string(VORNIX_SCRIPT) + " " + e.args + " '" + file.string() + "' 2>'" + err_file.string() + "'";
  FILE* pipe = ::popen(cmd.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
  const int raw = ::pclose(pipe);
  const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream err_in(err_file);
  const std::string err((std::istreambuf_iterator<char>(err_in)), {});
  fs::remove(err_file);

  EXPECT_EQ(status, e.status) << "stderr:\n" << err;
  EXPECT_EQ(lines_of(err), e.err);
  const auto got = lines_of(out);
  ASSERT_EQ(got.size(), e.out.size()) << "output:\n" << out;
  for (std::size_t i = 0; i < got.size(); ++i) {
    const std::string& want = e.out[i];
    if (!want.empty() && want[0] == '{') {
      std::vector<std::string> faults;
      expect_subset(json::parse(want), json::parse(got[i]), "", faults);
      EXPECT_TRUE(faults.empty()) << "output line " << i + 1 << ":\n  " << [&] {
        std::string s;
        for (auto& f : faults) s += f + "\n  ";
        return s;
      }();
    } else {
      EXPECT_EQ(got[i], want) << "output line " << i + 1;
    }
  }
}

std::vector<fs::path> scenario_files() {
  std::vector<fs::path> v;
  for (const auto& entry : fs::directory_iterator(SCENARIO_DIR))
    if (entry.path().extension() == ".vxs") v.push_back(entry.path());
  std::sort(v.begin(), v.end());
  return v;
}

std::string test_name(const testing::TestParamInfo<fs::path>& info) {
  std::string n = info.param.stem().string();
  for (char& ch : n)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return n;
}

INSTANTIATE_TEST_SUITE_P(Scripts, Scenario, testing::ValuesIn(scenario_files()), test_name);

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
